// The port trunk window against the simulated switch: the list and the port boxes,
// the row click, Add with and without "Status", Set, Delete (also on old firmware), and
// what the switch refuses or answers short.

#include "feature_window_fixture.h"
#include "kv_controls.h"
#include "kv_message_box.h"
#include "kv_snmp_request2_edits.h"
#include "kv_status_bar.h"
#include "port_trunk_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {
const std::string T = "1.3.6.1.4.1.171.11.43.2.2.9.3.1";

// The bundled data has trunk 1 (ports 9 to 12, active); this adds trunk 2 on ports 1
// to 4, not in service, with master port `master`.
std::map<std::string, std::string> WithSecondTrunk(const std::string &master = "1") {
  return {{T + ".1.2", T + ".1.2 INTEGER ro 2"},
          {T + ".2.2", T + ".2.2 INTEGER rc " + master + " range=0..255"},
          {T + ".3.2", T + ".3.2 STRING rc 0xF0000000"},
          {T + ".4.2", T + ".4.2 INTEGER ro 1"},
          {T + ".5.2", T + ".5.2 INTEGER rc 3"},
          {T + ".6.2", T + ".6.2 INTEGER rc 2"}};
}

class PortTrunkWindow : public FeatureWindowTest {
protected:
  void Open(const std::string &firmware = "Build 2.03") {
    form_ = std::make_unique<TPortTrunkForm>(nullptr, "127.0.0.1", firmware);
    form_->show();
  }
  QTreeWidgetItem *Row(const std::string &index) const {
    for (int r = 0; r < form_->LV_PortTrunk->topLevelItemCount(); ++r)
      if (form_->LV_PortTrunk->topLevelItem(r)->text(0) == ToQt(index)) return form_->LV_PortTrunk->topLevelItem(r);
    return nullptr;
  }
  // A click on the row, or on the list's empty area for null.
  void Click(QTreeWidgetItem *row) const {
    QWidget *viewport = form_->LV_PortTrunk->viewport();
    const QPoint at = row ? form_->LV_PortTrunk->visualItemRect(row).center() : QPoint(5, viewport->height() - 5);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
  }
  std::string Status() const { return form_->StatusBar1->PanelText(0); }
  // "1" for enabled boxes, "0" for disabled, "x" for checked, ports 1 to 24.
  std::string Boxes() const {
    std::string text;
    for (int p = 0; p < TPortTrunkForm::kVisiblePorts; ++p)
      text += form_->CheckBox[p]->isChecked() ? 'x' : form_->CheckBox[p]->isEnabled() ? '1' : '0';
    return text;
  }
  void Tick(std::initializer_list<int> ports) const {
    for (int p : ports) form_->CheckBox[p - 1]->setChecked(true);
  }

  std::unique_ptr<TPortTrunkForm> form_;
};

TEST_F(PortTrunkWindow, EmptyTableOffersEveryPortInAddMode) {
  StartSwitch({{T + ".1.1", ""}, {T + ".2.1", ""}, {T + ".3.1", ""}, {T + ".4.1", ""}, {T + ".5.1", ""}, {T + ".6.1", ""}});
  Open();
  EXPECT_EQ(form_->windowTitle(), "Port Trunk Table :127.0.0.1");
  EXPECT_EQ(form_->LV_PortTrunk->topLevelItemCount(), 0);
  EXPECT_EQ(Boxes(), std::string(24, '1'));
  for (int p = 24; p < TPortTrunkForm::kPortBoxes; ++p) EXPECT_TRUE(form_->CheckBox[p]->isHidden()) << p;
  EXPECT_EQ(form_->BT_Set->text(), "Add");
  EXPECT_EQ(form_->CurrentMode(), TPortTrunkForm::AddMode);
  EXPECT_EQ(Status().rfind("Get: (KvSNMP++) Ok!. Receive at ", 0), 0u) << Status();
  EXPECT_EQ(form_->Combo_Port->count(), 25);
  EXPECT_EQ(form_->Combo_Port->itemText(24), "");
}

