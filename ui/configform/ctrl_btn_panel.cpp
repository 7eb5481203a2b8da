#include "ctrl_btn_panel.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

TCtrlBtnPanel::TCtrlBtnPanel(QWidget *parent) : QWidget(parent) {
  SampleCount = new QLabel("0", this);
  SampleCount->setAlignment(Qt::AlignCenter);
  SampleCount->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  SampleLabel = new QLabel("Samples", this);
  SampleLabel->setAlignment(Qt::AlignCenter);
  RefreshBtn = MakeButton("Refresh", "Get.bmp");
  EditBtn = MakeButton("Edit", "Set.bmp");
  SetBtn = MakeButton("Set Checked", "SetCheck.bmp");
  AddBtn = MakeButton("Add", "Add.bmp");
  DeleteBtn = MakeButton("Delete", "Delete.bmp");
  CheckAllBtn = MakeButton("Check All", "SelectAll.bmp");
  ClearChecksBtn = MakeButton("Clear Checks", "SelectNone.bmp");
  CloseBtn = MakeButton("Close", "Close.bmp");
  Ctrls = {SampleCount, SampleLabel, RefreshBtn, EditBtn, SetBtn, AddBtn, DeleteBtn, CheckAllBtn, ClearChecksBtn, CloseBtn};
  AddBtn->hide();
  DeleteBtn->hide();
  ArrangeCtrls();
}

QPushButton *TCtrlBtnPanel::MakeButton(const char *caption, const char *pictureFile) {
  auto *button = new QPushButton(caption, this);
  const QString path = QDir::current().filePath(pictureFile);
  if (QFileInfo::exists(path)) {
    const QPixmap picture(path);
    if (!picture.isNull()) {
      button->setText(QString());
      button->setIcon(QIcon(picture));
      button->setIconSize(picture.size());
    }
  }
  return button;
}

void TCtrlBtnPanel::ArrangeCtrls() {
  int top = TopMargin;
  for (QWidget *ctrl : Ctrls) {
    const int height = std::max(ctrl == SampleCount || ctrl == SampleLabel ? 21 : 25, ctrl->sizeHint().height());
    // A fixed size: a new caption (the sample counter) then asks no layout to run.
    ctrl->setFixedSize(kCtrlWidth, height);
    ctrl->move(Margin, top);
    // isHidden: the panel itself may not be shown yet.
    if (!ctrl->isHidden()) top += height + kGap;
  }
  const int width = 2 * Margin + kCtrlWidth;
  setFixedWidth(width);
  setMinimumHeight(top - kGap + TopMargin);
  resize(width, std::max(height(), minimumHeight()));
}
