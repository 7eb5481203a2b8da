#include "kv_status_bar.h"

#include "kv_controls.h"

#include <QLabel>

KvStatusBar::KvStatusBar(QWidget *parent) : QStatusBar(parent), simpleLabel_(new QLabel(this)) {
  setSizeGripEnabled(false);
  addWidget(simpleLabel_, 1);
  ShowMode();
}

int KvStatusBar::AddPanel(int width) {
  auto *panel = new QLabel(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  if (width > 0) panel->setFixedWidth(width);
  addWidget(panel, width > 0 ? 0 : 1);
  panels_.push_back(panel);
  ShowMode();
  return PanelCount() - 1;
}

void KvStatusBar::SetPanelText(int index, const std::string &text) {
  if (index < 0 || index >= PanelCount()) return;
  panels_[index]->setText(ToQt(text));
  simpleLast_ = false;
  ShowMode();
}

std::string KvStatusBar::PanelText(int index) const {
  if (index < 0 || index >= PanelCount()) return {};
  return FromQt(panels_[index]->text());
}

void KvStatusBar::SetSimpleText(const std::string &text) {
  simpleText_ = text;
  simpleLabel_->setText(ToQt(text));
  simpleLast_ = true;
  ShowMode();
}

void KvStatusBar::ShowMode() {
  const bool simple = ShowsSimpleText() || panels_.empty();
  simpleLabel_->setVisible(simple);
  for (QLabel *panel : panels_) panel->setVisible(!simple);
}
