#include "kv_radio_group.h"

#include "kv_controls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

KvRadioGroup::KvRadioGroup(QWidget *parent)
    : QGroupBox(parent), buttons_(new QButtonGroup(this)), layout_(new QVBoxLayout(this)) {
  connect(buttons_, &QButtonGroup::idClicked, this, &KvRadioGroup::ItemClicked);
}

void KvRadioGroup::SetItems(const std::vector<std::string> &items) {
  for (QAbstractButton *b : buttons_->buttons()) {
    buttons_->removeButton(b);
    delete b;
  }
  for (size_t i = 0; i < items.size(); ++i) {
    auto *button = new QRadioButton(ToQt(items[i]), this);
    layout_->addWidget(button);
    buttons_->addButton(button, static_cast<int>(i));
  }
}

int KvRadioGroup::Count() const { return static_cast<int>(buttons_->buttons().size()); }

std::string KvRadioGroup::Item(int index) const {
  QAbstractButton *b = buttons_->button(index);
  return b ? FromQt(b->text()) : std::string();
}

int KvRadioGroup::ItemIndex() const { return buttons_->checkedId(); }

void KvRadioGroup::SetItemIndex(int index) {
  if (QAbstractButton *b = buttons_->button(index)) {
    b->setChecked(true);
    return;
  }
  // An exclusive group keeps one button checked; clearing needs it non-exclusive briefly.
  if (QAbstractButton *checked = buttons_->checkedButton()) {
    buttons_->setExclusive(false);
    checked->setChecked(false);
    buttons_->setExclusive(true);
  }
}
