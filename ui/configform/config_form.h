#pragma once
// The generic configuration window: filled at run time from the bindings handed to it,
// as one editor panel (a scalar group), one list view panel (a table) or pages of
// either. Once shown it reads the visible panel's binding; only that binding is enabled,
// so only it receives answers. Closing the window drains and destroys its bindings.
//
//   auto *form = new TConfigForm(owner);
//   form->SetCaptionFor("IGMP Control Table");
//   auto binding = std::make_unique<KvSNMPRequest2Edits>(form);
//   binding->Request.VarList = KvSNMPVarList(IgmpCtrlDefs, MVT_FMV, 1);
//   form->SetListViewPanel(std::move(binding), -1, "", -1, "");
//   form->ShowModal();
//   form->DeleteWhenIdle();

#include "base_form.h"

#include <memory>
#include <string>
#include <vector>

class KvSNMPRequest2Edits;
class QTabWidget;
class TSNMPEditorPanel;
class TSNMPListViewPanel;
class TSNMPPanel;

class TConfigForm : public TBaseForm {
  Q_OBJECT
public:
  enum : unsigned char { NotSetUp = 0, EditorForm = 1, ListViewForm = 2, PageForm = 3 };

  explicit TConfigForm(QWidget *owner = nullptr);

  // One panel for the window; each raises when the window is already set up.
  TSNMPEditorPanel *SetEditorPanel(std::unique_ptr<KvSNMPRequest2Edits> binding);
  // A table without RowStatus passes -1 and ""; else the RowStatus item's index with
  // "createAndGo" and "destroy".
  TSNMPListViewPanel *SetListViewPanel(std::unique_ptr<KvSNMPRequest2Edits> binding, int addStatusIndex,
                                       const std::string &addStatusValue, int deleteStatusIndex,
                                       const std::string &deleteStatusValue);
  // Pages: one per binding, added in order; a page change reads the new page.
  void SetPageStyle();
  TSNMPEditorPanel *AddEditorPage(const std::string &caption, std::unique_ptr<KvSNMPRequest2Edits> binding);
  TSNMPListViewPanel *AddListViewPage(const std::string &caption, std::unique_ptr<KvSNMPRequest2Edits> binding,
                                      int addStatusIndex, const std::string &addStatusValue,
                                      int deleteStatusIndex, const std::string &deleteStatusValue);

  // Reads the visible panel's binding after disabling the one read before.
  void RefreshCurrent();

  unsigned char FormType = NotSetUp;
  std::vector<KvSNMPRequest2Edits *> Bindings;  // in the order given; owned by the window
  QTabWidget *Pages = nullptr;
  KvSNMPRequest2Edits *Current = nullptr;

protected:
  void FormClose() override;
  void BindingsDestroyed() override;
  void showEvent(QShowEvent *event) override;

private:
  KvSNMPRequest2Edits *TakeBinding(std::unique_ptr<KvSNMPRequest2Edits> binding);
  void FitToPanel(TSNMPPanel *panel);
  QWidget *AddPage(const std::string &caption, const char *notPagesText);
  void FitToPages();
  void PlaceOnPage(QWidget *sheet, TSNMPPanel *panel, const std::string &caption);
  void SetStatuses(TSNMPListViewPanel *panel, int addStatusIndex, const std::string &addStatusValue,
                   int deleteStatusIndex, const std::string &deleteStatusValue);

  bool refreshPosted_ = false;
  std::vector<TSNMPPanel *> pagePanels_;
};
