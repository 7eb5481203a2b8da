// The ACL mask windows against the simulated switch: which columns each write carries,
// the validation messages, the picker, and the IP column rule for every protocol.

#include "ethernet_mask_information_form.h"
#include "feature_window_fixture.h"
#include "ip_mask_information_form.h"
#include "kv_controls.h"
#include "kv_message_box.h"
#include "kv_status_bar.h"
#include "stacking_port_uit_form.h"
#include "user_mask_info_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {
const std::string E = "1.3.6.1.4.1.171.12.9.1.1.1", I = "1.3.6.1.4.1.171.12.9.1.2.1", P = "1.3.6.1.4.1.171.12.9.1.3.1";

class AclMaskWindows : public FeatureWindowTest {
protected:
  // The columns (by sub-identifier) of the last Set, for row `row` of table `entry`.
  std::set<int> LastSetColumns(const std::string &entry, const std::string &row) const {
    const std::vector<std::string> sets = Sets();
    std::set<int> columns;
    if (sets.empty()) return columns;
    for (int c = 1; c <= 19; ++c)
      if (sets.back().find(Oid(entry + "." + std::to_string(c) + "." + row)) != std::string::npos) columns.insert(c);
    return columns;
  }
  static void Click(QTreeWidget *list, const QString &key) {
    for (int r = 0; r < list->topLevelItemCount(); ++r)
      if (list->topLevelItem(r)->text(0) == key) {
        list->scrollToItem(list->topLevelItem(r));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->visualItemRect(list->topLevelItem(r)).center().y()));
        return;
      }
    ADD_FAILURE() << "no row " << key.toStdString();
  }
  // Whether the bar shows `text` where the operator sees it.
  static bool Visible(const KvStatusBar *bar, const std::string &text) { return bar->ShowsLine(text); }
  static std::string Checked(const TStackingPortUitForm *picker) {
    std::string s;
    for (QCheckBox *b : picker->Boxes()) s += b->isChecked() ? 'x' : '.';
    return s;
  }
};

TEST_F(AclMaskWindows, EthernetChecksMaskStateColumnsRowClickAndDelete) {
  StartSwitch();
  Platform::ScriptedMessageBoxes boxes;
  TEthernetMaskInformationForm form(nullptr, "127.0.0.1");
  form.show();
  EXPECT_EQ(form.windowTitle(), "Ethernet Mask Information :127.0.0.1");
  EXPECT_EQ(form.StackingPortForm->UnitPageControl->tabText(0), "Ports ");
  EXPECT_TRUE(form.BT_Set->isEnabled() && !form.SetBtn->isEnabled() && !form.BT_Delete->isEnabled());

  // Profile 1 holds ports 1 to 8: the row click shows them and enters the row-selected state.
  Click(form.ListView1, "1");
  EXPECT_EQ(Checked(form.StackingPortForm), std::string(8, 'x') + std::string(24, '.'));
  EXPECT_TRUE(form.RowSelected() && form.SetBtn->isEnabled() && !form.BT_Set->isEnabled() && !form.IDEdit->isEnabled());
  form.BT_GetClick();
  EXPECT_TRUE(!form.RowSelected() && form.IDEdit->text().isEmpty() && Checked(form.StackingPortForm) == std::string(32, '.'));

  // Validation: empty ID, duplicate ID, row status left at "active"; nothing is sent.
  form.BT_SetClick();
  form.IDEdit->setText("1");
  form.BT_SetClick();
  form.IDEdit->setText("7");
  form.BT_SetClick();
  ASSERT_EQ(boxes.Shown().size(), 3u);
  EXPECT_EQ(boxes.Shown()[0].Text, "Ethernet Mask ID must be set.");
  EXPECT_EQ(boxes.Shown()[1].Text, "There is already a record with the same Ethernet Mask ID. Please modified it.");
  EXPECT_EQ(boxes.Shown()[2].Text, "Row Status must be createAndGo.");
  EXPECT_EQ(form.focusWidget(), form.RowStatusComBo);
  EXPECT_TRUE(Sets().empty());

  // "dst-mac-addr", no port: the destination mask and no source mask, no port list.
  form.RowStatusComBo->setCurrentIndex(TAclMaskForm::CreateAndGo);
  form.MacMaskStateComBo->setCurrentIndex(1);
  form.MacMaskDstEdit->setText("FFFFFF000000");
  form.BT_SetClick();
  EXPECT_EQ(LastSetColumns(E, "7"), (std::set<int>{3, 4, 6, 7, 8, 9}));
  EXPECT_NE(Sets().back().find(Vb(E + ".9.7", "INTEGER", "4")), std::string::npos) << Sets().back();
  EXPECT_EQ(form.ListView1->topLevelItemCount(), 2);

  // Set with "destroy" sends only the row status; then Delete finds nothing to delete.
  Click(form.ListView1, "7");
  form.RowStatusComBo->setCurrentIndex(TAclMaskForm::Destroy);
  form.SetBtnClick();
  EXPECT_EQ(LastSetColumns(E, "7"), (std::set<int>{9}));
  EXPECT_EQ(form.ListView1->topLevelItemCount(), 1);
  Click(form.ListView1, "1");
  form.BT_DeleteClick();
  EXPECT_EQ(LastSetColumns(E, "1"), (std::set<int>{9}));
  EXPECT_EQ(form.ListView1->topLevelItemCount(), 0);
  EXPECT_TRUE(form.BT_Set->isEnabled() && !form.BT_Delete->isEnabled());
}

