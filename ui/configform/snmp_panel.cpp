#include "snmp_panel.h"

#include "ctrl_btn_panel.h"
#include "kv_controls.h"
#include "kv_message_box.h"
#include "kv_program_info.h"
#include "msg_panel.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int kMaxClientWidth = 800;
constexpr int kMaxClientHeight = 550;
constexpr int kExtraWidth = 3;
}  // namespace

TSNMPPanel::TSNMPPanel(QWidget *parent, TMsgPanel *sharedMsgPanel, KvSNMPRequest2Edits *binding)
    : QWidget(parent), Binding(binding), OwnerForm(parent ? parent->window() : nullptr) {
  auto *layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  RightSplitter = new QSplitter(Qt::Horizontal, this);
  RightSplitter->setChildrenCollapsible(false);
  layout->addWidget(RightSplitter);

  Buttons = new TCtrlBtnPanel(nullptr);
  Content = new QWidget;
  RightSplitter->addWidget(Content);
  RightSplitter->addWidget(Buttons);
  RightSplitter->setStretchFactor(0, 1);
  RightSplitter->setStretchFactor(1, 0);

  auto *contentLayout = new QVBoxLayout(Content);
  contentLayout->setContentsMargins(0, 0, 0, 0);
  BottomSplitter = new QSplitter(Qt::Vertical, Content);
  BottomSplitter->setChildrenCollapsible(false);
  contentLayout->addWidget(BottomSplitter);
  if (sharedMsgPanel) {
    MsgPanel = sharedMsgPanel;
  } else {
    MsgPanel = new TMsgPanel(nullptr);
    ownMsgPanel_ = true;
    BottomSplitter->addWidget(MsgPanel);
    BottomSplitter->setStretchFactor(0, 0);
  }
  if (binding) binding->SetStatusOutput(MsgPanel->Memo);

  connect(Buttons->RefreshBtn, &QPushButton::clicked, this, [this] { Run([this] { Binding->Refresh(); }); });
  connect(Buttons->CloseBtn, &QPushButton::clicked, this, [this] {
    try {
      if (!OwnerForm) throw std::runtime_error("no window");
      OwnerForm->close();
    } catch (...) {
      Platform::ShowMessageBox(this, "Please initial close form", Platform::ProgramFileName());
    }
  });
}

TBaseForm *TSNMPPanel::BaseForm() const {
  for (QWidget *w = parentWidget(); w; w = w->parentWidget())
    if (auto *form = qobject_cast<TBaseForm *>(w)) return form;
  return nullptr;
}

void TSNMPPanel::ReportFailure(const std::string &message) {
  if (Binding && Binding->HasStatusOutput())
    Binding->ShowStatus(message);
  else
    Platform::ShowMessageBox(this, message, Platform::ProgramFileName());
}

std::string TSNMPPanel::ParentCaption() const {
  if (!PageCaption.empty()) return PageCaption;
  return OwnerForm ? FromQt(OwnerForm->windowTitle()) : std::string();
}

void TSNMPPanel::SetShown(QWidget *control) {
  if (Shown && Shown != control) Shown->hide();
  Shown = control;
  const QSize controlSize = control->size();
  if (control->parentWidget() != BottomSplitter) BottomSplitter->insertWidget(0, control);
  BottomSplitter->setStretchFactor(BottomSplitter->indexOf(control), 1);
  control->show();
  const int msgHeight = ownMsgPanel_ ? TMsgPanel::kHeight : 0;
  const int splitterHeight = ownMsgPanel_ ? BottomSplitter->handleWidth() : 0;
  const int width = controlSize.width() + Buttons->width() + RightSplitter->handleWidth() + kExtraWidth;
  const int height = std::max(controlSize.height() + msgHeight + splitterHeight, Buttons->minimumHeight());
  resize(width, height);
  BottomSplitter->setSizes({controlSize.height(), msgHeight});
  RightSplitter->setSizes({controlSize.width() + kExtraWidth, Buttons->width()});
  emit SizeChanged();
}

void TSNMPPanel::TakeBack(QWidget *control) {
  control->hide();
  BottomSplitter->insertWidget(0, control);
}

QSize LimitedClientSize(QSize panelSize) {
  // Content cut off at the bottom scrolls, and its scroll bar takes room beside it.
  int width = panelSize.width();
  if (panelSize.height() > kMaxClientHeight) width += QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  return {std::min(width, kMaxClientWidth), std::min(panelSize.height(), kMaxClientHeight)};
}

void FitWindowToPanel(QWidget *window, QWidget *panel) {
  window->resize(LimitedClientSize(panel->size()));
  const QWidget *owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
  const QRect area = owner && owner->isVisible() ? owner->frameGeometry()
                     : window->screen()                ? window->screen()->availableGeometry()
                                                       : QRect();
  if (area.isValid()) window->move(area.center() - window->rect().center());
}
