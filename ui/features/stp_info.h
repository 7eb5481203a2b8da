#pragma once
// "Spanning Tree Control": the bridge's spanning tree version, priority, timers (in
// hundredths of a second, as the bridge MIB counts them) and TX hold count. "Set"
// checks the timers against each other before it writes all six in one request.

#include "base_form.h"

#include <functional>
#include <string>

class KvSNMPRequest2Edits;
class KvStatusBar;
class QComboBox;
class QLineEdit;
class QPushButton;

class TSTP_Info : public TBaseForm {
  Q_OBJECT
public:
  TSTP_Info(QWidget *owner, const std::string &addressText);

  QComboBox *Combo_STPVersion;
  QLineEdit *ET_Priority;
  QLineEdit *ET_AgingTime;
  QLineEdit *ET_HelloTime;
  QLineEdit *ET_ForwardDelay;
  QLineEdit *ED_TxHoldCount;
  QPushButton *BT_Get;
  QPushButton *BT_Set;
  KvStatusBar *StatusBar1;
  KvSNMPRequest2Edits *Binding = nullptr;

  static constexpr const char *kEmptyField = "Don't Leave Empty Fileds !";
  static constexpr const char *kDataError = "Data Error !";
  static constexpr const char *kPriorityWrong = "Priority value is wrong!";
  static constexpr unsigned kTimeout = 300;  // hundredths of a second per try

private:
  void FormCreate(const std::string &addressText);
  void BT_GetClick();
  void BT_SetClick();
  void ShowPlain(const char *text);
};

// The "Spanning Tree" / "Information" menu entry: this window for the firmware it was
// made for ("Build 2.03"), the companion module's view for any other.
void OpenSpanningTreeInformation(QWidget *owner, const std::string &runtimeVersion, const std::string &addressText,
                                 const std::function<void(const std::string &)> &launchModule);