// Every protocol choice against the columns an Add sends, with every edit filled and the
// options that let most columns through.
TEST_F(AclMaskWindows, IpColumnRuleForEveryProtocol) {
  StartSwitch();
  TIPMaskInformationForm form(nullptr, "127.0.0.1");
  form.show();
  EXPECT_EQ(form.windowTitle(), "IP Mask MaskInformation :127.0.0.1");
  struct Case {
    int protocol, icmp, tcp, udp, flagBit;
    std::set<int> sent;  // sub-identifiers besides the port list (2), the flags (3, 4, 7, 8) and row status
  };
  const Case cases[] = {
      {0, 1, 1, 1, 0, {}},                  // none
      {1, 1, 1, 1, 0, {9}},                 // icmp with an option
      {1, 0, 1, 1, 0, {}},                  // icmp "none"
      {2, 0, 1, 1, 0, {10}},                // igmp
      {3, 0, 2, 0, 0, {11, 13, 15, 16}},    // tcp "src-addr", udp "other": the edge case
      {3, 0, 3, 1, 1, {11, 13, 14, 15}},    // tcp "dst-src-addr", flag bit "disable"
      {4, 0, 0, 1, 0, {12, 14}},            // udp "dst-addr"
      {5, 0, 1, 1, 0, {17, 18}},            // protocolId
  };
  int id = 10;
  for (const Case &c : cases) {
    SCOPED_TRACE(id);
    form.IPIDEdit->setText(QString::number(id));
    form.StackingPortForm->Boxes()[0]->setChecked(true);
    form.IpAddMaskStateComboBox->setCurrentIndex(3);
    form.IpAddMaskSrcEdit->setText("255.255.255.0");
    form.IpAddMaskDstEdit->setText("255.255.0.0");
    form.UseProTypeComBo->setCurrentIndex(c.protocol);
    form.ICMPOptionComBo->setCurrentIndex(c.icmp);
    form.TCPOptionComBo->setCurrentIndex(c.tcp);
    form.UDPOptionComBo->setCurrentIndex(c.udp);
    form.TCPFlagBitOptionComBo->setCurrentIndex(c.flagBit);
    form.TCPUDPSrcMaskEdit->setText("FFFF");
    form.TCPUDPDstPortMaskEdit->setText("FF00");
    form.TCPFlagBitMaskEdit->setText("63");
    form.IpProtoIDMask->setText("FF");
    form.IpUserDefineMask->setText("0F");
    form.BT_AddClick();
    std::set<int> expected = c.sent;
    expected.insert({2, 3, 4, 5, 6, 7, 8, 19});
    EXPECT_EQ(LastSetColumns(I, std::to_string(id)), expected) << form.StatusBar1->PanelText(0);
    ++id;
  }
  // Address mask state "src-ip-addr" with empty edits; an empty protocol ID mask is written.
  form.IPIDEdit->setText("30");
  form.IpAddMaskStateComboBox->setCurrentIndex(2);
  form.UseProTypeComBo->setCurrentIndex(5);
  form.BT_AddClick();
  EXPECT_EQ(LastSetColumns(I, "30"), (std::set<int>{3, 4, 7, 8, 17, 19}));

  // Set with "destroy" is Delete; a failed write (the row is gone) shows its message.
  Click(form.ListView1, "30");
  form.RowStatusComBo->setCurrentIndex(TAclMaskForm::Destroy);
  form.SetBtnClick();
  EXPECT_EQ(LastSetColumns(I, "30"), (std::set<int>{19}));
  form.IPIDEdit->setText("30");
  form.TCPFlagBitMaskEdit->setText("99");  // outside the switch's 0..63
  form.UseProTypeComBo->setCurrentIndex(3);
  form.TCPFlagBitOptionComBo->setCurrentIndex(0);
  form.RowStatusComBo->setCurrentIndex(TAclMaskForm::Active);
  form.BT_AddClick();
  EXPECT_FALSE(form.StatusBar1->PanelText(0).empty());
  EXPECT_TRUE(Visible(form.StatusBar1, form.StatusBar1->PanelText(0)));
  EXPECT_FALSE(Visible(form.StatusBar1, form.StatusBar1->SimpleText()));
  EXPECT_TRUE(form.IPIDEdit->text().isEmpty() && form.BT_Add->isEnabled());
}

