#pragma once
// A radio group: a captioned frame with one radio button per item, at most one of them
// selected. ItemIndex is the selected item, -1 for none.

#include <QGroupBox>

#include <string>
#include <vector>

class QButtonGroup;
class QVBoxLayout;

class KvRadioGroup : public QGroupBox {
  Q_OBJECT
public:
  explicit KvRadioGroup(QWidget *parent = nullptr);

  // Replaces the items (library texts); the selection is cleared.
  void SetItems(const std::vector<std::string> &items);
  int Count() const;
  std::string Item(int index) const;

  int ItemIndex() const;
  // Selects the item; an index outside the items clears the selection.
  void SetItemIndex(int index);

signals:
  // The operator clicked an item (not emitted for SetItemIndex).
  void ItemClicked(int index);

private:
  QButtonGroup *buttons_;
  QVBoxLayout *layout_;
};
