#include "msg_panel.h"

#include "kv_controls.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TMsgPanel::TMsgPanel(QWidget *parent) : QWidget(parent) {
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  Memo = MakeMemo(this);
  layout->addWidget(Memo);
  resize(width(), kHeight);
  setMinimumHeight(kHeight);
}