TEST_F(PortTrunkWindow, RowClickShowsTheTrunkAndGreysOtherTrunksPorts) {
  StartSwitch(WithSecondTrunk());
  Open();
  ASSERT_EQ(form_->LV_PortTrunk->topLevelItemCount(), 2);
  const int member = 2;  // Index, Master Port, Member, ...
  EXPECT_EQ(form_->LV_PortTrunk->headerItem()->text(member), "Member");
  EXPECT_EQ(Row("2")->text(member), "F0000000");
  EXPECT_EQ(Boxes(), "0000111100001111" + std::string(8, '1'));  // add mode: both trunks greyed

  Click(Row("2"));
  EXPECT_EQ(Boxes(), "xxxx111100001111" + std::string(8, '1'));
  EXPECT_EQ(form_->BT_Set->text(), "Set");
  EXPECT_FALSE(form_->ED_Index->isEnabled());
  EXPECT_EQ(form_->ED_Index->text(), "2");
  EXPECT_FALSE(form_->CK_State->isChecked());  // notInService
  EXPECT_EQ(form_->Combo_Port->currentText(), "1");
  EXPECT_EQ(form_->Combo_Type->currentText(), "lacp");
  EXPECT_EQ(form_->CurrentMode(), TPortTrunkForm::EditMode);
  Click(Row("1"));
  EXPECT_TRUE(form_->CK_State->isChecked());
  EXPECT_EQ(Boxes(), "00001111xxxx1111" + std::string(8, '1'));

  // A click beside the rows is a Refresh.
  const size_t before = sim_->LogLines().size();
  Click(nullptr);
  EXPECT_GT(sim_->LogLines().size(), before);
  EXPECT_EQ(form_->BT_Set->text(), "Add");
  EXPECT_TRUE(form_->ED_Index->isEnabled());
  EXPECT_TRUE(form_->ED_Index->text().isEmpty());
  EXPECT_EQ(Boxes(), "0000111100001111" + std::string(8, '1'));
}

TEST_F(PortTrunkWindow, MasterPortWrapsAtTwentySixAndNoSelectionWritesZero) {
  StartSwitch(WithSecondTrunk("25"));
  Open();
  Click(Row("2"));
  EXPECT_EQ(form_->Combo_Port->currentIndex(), 24);  // the empty last item
  form_->ED_MasterPort->setText("26");
  form_->LV_PortTrunkClick();
  EXPECT_EQ(form_->Combo_Port->currentIndex(), -1);
  form_->ED_MasterPort->setText("27");
  form_->LV_PortTrunkClick();
  EXPECT_EQ(form_->Combo_Port->currentText(), "1");

  form_->Combo_Port->setCurrentIndex(-1);
  form_->BT_SetClick();
  ASSERT_EQ(Sets({Vb(T + ".2.2", "INTEGER", "0")}).size(), 1u) << Status();
  EXPECT_EQ(Row("2")->text(1), "0");
}

TEST_F(PortTrunkWindow, AddCreatesTheRowInOneRequestAndStatusMakesItActiveInASecond) {
  StartSwitch();
  Open();
  // Without "Status": one createAndGo with master, members and type; no flooding port.
  form_->ED_Index->setText("5");
  form_->Combo_Port->setCurrentIndex(4);
  form_->Combo_Type->setCurrentText("lacp");
  Tick({5, 6});
  form_->BT_SetClick();
  auto sets = Sets({Oid(T + ".6.5")});
  ASSERT_EQ(sets.size(), 1u) << Status();
  for (const std::string &vb : {Vb(T + ".6.5", "INTEGER", "4"), Vb(T + ".2.5", "INTEGER", "5"),
                                Vb(T + ".3.5", "STRING", "0x0C000000"), Vb(T + ".5.5", "INTEGER", "3")})
    EXPECT_NE(sets[0].find(vb), std::string::npos) << vb << "\n" << sets[0];
  EXPECT_EQ(sets[0].find(T + ".4.5"), std::string::npos);
  ASSERT_TRUE(Row("5"));
  EXPECT_EQ(Row("5")->text(5), "active");  // as the switch made it
  EXPECT_EQ(Row("5")->text(3), "5");       // flooding port, shown again after the Add
  EXPECT_EQ(form_->BT_Set->text(), "Add");
  EXPECT_EQ(Boxes().substr(4, 2), "00");

  // With "Status": createAndGo, then active.
  form_->ED_Index->setText("6");
  form_->Combo_Port->setCurrentIndex(0);
  form_->CK_State->setChecked(true);
  Tick({1});
  form_->BT_SetClick();
  sets = Sets({Oid(T + ".6.6")});
  ASSERT_EQ(sets.size(), 2u) << Status();
  EXPECT_NE(sets[0].find(Vb(T + ".6.6", "INTEGER", "4")), std::string::npos);
  EXPECT_NE(sets[1].find(Vb(T + ".6.6", "INTEGER", "1")), std::string::npos);

  // A refused createAndGo (the row exists) is shown, and the flooding port keeps its
  // place in the list afterwards.
  form_->ED_Index->setText("6");
  form_->Combo_Port->setCurrentIndex(1);
  Tick({2});
  form_->BT_SetClick();
  EXPECT_NE(Status().find("(SNMP)"), std::string::npos) << Status();
  const KvSNMPVarItem *flooding = form_->Binding()->Request.VarList.GetItem(3);
  EXPECT_EQ(flooding->Access, Access::ReadOnly);
  form_->BT_GetClick();
  EXPECT_EQ(form_->LV_PortTrunk->headerItem()->text(3), "Flooding Port");
  EXPECT_EQ(Row("6")->text(3), "1");
}

