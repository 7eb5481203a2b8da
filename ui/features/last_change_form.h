#pragma once
// "General Information": when the interface table and the interface stack last changed,
// as time ticks; "Refresh" reads them again.

#include "base_form.h"

#include <string>

class KvSNMPRequest2Edits;
class KvStatusBar;
class QLabel;
class QPushButton;

class TLastChangeForm : public TBaseForm {
  Q_OBJECT
public:
  TLastChangeForm(QWidget *owner, const std::string &addressText);

  QLabel *ST_IFTable;
  QLabel *ST_IFStack;
  QPushButton *BT_Get;
  KvStatusBar *StatusBar1;
  KvSNMPRequest2Edits *Binding = nullptr;

private:
  void FormCreate(const std::string &addressText);
  void BT_GetClick();
};

// The "IF-MIB" / "General Table" menu entry.
void OpenLastChangeForm(QWidget *owner, const std::string &addressText);
