#include "config_form.h"

#include "kv_controls.h"
#include "kv_snmp_request2_edits.h"
#include "kv_widget_tag.h"
#include "snmp_list_view_panel.h"

#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

namespace {
constexpr int kIdleWaitMs = 1000;
}

TConfigForm::TConfigForm(QWidget *owner) : TBaseForm(owner) {
  setWindowTitle("ConfigForm");
  resize(159, 105);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
}

void TConfigForm::showEvent(QShowEvent *event) {
  TBaseForm::showEvent(event);
  if (refreshPosted_) return;
  refreshPosted_ = true;
  // Runs once the modal loop runs, after the caller has set the window up.
  QMetaObject::invokeMethod(this, [this] { Guarded(Current, [this] { RefreshCurrent(); }); }, Qt::QueuedConnection);
}

KvSNMPRequest2Edits *TConfigForm::TakeBinding(std::unique_ptr<KvSNMPRequest2Edits> binding) {
  if (!binding) throw std::invalid_argument("TConfigForm: no binding");
  KvSNMPRequest2Edits *raw = AddBinding(std::move(binding));
  Bindings.push_back(raw);
  return raw;
}

void TConfigForm::FitToPanel(TSNMPPanel *panel) {
  layout()->removeWidget(panel);
  FitWindowToPanel(this, panel);
  layout()->addWidget(panel);
}

TSNMPEditorPanel *TConfigForm::SetEditorPanel(std::unique_ptr<KvSNMPRequest2Edits> binding) {
  if (FormType != NotSetUp) throw std::runtime_error("Can not change Type of a Config Form!");
  FormType = EditorForm;
  auto *panel = new TSNMPEditorPanel(this, TakeBinding(std::move(binding)));
  FitToPanel(panel);
  connect(panel, &TSNMPPanel::SizeChanged, this, [this, panel] { FitToPanel(panel); });
  return panel;
}

void TConfigForm::SetStatuses(TSNMPListViewPanel *panel, int addStatusIndex, const std::string &addStatusValue,
                              int deleteStatusIndex, const std::string &deleteStatusValue) {
  if (!addStatusValue.empty()) panel->SetAddStatus(addStatusIndex, addStatusValue);
  if (!deleteStatusValue.empty()) panel->SetDeleteStatus(deleteStatusIndex, deleteStatusValue);
}

TSNMPListViewPanel *TConfigForm::SetListViewPanel(std::unique_ptr<KvSNMPRequest2Edits> binding, int addStatusIndex,
                                                  const std::string &addStatusValue, int deleteStatusIndex,
                                                  const std::string &deleteStatusValue) {
  if (FormType != NotSetUp) throw std::runtime_error("Can not change Type of a Config Form!");
  FormType = ListViewForm;
  auto *panel = new TSNMPListViewPanel(this, TakeBinding(std::move(binding)));
  FitToPanel(panel);
  SetStatuses(panel, addStatusIndex, addStatusValue, deleteStatusIndex, deleteStatusValue);
  return panel;
}

void TConfigForm::SetPageStyle() {
  if (FormType != NotSetUp) throw std::runtime_error("Can not change Type of a Config Form!");
  FormType = PageForm;
  Pages = new QTabWidget(this);
  // Qt's tab bar has one row; tabs that do not fit scroll instead of wrapping.
  Pages->setUsesScrollButtons(true);
  Pages->setElideMode(Qt::ElideNone);
  layout()->addWidget(Pages);
  connect(Pages, &QTabWidget::currentChanged, this, [this] { Guarded(Current, [this] { RefreshCurrent(); }); });
}

QWidget *TConfigForm::AddPage(const std::string &caption, const char *notPagesText) {
  if (FormType != PageForm) throw std::runtime_error(notPagesText);
  auto *sheet = new QWidget;
  auto *layout = new QVBoxLayout(sheet);
  layout->setContentsMargins(0, 0, 0, 0);
  SetWidgetTag(sheet, Pages->count());
  {
    // Adding the first page makes it current; it is read once the window is shown.
    const QSignalBlocker quiet(Pages);
    Pages->addTab(sheet, ToQt(caption));
  }
  return sheet;
}