TEST_F(AclMaskWindows, PayloadEmptyOffsetsShortPortListAndTheDeviceInfoLayout) {
  StartSwitch({{P + ".2.3", P + ".2.3 STRING rc 0xC000"}});
  Platform::ScriptedMessageBoxes boxes;
  {
    TUserMaskInfoForm form(nullptr, "127.0.0.1");
    form.show();
    EXPECT_EQ(form.windowTitle(), "User Defined Mask Information :127.0.0.1");
    EXPECT_EQ(form.Static->text(), "1");
    EXPECT_EQ(form.ComboBox1->currentText(), "createAndGo");
    // Two octets of ports: the boxes of those octets are set and the binding reports -519.
    Click(form.ListView1, "3");
    EXPECT_EQ(Checked(form.StackingPortForm), "xx" + std::string(30, '.'));
    EXPECT_NE(form.StatusBar1->SimpleText().find("Out of range for the bit(byte) index"), std::string::npos) << form.StatusBar1->SimpleText();
    EXPECT_TRUE(Visible(form.StatusBar1, form.StatusBar1->SimpleText()));
    form.GetButtonClick();
    form.Edit1->setText("3");
    form.AddButtonClick();
    EXPECT_EQ(boxes.Shown().back().Text, "Mask Entry ID must be different.");
    EXPECT_EQ(form.focusWidget(), form.Edit1);
    form.Edit1->setText("4");
    form.AddButtonClick();
    EXPECT_EQ(LastSetColumns(P, "4"), (std::set<int>{8}));
    EXPECT_EQ(form.Static->text(), "2");
    form.Edit1->setText("");
    form.OperButtonClick();
    EXPECT_EQ(boxes.Shown().back().Text, "Mask Entry ID must be set.");
    Click(form.ListView1, "4");
    form.Edit4->setText("00FF");
    form.OperButtonClick();
    EXPECT_EQ(LastSetColumns(P, "4"), (std::set<int>{2, 5, 8}));
    Click(form.ListView1, "4");
    form.DeleteButtonClick();
    EXPECT_EQ(LastSetColumns(P, "4"), (std::set<int>{8}));
    EXPECT_EQ(form.Static->text(), "1");
  }
  // Ten boxes to a row: boxes 1, 11 and 21 start the three rows.
  const QString dir = QString::fromStdString(MakeTempDir("kvdevinfo"));
  const QString previous = QDir::currentPath();
  QDir::setCurrent(dir);
  QFile(TStackingPortUitForm::kDeviceInfoFile).open(QIODevice::WriteOnly);
  TStackingPortUitForm picker;
  picker.AddUnitPage("Ports", 32, 12);
  QDir::setCurrent(previous);
  const std::vector<QCheckBox *> &b = picker.Boxes();
  EXPECT_EQ(b[10]->x(), b[0]->x());
  EXPECT_GT(b[10]->y(), b[9]->y());
  EXPECT_EQ(b[20]->x(), b[0]->x());
  EXPECT_EQ(b[9]->y(), b[0]->y());
  picker.ShowUnitPorts("x", "", 24);  // ignored
  picker.ShowUnitPorts("2", "", 24);  // no such page: ignored
  EXPECT_TRUE(b[0]->isHidden());
}
}  // namespace
