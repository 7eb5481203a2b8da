#pragma once
// What the windows with port lists share: one check box per port position, the bit
// list that binds them to a port list value (position p is bit p, port p + 1), and the
// reading of a port list shown as hexadecimal text.

#include <QString>

#include <string>
#include <vector>

class KvBinaryString;
class KvSNMPRequest2Edits;
class QCheckBox;
class QGridLayout;
class QWidget;

// "0,1,...,count-1": the bit positions of `count` ports.
std::string PortBitList(int count);
// `count` check boxes without captions, named CheckBox<first> onwards; those past
// `visible` are hidden.
std::vector<QCheckBox *> MakePortBoxes(QWidget *parent, int count, int visible = 24, int first = 1);
// The first `visible` boxes in two rows, odd ports above and even ports below, each
// with its port number beside the row.
QGridLayout *LayOutPortPairs(QWidget *parent, const std::vector<QCheckBox *> &boxes, int visible);
// True when port position `position` (port position + 1) is set in the list; octets
// missing from a shorter list count as zero.
bool PortInList(const KvBinaryString &list, int position);
// The list view column that shows item `itemIndex` of the binding, or -1.
int ColumnOfItem(const KvSNMPRequest2Edits &binding, int itemIndex);