void TConfigForm::FitToPages() {
  QSize largest(0, 0);
  for (TSNMPPanel *panel : pagePanels_) largest = largest.expandedTo(panel->size());
  const int tabRow = Pages->tabBar()->sizeHint().height();
  const QSize pages(largest.width() + 2 * Pages->style()->pixelMetric(QStyle::PM_DefaultFrameWidth),
                    largest.height() + tabRow + 2 * Pages->style()->pixelMetric(QStyle::PM_DefaultFrameWidth));
  Pages->resize(pages);
  FitWindowToPanel(this, Pages);
  // The tab row is one line here: the window is made wide enough for every caption, even
  // beyond the client width the content is limited to (but not beyond the screen).
  int tabs = Pages->tabBar()->sizeHint().width() + 2 * Pages->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
  if (const QScreen *screen = this->screen()) tabs = std::min(tabs, screen->availableGeometry().width());
  if (tabs > width()) resize(tabs, height());
}

void TConfigForm::PlaceOnPage(QWidget *sheet, TSNMPPanel *panel, const std::string &caption) {
  panel->PageCaption = caption;
  sheet->layout()->addWidget(panel);
  pagePanels_.push_back(panel);
  FitToPages();
  connect(panel, &TSNMPPanel::SizeChanged, this, [this] { FitToPages(); });
}

TSNMPEditorPanel *TConfigForm::AddEditorPage(const std::string &caption,
                                             std::unique_ptr<KvSNMPRequest2Edits> binding) {
  QWidget *sheet = AddPage(caption, "Can not add editor page to a none-page pannel!");
  auto *panel = new TSNMPEditorPanel(sheet, TakeBinding(std::move(binding)));
  PlaceOnPage(sheet, panel, caption);
  return panel;
}

TSNMPListViewPanel *TConfigForm::AddListViewPage(const std::string &caption,
                                                 std::unique_ptr<KvSNMPRequest2Edits> binding, int addStatusIndex,
                                                 const std::string &addStatusValue, int deleteStatusIndex,
                                                 const std::string &deleteStatusValue) {
  QWidget *sheet = AddPage(caption, "Can not add listview page to a none-page pannel!");
  auto *panel = new TSNMPListViewPanel(sheet, TakeBinding(std::move(binding)));
  PlaceOnPage(sheet, panel, caption);
  SetStatuses(panel, addStatusIndex, addStatusValue, deleteStatusIndex, deleteStatusValue);
  return panel;
}

void TConfigForm::RefreshCurrent() {
  if (BindingsReleased()) return;
  KvSNMPRequest2Edits *next = nullptr;
  switch (FormType) {
  case NotSetUp: return;
  case EditorForm:
  case ListViewForm: next = Bindings.empty() ? nullptr : Bindings[0]; break;
  case PageForm: {
    if (!Pages || Pages->count() == 0) return;
    const int page = Pages->currentIndex();
    if (page < 0 || page >= static_cast<int>(Bindings.size())) return;
    next = Bindings[static_cast<size_t>(page)];
    break;
  }
  default: throw std::runtime_error("Refresh a Form with unknown Form Type!");
  }
  if (!next) return;
  if (Current) Current->Request.SetEnabled(false);
  // A walk of this binding cut short by an earlier page change may still wait for its
  // last answer: let it end before reading again.
  const std::shared_ptr<const bool> alive = next->AliveFlag();
  if (next != Current && next->Busy()) {
    next->Request.SetEnabled(false);
    if (!WaitForIdle(*next, kIdleWaitMs)) return;
  }
  next->Request.SetEnabled(true);
  Current = next;
  try {
    next->Refresh();
  } catch (const std::exception &e) {
    if (*alive) next->ShowStatus(e.what());
  }
}

void TConfigForm::FormClose() {
  Current = nullptr;
  TBaseForm::FormClose();
}

void TConfigForm::BindingsDestroyed() {
  Bindings.clear();
  Current = nullptr;
}
