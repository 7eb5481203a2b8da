// The port mirror window against the simulated switch: what it shows, the one Set of
// all four objects, a Refresh after another manager's change, and short answers.

#include "feature_window_fixture.h"
#include "kv_mib_core_set.h"
#include "kv_snmp_request.h"
#include "kv_status_bar.h"
#include "port_mirror_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {
const std::string M = "1.3.6.1.4.1.171.11.43.2.2.10";

class PortMirrorWindow : public FeatureWindowTest {
protected:
  void StartMirroring(std::vector<std::string> extraArgs = {}) {
    StartSwitch({{M + ".1.0", M + ".1.0 INTEGER rw 5 range=1..24"},
                 {M + ".2.0", M + ".2.0 STRING rw 0xC0000000 size=4"},
                 {M + ".4.0", M + ".4.0 INTEGER rw 3 enum=O37"}},
                extraArgs);
    form_ = std::make_unique<TPortMirrorForm>(nullptr, "127.0.0.1");
  }
  std::string Row(const std::array<QCheckBox *, TPortMirrorForm::kPortBoxes> &boxes) const {
    std::string text;
    for (int p = 0; p < TPortMirrorForm::kVisiblePorts; ++p) text += boxes[p]->isChecked() ? 'x' : '.';
    return text;
  }
  std::string Status() const { return form_->StatusBar1->PanelText(0); }
  // Another manager writes the target port.
  void SetTargetElsewhere(const std::string &port) const {
    KvSNMPRequest other;
    other.VarList = KvSNMPVarList(PortMirrorDefs, SVT_SV, 0);
    const std::vector<std::string> values = {port};
    other.Set(false, "0", &values);
  }

  std::unique_ptr<TPortMirrorForm> form_;
};

TEST_F(PortMirrorWindow, ShowsTheSwitchsMirroringAndSetsAllFourObjectsInOneRequest) {
  StartMirroring();
  EXPECT_EQ(form_->windowTitle(), "Port Mirror Table:127.0.0.1");
  EXPECT_EQ(form_->Combo_Port->currentText(), "5");
  EXPECT_EQ(Row(form_->Ingress), "xx" + std::string(22, '.'));
  EXPECT_EQ(Row(form_->Egress), std::string(24, '.'));
  EXPECT_TRUE(form_->CK_Status->isChecked());
  EXPECT_TRUE(form_->Ingress[24]->isHidden() && form_->Egress[31]->isHidden());
  EXPECT_EQ(Status().rfind("Get: (KvSNMP++) Ok!. Receive at ", 0), 0u) << Status();

  form_->Ingress[1]->setChecked(false);
  form_->Ingress[8]->setChecked(true);
  form_->Egress[23]->setChecked(true);
  form_->CK_Status->setChecked(false);
  form_->BT_SetClick();
  const auto sets = Sets();
  ASSERT_EQ(sets.size(), 1u) << Status();
  for (const std::string &vb : {Vb(M + ".1.0", "INTEGER", "5"), Vb(M + ".2.0", "STRING", "0x80800000"),
                                Vb(M + ".3.0", "STRING", "0x00000100"), Vb(M + ".4.0", "INTEGER", "2")})
    EXPECT_NE(sets[0].find(vb), std::string::npos) << vb << "\n" << sets[0];
  EXPECT_EQ(Status().rfind("Set: (KvSNMP++) Ok!. Receive at ", 0), 0u) << Status();
}

TEST_F(PortMirrorWindow, RefreshFollowsAnotherManagersTargetPortSoThatSetKeepsIt) {
  StartMirroring();
  SetTargetElsewhere("7");
  form_->BT_RefreshClick();
  EXPECT_EQ(form_->Combo_Port->currentText(), "7");
  form_->BT_SetClick();
  ASSERT_EQ(Sets({Vb(M + ".1.0", "INTEGER", "7")}).size(), 2u) << Status();  // the other manager's and ours

  // A port the list does not offer leaves no selection; Set then writes 0, which the
  // switch refuses, and the refusal is shown.
  form_->ET_TargetPort->setText("25");
  form_->Combo_Port->setCurrentIndex(-1);
  form_->BT_SetClick();
  EXPECT_EQ(Sets({Vb(M + ".1.0", "INTEGER", "0")}).size(), 1u);
  EXPECT_EQ(Status().rfind("Set: (SNMP)", 0), 0u) << Status();
}

TEST_F(PortMirrorWindow, SourceListShorterThanFourOctetsFillsWhatItHasAndReportsTheRest) {
  StartMirroring({"--short", M + ".2.0:1"});
  EXPECT_EQ(Row(form_->Ingress), "xx" + std::string(22, '.'));
  EXPECT_NE(Status().find("(KvSNMP++) Out of range for the bit(byte) index"), std::string::npos) << Status();
}

}  // namespace
