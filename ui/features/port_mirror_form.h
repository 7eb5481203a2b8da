#pragma once
// The port mirror window: the switch's one mirroring set-up, the target port that gets
// the copies, the source ports of each direction (a row of check boxes for received
// and one for sent traffic) and whether mirroring is on, written as a whole by Set.
//
//   ShowFeatureWindow<TPortMirrorForm>(owner, addressText);   // window_layout.h

#include "base_form.h"

#include <array>
#include <string>

class KvSNMPRequest2Edits;
class KvStatusBar;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

class TPortMirrorForm : public TBaseForm {
  Q_OBJECT
public:
  static constexpr int kPortBoxes = 32;  // port positions bound to each source list
  static constexpr int kVisiblePorts = 24;

  // Creation: caption, binding and its associations, the first Get.
  TPortMirrorForm(QWidget *owner, const std::string &addressText);

  void BT_RefreshClick();
  void BT_SetClick();

  KvSNMPRequest2Edits *Binding() const { return binding_; }

  QComboBox *Combo_Port;
  QCheckBox *CK_Status;
  QLineEdit *ET_TargetPort;  // hidden: the target port number the binding writes
  std::array<QCheckBox *, kPortBoxes> Ingress{};  // CheckBox1 .. CheckBox32
  std::array<QCheckBox *, kPortBoxes> Egress{};   // CheckBox33 .. CheckBox64
  QPushButton *BT_Refresh;
  QPushButton *BT_Set;
  KvStatusBar *StatusBar1;

private:
  enum Item { TargetPortItem = 0, IngressItem, EgressItem, StateItem };

  void BuildControls();
  // The binding's Get, then the target port selected from what it read.
  void RefreshAndSelectTarget();
  void SelectTargetPort();

  KvSNMPRequest2Edits *binding_ = nullptr;
};
