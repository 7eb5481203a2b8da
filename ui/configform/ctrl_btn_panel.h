#pragma once
// The column of command buttons on the right of an editor panel: the sample counter and
// its label, then Refresh, Edit, Set Checked, Add, Delete, Check All, Clear Checks and
// Close, laid out top to bottom, hidden ones taking no room. A button whose picture
// file exists in the current directory shows the picture instead of its caption.

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <vector>

class TCtrlBtnPanel : public QWidget {
  Q_OBJECT
public:
  explicit TCtrlBtnPanel(QWidget *parent);

  // Places the controls again (after any change of visibility) and sets the panel's size.
  void ArrangeCtrls();

  static constexpr int kCtrlWidth = 96;
  static constexpr int kGap = 5;

  int Margin = 10;
  int TopMargin = 10;
  QLabel *SampleCount;
  QLabel *SampleLabel;
  QPushButton *RefreshBtn;
  QPushButton *EditBtn;
  QPushButton *SetBtn;
  QPushButton *AddBtn;
  QPushButton *DeleteBtn;
  QPushButton *CheckAllBtn;
  QPushButton *ClearChecksBtn;
  QPushButton *CloseBtn;
  std::vector<QWidget *> Ctrls;  // in layout order

private:
  QPushButton *MakeButton(const char *caption, const char *pictureFile);
};
