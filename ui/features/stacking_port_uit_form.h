#pragma once
// The port picker of the ACL mask windows: a borderless form holding one tab per switch
// unit, each a scroll box of port check boxes. A host embeds it in one of its panels,
// adds the unit pages, shows the ports a unit has and binds the boxes, in list order, to
// a port list.
//
//   picker->AddUnitPage("Ports", 32, 12);
//   picker->ShowUnitPorts("1", "", 24);   // tab "Ports ", boxes 1 to 24

#include <QWidget>

#include <string>
#include <vector>

class QCheckBox;
class QScrollArea;
class QTabWidget;

class TStackingPortUitForm : public QWidget {
  Q_OBJECT
public:
  static constexpr int kBoxesPerUnit = 64;   // box index of unit u starts at (u - 1) * 64
  static constexpr char kDeviceInfoFile[] = "DeviceInfo.ini";  // in the current directory: 10 per row

  explicit TStackingPortUitForm(QWidget *parent = nullptr);

  // A hidden tab `caption` with `count` hidden boxes captioned 1 to count, `perRow` to a
  // row (10 whatever is passed when the device information file exists).
  void AddUnitPage(const std::string &caption, int count, int perRow);
  // Shows the tab of unit `unitText` (1-based, decimal), appends " " + suffix to its
  // caption and shows its first `count` boxes. A bad number or a missing page or box is
  // ignored.
  void ShowUnitPorts(const std::string &unitText, const std::string &suffix, int count);

  // Every box in creation order, and the pages.
  const std::vector<QCheckBox *> &Boxes() const { return boxes_; }
  const std::vector<QScrollArea *> &Pages() const { return pages_; }
  void ClearBoxes();
  bool AnyChecked() const;

  QTabWidget *UnitPageControl;

private:
  std::vector<QCheckBox *> boxes_;
  std::vector<QScrollArea *> pages_;
};