TEST_F(PortTrunkWindow, SetWritesTheRowAndDeleteDestroysIt) {
  StartSwitch(WithSecondTrunk());
  Open();
  Click(Row("2"));
  form_->CK_State->setChecked(true);
  form_->CheckBox[3]->setChecked(false);  // port 4 leaves
  form_->BT_SetClick();
  auto sets = Sets({Oid(T + ".6.2")});
  ASSERT_EQ(sets.size(), 1u) << Status();
  EXPECT_NE(sets[0].find(Vb(T + ".3.2", "STRING", "0xE0000000")), std::string::npos) << sets[0];
  EXPECT_NE(sets[0].find(Vb(T + ".6.2", "INTEGER", "1")), std::string::npos);
  EXPECT_EQ(Row("2")->text(5), "active");

  Click(Row("2"));
  form_->BT_DeleteClick();
  sets = Sets({Vb(T + ".6.2", "INTEGER", "6")});
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Count(sets[0], "{\"oid\""), 2) << sets[0];  // trunk type and state only
  EXPECT_NE(sets[0].find(Oid(T + ".5.2")), std::string::npos);
  EXPECT_EQ(Row("2"), nullptr);
  EXPECT_EQ(Boxes(), "11111111000011111111" + std::string(4, '1'));
}

TEST_F(PortTrunkWindow, OldFirmwareStopsWritingTrunkTypeAfterADeleteAndAFailedDeleteGivesAccessBack) {
  StartSwitch(WithSecondTrunk());
  Open("Build 1.03");
  Click(Row("2"));
  form_->BT_DeleteClick();
  ASSERT_EQ(Sets({Vb(T + ".6.2", "INTEGER", "6"), Oid(T + ".5.2")}).size(), 1u) << Status();

  form_->ED_Index->setText("7");
  Tick({1, 2});
  form_->BT_SetClick();
  auto sets = Sets({Oid(T + ".6.7")});
  ASSERT_EQ(sets.size(), 1u) << Status();
  EXPECT_EQ(sets[0].find(T + ".5.7"), std::string::npos) << sets[0];
  Click(Row("7"));
  form_->BT_SetClick();
  sets = Sets({Oid(T + ".6.7")});
  ASSERT_EQ(sets.size(), 2u) << Status();
  EXPECT_EQ(sets[1].find(T + ".5.7"), std::string::npos) << sets[1];

  // A destroy the switch refuses: one message box, the row stays, and the four
  // columns left out of it are sent or shown again as before.
  Platform::ScriptedMessageBoxes boxes;
  form_->Binding()->Request.Settings.Security.WriteCommunity = SwitchSimAgent::kReadCommunity;
  Click(Row("1"));
  form_->BT_DeleteClick();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_NE(boxes.Shown()[0].Text.find("(SNMP)"), std::string::npos) << boxes.Shown()[0].Text;
  const KvSNMPVarList &list = form_->Binding()->Request.VarList;
  for (int i = 0; i < 4; ++i) EXPECT_EQ(list.GetItem(i)->Access & Access::Invalid, 0u) << i;
  EXPECT_EQ(list.GetItem(2)->Access, Access::ReadWrite);
  EXPECT_TRUE(Row("1"));
}

TEST_F(PortTrunkWindow, MemberListShorterThanFourOctetsFillsWhatItHasAndReportsTheRest) {
  StartSwitch(WithSecondTrunk(), {"--short", T + ".3:1"});
  Open();
  EXPECT_EQ(Row("2")->text(2), "F0");
  Click(Row("2"));
  EXPECT_EQ(Boxes().substr(0, 8), "xxxx1111");
  EXPECT_NE(Status().find("(KvSNMP++) Out of range for the bit(byte) index"), std::string::npos) << Status();
}

}  // namespace
