#pragma once
// The port trunk window: the switch's link aggregation groups in a list, and one group
// edited below it (index, master port, member ports as one check box per port, type,
// state). Ports that belong to another group are greyed out; rows are created with
// createAndGo (then made active when "Status" is ticked) and removed with destroy.
//
//   ShowFeatureWindow<TPortTrunkForm>(owner, addressText, runtimeVersion);   // window_layout.h

#include "base_form.h"

#include <array>
#include <string>

class KvSNMPRequest2Edits;
class KvStatusBar;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class TPortTrunkForm : public TBaseForm {
  Q_OBJECT
public:
  static constexpr int kPortBoxes = 32;    // port positions bound to the member list
  static constexpr int kVisiblePorts = 24;
  enum Mode { AddMode = 0, EditMode = 1 };

  // Creation: caption, binding and its associations, the first Get. `runtimeVersion` is
  // the agent's firmware build as read at start-up ("Build 1.03" changes Delete).
  TPortTrunkForm(QWidget *owner, const std::string &addressText, const std::string &runtimeVersion);

  // The handlers, as the buttons and the list run them.
  void BT_GetClick();
  void BT_SetClick();
  void BT_DeleteClick();
  void LV_PortTrunkClick();

  KvSNMPRequest2Edits *Binding() const { return binding_; }
  int CurrentMode() const { return mode_; }

  QTreeWidget *LV_PortTrunk;
  QLineEdit *ED_Index;
  QLabel *ST_FloodingPort;
  QComboBox *Combo_Port;
  QLabel *Label_Type;
  QComboBox *Combo_Type;
  QCheckBox *CK_State;
  QLineEdit *ED_MasterPort;  // hidden: the master port number the binding writes
  QComboBox *Combo_State;    // hidden: the row status the binding writes
  std::array<QCheckBox *, kPortBoxes> CheckBox{};  // CheckBox1 .. CheckBox32, port = position + 1
  QPushButton *BT_Get;
  QPushButton *BT_Set;
  QPushButton *BT_Delete;
  KvStatusBar *StatusBar1;

protected:
  // Failures of Refresh, Add and Set: the exception's message in status panel 0.
  void Report(KvSNMPRequest2Controls *binding, const std::string &message) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  // Row status entries of Combo_State, by position.
  enum StatePosition { Active = 0, NotInService = 1, CreateAndGo = 3, Destroy = 5 };
  enum Item { IndexItem = 0, MasterPortItem, MemberItem, FloodingPortItem, TrunkTypeItem, StateItem };

  void BuildControls();
  void RefreshControls();
  void UpdatePortBoxes();
  void SelectMasterPort(const std::string &masterPortText);

  KvSNMPRequest2Edits *binding_ = nullptr;
  std::string runtimeVersion_;
  int mode_ = AddMode;
  bool deleted_ = false;
  std::array<bool, kPortBoxes> portFree_{};
};
