#pragma once
// "Statistics Table": the Ethernet error and collision counters of every port, one row
// per port; "Refresh" reads them again.

#include "base_form.h"

#include <string>

class KvSNMPRequest2Edits;
class KvStatusBar;
class QPushButton;
class QTreeWidget;

class Tdot3StatsForm : public TBaseForm {
  Q_OBJECT
public:
  Tdot3StatsForm(QWidget *owner, const std::string &addressText);

  QTreeWidget *LV_Dot3Stats;
  QPushButton *BT_Get;
  KvStatusBar *StatusBar1;
  KvSNMPRequest2Edits *Binding = nullptr;

private:
  void FormCreate(const std::string &addressText);
  void BT_GetClick();
};

// The "dot3 Statistics" menu entry.
void OpenDot3StatsForm(QWidget *owner, const std::string &addressText);
