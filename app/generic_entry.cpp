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

const char *AddStatus(int rowStatus) { return rowStatus >= 0 ? kAddStatus : ""; }
const char *DeleteStatus(int rowStatus) { return rowStatus >= 0 ? kDeleteStatus : ""; }

void SetUpPages(TConfigForm *form, const KvMenuEntry &entry) {
  form->SetPageStyle();
  for (const KvPageDef &page : entry.Pages) {
    auto binding = NewBinding(form, page.Defs, page.ItemType, page.KeyCount);
    if (page.Editor) {
      TSNMPEditorPanel *panel = form->AddEditorPage(page.Caption, std::move(binding));
      if (page.SpinLock && !panel->Edits->Rows.empty()) {
        // The spin lock is written with every Set of the page.
        QCheckBox *box = panel->Edits->Rows[0].CheckBox;
        box->setChecked(true);
        box->hide();
      }
    } else {
      form->AddListViewPage(page.Caption, std::move(binding), page.RowStatus, AddStatus(page.RowStatus),
                            page.RowStatus, DeleteStatus(page.RowStatus));
    }
  }
}

// The editor of a scalar group, or null when the entry shows a list view.
TSNMPEditorPanel *SetUpPanel(TConfigForm *form, const KvMenuEntry &entry) {
  auto binding = NewBinding(form, entry.Defs, entry.ItemType, entry.KeyCount);
  if (entry.ItemType == SVT_SV && !(entry.Extras & EntryExtra::ListViewPanel)) {
    TSNMPEditorPanel *editor = form->SetEditorPanel(std::move(binding));
    if (entry.EditWidth) editor->SetEditWidth(entry.EditWidth);
    if (const KvRangeCheckDef *check = entry.RangeCheck)
      editor->Edits->SetRangeCheck(check->Name, check->Row, check->Min, check->Max);
    return editor;
  }
  TSNMPListViewPanel *list = form->SetListViewPanel(std::move(binding), entry.RowStatus, AddStatus(entry.RowStatus),
                                                    entry.RowStatus, DeleteStatus(entry.RowStatus));
  if (entry.EditWidth) list->SetEditWidth(entry.EditWidth);
  if (entry.Extras & EntryExtra::CommunityHooks) {
    list->OnBeforeAdd = [list](QObject *) { CommunityBeforeAdd(*list); };
    list->OnAfterAdd = [list](QObject *) { CommunityAfterAdd(*list); };
  }
  return nullptr;
}

}  // namespace

void OpenGenericWindow(const KvMenuEntry &entry, QWidget *owner, const std::string &caption) {
  auto *form = new TConfigForm(owner);
  try {
    form->SetCaption(caption);
    TSNMPEditorPanel *editor = nullptr;
    if (entry.Kind == KvEntryKind::Pages) SetUpPages(form, entry);
    else editor = SetUpPanel(form, entry);
    if (entry.Width) form->resize(entry.Width, form->height());
    if (entry.Height) form->resize(form->width(), entry.Height);

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
