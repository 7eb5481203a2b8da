#include "menu_windows.h"

#include "kv_mib_catalogue.h"
#include "kv_status_bar.h"
#include "main_form.h"
#include "main_menu.h"
#include "panel_form.h"

#include <QAction>

#include <string>

namespace {

std::string KindOf(const KvMenuEntry &entry) {
  switch (entry.Kind) {
  case KvEntryKind::Pages: return "generic window with pages";
  case KvEntryKind::Feature: return "window of its own";
  case KvEntryKind::Special: return entry.Defs ? "generic list" : "Alarm/Event (no window)";
  default:
    return entry.ItemType == SVT_SV && !(entry.Extras & EntryExtra::ListViewPanel) ? "generic editor" : "generic list";
  }
}

// The first page of a window with pages is an editor or a list.
bool ReadsOneScalarGroupFirst(const KvMenuEntry &entry) {
  if (entry.Kind == KvEntryKind::Pages) return !entry.Pages.empty() && entry.Pages[0].Editor;
  return entry.Kind == KvEntryKind::Generic && entry.ItemType == SVT_SV;
}

}  // namespace

// Every G, P, F and S entry of the menu, in menu order, then the front panel's port window.
std::vector<SweepWindow> MenuWindows(TMainForm &form) {
  std::vector<SweepWindow> rows;
  for (const KvMenuItemDef &item : MainMenuTree()) {
    const KvMenuEntry *entry = item.Key[0] ? FindMenuEntry(item.Key) : nullptr;
    if (!entry) continue;
    const KvEntryKind kind = entry->Kind;
    if (kind != KvEntryKind::Generic && kind != KvEntryKind::Pages && kind != KvEntryKind::Feature &&
        kind != KvEntryKind::Special)
      continue;
    // The configuration snapshot window and Undo read and write only when asked to, by
    // their buttons and questions (their own tests drive them), and the change journal's
    // window reads a local file: opened and closed, they meet no agent.
    const std::string key = entry->Key;
    if (key == "F20" || key == "F21" || key == "F22") continue;
    SweepWindow row;
    row.Name = std::string(entry->Key) + " " + item.Name;
    row.Kind = KindOf(*entry);
    const std::string name = item.Name;
    row.Open = [&form, name] { form.MenuItem(name)->trigger(); };
    // A scalar group is one request: the agent stops at it. A table stops after its first row.
    row.StopAt = ReadsOneScalarGroupFirst(*entry) ? 1 : 2;
    if (kind == KvEntryKind::Special && !entry->Defs) {
      // Alarm/Event reads the RMON state (blocking) and starts a companion or says the
      // switch lacks it; a failure goes to the main window's status bar.
      row.Open = [&form, name] {
        form.StatusBar->SetPanelText(0, "");
        form.MenuItem(name)->trigger();
      };
      row.Outcome = [&form] { return form.StatusBar->PanelText(0); };
      row.SilentWhenAnswered = true;
      row.StopAt = 0;
    }
    // Device Control reads the RMON state again once it closed, with the start-up's wait.
    if (entry->Extras & EntryExtra::RefreshRmonMenu) row.ExtraCloseWaitMs = 2 * 1000 * 2;
    rows.push_back(std::move(row));
  }
  SweepWindow port;
  port.Name = "port window of the front panel";
  port.Kind = "port window (front panel)";
  port.Open = [&form] {
    TPanelForm *panel = form.PanelForm;
    panel->SB_Port1Click(panel->SB_Port[4]);
    panel->SB_Port1DblClick(panel->SB_Port[4]);
  };
  port.StopAt = 0;  // its read blocks: the agent is stopped from the start
  rows.push_back(std::move(port));
  return rows;
}

