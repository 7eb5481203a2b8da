#include "port_boxes.h"

#include "kv_binary_string.h"
#include "kv_snmp_request2_edits.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

std::string PortBitList(int count) {
  std::string list;
  for (int p = 0; p < count; ++p) list += (p ? "," : "") + std::to_string(p);
  return list;
}

std::vector<QCheckBox *> MakePortBoxes(QWidget *parent, int count, int visible, int first) {
  std::vector<QCheckBox *> boxes;
  for (int p = 0; p < count; ++p) {
    auto *box = new QCheckBox(parent);
    box->setObjectName(QString("CheckBox%1").arg(first + p));
    box->setVisible(p < visible);
    boxes.push_back(box);
  }
  return boxes;
}

QGridLayout *LayOutPortPairs(QWidget *parent, const std::vector<QCheckBox *> &boxes, int visible) {
  auto *grid = new QGridLayout;
  grid->setHorizontalSpacing(2);
  grid->setVerticalSpacing(0);
  for (int p = 0; p < visible && p < static_cast<int>(boxes.size()); ++p) {
    const int column = p / 2;
    const bool upper = p % 2 == 0;
    auto *number = new QLabel(QString::number(p + 1), parent);
    number->setAlignment(Qt::AlignCenter);
    grid->addWidget(number, upper ? 0 : 3, column, Qt::AlignHCenter);
    grid->addWidget(boxes[p], upper ? 1 : 2, column, Qt::AlignHCenter);
  }
  return grid;
}

bool PortInList(const KvBinaryString &list, int position) {
  const size_t octet = static_cast<size_t>(position / 8);
  return position >= 0 && octet < list.Data.size() && (list.Data[octet] & (0x80 >> (position % 8)));
}

int ColumnOfItem(const KvSNMPRequest2Edits &binding, int itemIndex) {
  const std::vector<int> &columns = binding.ColumnItems();
  for (size_t c = 0; c < columns.size(); ++c)
    if (columns[c] == itemIndex) return static_cast<int>(c);
  return -1;
}
