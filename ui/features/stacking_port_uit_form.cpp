#include "stacking_port_uit_form.h"

#include "kv_controls.h"

#include <QCheckBox>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>

TStackingPortUitForm::TStackingPortUitForm(QWidget *parent) : QWidget(parent) {
  setWindowFlag(Qt::FramelessWindowHint);
  resize(543, 252);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  UnitPageControl = new QTabWidget(this);
  UnitPageControl->setObjectName("UnitPageControl");
  layout->addWidget(UnitPageControl);
}

void TStackingPortUitForm::AddUnitPage(const std::string &caption, int count, int perRow) {
  std::error_code ec;
  if (std::filesystem::exists(kDeviceInfoFile, ec)) perRow = 10;
  if (perRow < 1) perRow = 1;

  auto *scroll = new QScrollArea;
  scroll->setFrameShape(QFrame::NoFrame);
  auto *sheet = new QWidget;
  const int tab = UnitPageControl->addTab(scroll, ToQt(caption));
  pages_.push_back(scroll);
  int right = 0, bottom = 0;
  for (int i = 0; i < count; ++i) {
    const QString text = QString::number(i + 1);
    auto *box = new QCheckBox(text, sheet);
    box->setObjectName(QString("CheckBox%1").arg(boxes_.size() + 1));
    int s = box->font().pointSize();
    if (s <= 0) s = 9;
    const int height = box->sizeHint().height();
    const int left = (i % perRow) * s * 5 + 20, top = (i / perRow) * height + 4;
    box->setGeometry(left, top, static_cast<int>(text.size()) * s + 3 * s, height);
    box->setVisible(false);
    right = std::max(right, box->geometry().right());
    bottom = std::max(bottom, box->geometry().bottom());
    boxes_.push_back(box);
  }
  sheet->setMinimumSize(right + 4, bottom + 4);
  scroll->setWidget(sheet);
  UnitPageControl->setTabVisible(tab, false);
}

void TStackingPortUitForm::ShowUnitPorts(const std::string &unitText, const std::string &suffix, int count) {
  int unit = 0;
  try {
    size_t used = 0;
    unit = std::stoi(unitText, &used);
    if (used != unitText.size()) return;
  } catch (const std::exception &) {
    return;
  }
  const int tab = unit - 1;
  if (tab < 0 || tab >= UnitPageControl->count()) return;
  UnitPageControl->setTabVisible(tab, true);
  UnitPageControl->setTabText(tab, UnitPageControl->tabText(tab) + " " + ToQt(suffix));
  const long first = static_cast<long>(tab) * kBoxesPerUnit;
  for (long b = first; b < first + count && b < static_cast<long>(boxes_.size()); ++b) boxes_[b]->setVisible(true);
}

void TStackingPortUitForm::ClearBoxes() {
  for (QCheckBox *box : boxes_) box->setChecked(false);
}

bool TStackingPortUitForm::AnyChecked() const {
  return std::any_of(boxes_.begin(), boxes_.end(), [](const QCheckBox *b) { return b->isChecked(); });
}
