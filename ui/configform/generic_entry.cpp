#include "generic_entry.h"

#include "config_form.h"
#include "edits_panel.h"
#include "kv_snmp_request2_edits.h"
#include "snmp_editor_panel.h"
#include "snmp_list_view_panel.h"

#include <QCheckBox>

#include <memory>

namespace {

constexpr const char *kAddStatus = "createAndGo";
constexpr const char *kDeleteStatus = "destroy";

std::unique_ptr<KvSNMPRequest2Edits> NewBinding(TConfigForm *form, const KvSNMPVarDef *defs,
                                                unsigned char itemType, int keyCount) {
  auto binding = std::make_unique<KvSNMPRequest2Edits>(form);
  binding->Request.VarList = KvSNMPVarList(defs, itemType, keyCount);
  return binding;
}

// The RowStatus texts of a table: its own, else the RowStatus ones (none without a column).
const char *StatusText(int rowStatus, const char *given, const char *standard) {
  if (rowStatus < 0) return "";
  return given ? given : standard;
}

void SetUpPages(TConfigForm *form, const KvMenuEntry &entry) {
  form->SetPageStyle();
  for (const KvPageDef &page : entry.Pages) {
    auto binding = NewBinding(form, page.Defs, page.ItemType, page.KeyCount);
    TSNMPEditorPanel *panel = nullptr;
    if (page.Editor) {
      panel = form->AddEditorPage(page.Caption, std::move(binding));
      if (page.EditWidth) panel->SetEditWidth(page.EditWidth);
      if (page.SpinLock && !panel->Edits->Rows.empty()) {
        // The spin lock is written with every Set of the page.
        QCheckBox *box = panel->Edits->Rows[0].CheckBox;
        box->setChecked(true);
        box->hide();
      }
    } else {
      TSNMPListViewPanel *list = form->AddListViewPage(
          page.Caption, std::move(binding), page.RowStatus, StatusText(page.RowStatus, page.AddStatus, kAddStatus),
          page.RowStatus, StatusText(page.RowStatus, page.DeleteStatus, kDeleteStatus));
      if (page.CompleteStatus && page.RowStatus >= 0) list->AddCompleteValue = page.CompleteStatus;
      panel = list;
    }
    if (page.LiveCounters) panel->EnableLiveView(kLiveCounterSeconds);
  }
}

// The editor of a scalar group, or null when the entry shows a list view.
TSNMPEditorPanel *SetUpPanel(TConfigForm *form, const KvMenuEntry &entry) {
  auto binding = NewBinding(form, entry.Defs, entry.ItemType, entry.KeyCount);
  const bool live = entry.Extras & EntryExtra::LiveCounters;
  if (entry.ItemType == SVT_SV && !(entry.Extras & EntryExtra::ListViewPanel)) {
    TSNMPEditorPanel *editor = form->SetEditorPanel(std::move(binding));
    if (entry.EditWidth) editor->SetEditWidth(entry.EditWidth);
    if (const KvRangeCheckDef *check = entry.RangeCheck)
      editor->Edits->SetRangeCheck(check->Name, check->Row, check->Min, check->Max);
    if (live) editor->EnableLiveView(kLiveCounterSeconds);
    return editor;
  }
  TSNMPListViewPanel *list =
      form->SetListViewPanel(std::move(binding), entry.RowStatus, StatusText(entry.RowStatus, nullptr, kAddStatus),
                             entry.RowStatus, StatusText(entry.RowStatus, nullptr, kDeleteStatus));
  if (entry.EditWidth) list->SetEditWidth(entry.EditWidth);
  if (entry.Extras & EntryExtra::CommunityHooks) {
    list->OnBeforeAdd = [list](QObject *) { CommunityBeforeAdd(*list); };
    list->OnAfterAdd = [list](QObject *) { CommunityAfterAdd(*list); };
  }
  if (live) list->EnableLiveView(kLiveCounterSeconds);
  return nullptr;
}

// The window set up, and its editor when the entry has one.
TConfigForm *SetUpWindow(const KvMenuEntry &entry, QWidget *owner, const std::string &caption,
                         TSNMPEditorPanel *&editor) {
  auto *form = new TConfigForm(owner);
  try {
    form->SetCaption(caption);
    editor = nullptr;
    if (entry.Kind == KvEntryKind::Pages) SetUpPages(form, entry);
    else editor = SetUpPanel(form, entry);
    if (entry.Width) form->resize(entry.Width, form->height());
    if (entry.Height) form->resize(form->width(), entry.Height);
  } catch (...) {
    form->DeleteWhenIdle();
    throw;
  }
  return form;
}

}  // namespace

TConfigForm *BuildGenericWindow(const KvMenuEntry &entry, QWidget *owner, const std::string &caption) {
  TSNMPEditorPanel *editor = nullptr;
  TConfigForm *form = SetUpWindow(entry, owner, caption, editor);
  if (editor && entry.RangeCheck) editor->Edits->RangeCheckOn = true;
  return form;
}

void OpenGenericWindow(const KvMenuEntry &entry, QWidget *owner, const std::string &caption) {
  TSNMPEditorPanel *editor = nullptr;
  TConfigForm *form = SetUpWindow(entry, owner, caption, editor);
  try {
    if (editor && entry.RangeCheck) editor->Edits->RangeCheckOn = true;
    form->ShowModal();
    if (editor && entry.RangeCheck) editor->Edits->RangeCheckOn = false;
  } catch (...) {
    form->DeleteWhenIdle();
    throw;
  }
  form->DeleteWhenIdle();
}

void CommunityBeforeAdd(TSNMPListViewPanel &panel) {
  TEditsPanel &rows = *panel.Edits;
  for (int row : {1, 2}) {
    rows.CheckRow(row);
    rows.Rows[static_cast<size_t>(row)].CheckBox->setEnabled(false);
  }
  rows.ClearRows();
  rows.SetRowValue(6, "nonVolatile");
}

void CommunityAfterAdd(TSNMPListViewPanel &panel) {
  for (int row : {1, 2}) panel.Edits->Rows[static_cast<size_t>(row)].CheckBox->setEnabled(true);
}
