#pragma once
// The about box: the module's name, the firmware it supports, its release and the
// maker's notice, and an OK button that closes it. Fixed size, centred on its owner.

#include <QDialog>

class QLabel;
class QPushButton;

class TAboutForm : public QDialog {
  Q_OBJECT
public:
  explicit TAboutForm(QWidget *owner);

  QLabel *ProgramIcon;
  QLabel *ProductName;
  QLabel *Version;    // "Support Firmware Version ..."
  QLabel *Copyright;  // "Release Version ..."
  QLabel *Comments;   // the maker's notice
  QPushButton *OKButton;

private:
  void FormCreate();
};
