#pragma once
// "802.1P Basic Information": the bridge's 802.1p device capabilities and whether its
// traffic classes are enabled, read as two scalar groups; "Refresh" reads both again.

#include "base_form.h"

#include <string>

class KvSNMPRequest2Edits;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class TPBridgeConfigForm : public TBaseForm {
  Q_OBJECT
public:
  TPBridgeConfigForm(QWidget *owner, const std::string &addressText);

  QPushButton *BT_Get;
  QLabel *Edit_DeviceCapabilities;
  QLabel *ST_TrafficClassesState;
  QPlainTextEdit *Memo1;
  KvSNMPRequest2Edits *DeviceCapsBinding = nullptr;
  KvSNMPRequest2Edits *TrafficClassesBinding = nullptr;

private:
  void FormCreate(const std::string &addressText);
  void BT_GetClick();
};

// The "802.1P" / "Basic Information" menu entry.
void OpenPBridgeConfigForm(QWidget *owner, const std::string &addressText);
