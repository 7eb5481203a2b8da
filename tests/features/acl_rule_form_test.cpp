// The three ACL rule windows against the simulated switch: what each write carries by
// the selectors, the permit rule and the protocol, the key checks, Edit with "destroy",
// Delete, and rules under a profile that does not exist or that does not mask their fields.

#include "ethernet_information_rule_form.h"
#include "feature_window_fixture.h"
#include "ip_rule_form.h"
#include "kv_controls.h"
#include "kv_message_box.h"
#include "kv_status_bar.h"
#include "user_defined_information_rule_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

namespace {
const std::string E = "1.3.6.1.4.1.171.12.9.2.1.1", I = "1.3.6.1.4.1.171.12.9.2.2.1",
                  P = "1.3.6.1.4.1.171.12.9.2.3.1";

class AclRuleWindow : public FeatureWindowTest {
protected:
  Platform::ScriptedMessageBoxes boxes_;  // a box shown where none is expected fails the check below
  void Click(TAclRuleForm &form, int row) {
    QTreeWidgetItem *item = form.ListView1->topLevelItem(row);
    ASSERT_TRUE(item);
    QTest::mouseClick(form.ListView1->viewport(), Qt::LeftButton, {}, QPoint(5, form.ListView1->visualItemRect(item).center().y()));
  }
  static std::string Table(const std::string &base) { return "{\"oid\":\"" + base + "."; }
  // The columns (sub-identifiers) of the table at `base` that a Set line carries, in order.
  static std::string Columns(const std::string &line, const std::string &base) {
    std::string text;
    const std::string key = "{\"oid\":\"" + base + ".";
    for (size_t at = line.find(key); at != std::string::npos; at = line.find(key, at + 1)) {
      const size_t start = at + key.size();
      text += (text.empty() ? "" : " ") + line.substr(start, line.find('.', start) - start);
    }
    return text;
  }
  std::string LastSetColumns(const std::string &base) {
    const auto sets = Sets({Table(base)});
    return sets.empty() ? "none" : Columns(sets.back(), base);
  }
};

TEST_F(AclRuleWindow, EthernetAddChecksKeysAndSendsOnlyTheCheckedColumns) {
  StartSwitch();
  TEthernetInformationRuleForm form(nullptr);
  form.show();
  EXPECT_EQ(form.StaticText1->text(), "1");
  EXPECT_EQ(form.RowComboBox()->currentText(), "createAndGo");
  EXPECT_FALSE(form.EditButton->isEnabled());
  auto &boxes = boxes_;

  // Missing keys, a duplicate, a row status other than createAndGo: no request at all.
  form.AddButtonClick();
  form.Key1()->setText("1");
  form.AddButtonClick();
  form.Key2()->setText("1");
  form.AddButtonClick();
  form.Key2()->setText("2");
  form.Selector(11)->setChecked(true);
  form.RowComboBox()->setCurrentIndex(0);
  form.AddButtonClick();
  ASSERT_EQ(boxes.Shown().size(), 4u);
  EXPECT_EQ(boxes.Shown()[0].Text, "Mask ID must be set.");
  EXPECT_EQ(boxes.Shown()[1].Text, "Access ID must be set.");
  EXPECT_EQ(boxes.Shown()[2].Text,
            "Has already a record with the same Mask ID and Access ID. Please change eithor of them.");
  EXPECT_EQ(boxes.Shown()[3].Text, "Row State must be createAndGo.");
  EXPECT_TRUE(Sets().empty());

  // No selector checked: the keys (in the index) and the row status only.
  form.Selector(11)->setChecked(false);
  form.RowComboBox()->setCurrentIndex(3);
  form.AddButtonClick();
  ASSERT_EQ(Sets({Table(E)}).size(), 1u) << form.StatusBar1->PanelText(0) ;
  EXPECT_NE(Sets()[0].find(Vb(E + ".14.1.2", "INTEGER", "4")), std::string::npos) << Sets()[0];
  EXPECT_EQ(LastSetColumns(E), "14");
  EXPECT_EQ(form.StaticText1->text(), "2");
  EXPECT_TRUE(form.Key1()->text().isEmpty());

  // cbxRow cleared and "active": not refused, the request carries "active".
  form.Key1()->setText("1");
  form.Key2()->setText("3");
  form.RowComboBox()->setCurrentIndex(0);
  form.Selector(4)->setChecked(true);  // the destination MAC, which profile 1 masks
  form.Edit(4)->setText("001122334455");
  form.AddButtonClick();
  EXPECT_EQ(LastSetColumns(E), "5 14");
  EXPECT_NE(Sets().back().find(Vb(E + ".14.1.3", "INTEGER", "1")), std::string::npos) << Sets().back();

  // A key typed with a leading zero is no duplicate of the listed one.
  const size_t before = Sets().size();
  form.Key1()->setText("1");
  form.Key2()->setText("01");
  form.RowComboBox()->setCurrentIndex(3);
  form.AddButtonClick();
  EXPECT_EQ(boxes.Shown().size(), 4u);
  EXPECT_EQ(Sets().size(), before + 1);

  // A rule under a profile that does not exist is refused, and the refusal is shown.
  form.Key1()->setText("9");
  form.Key2()->setText("1");
  form.AddButtonClick();
  EXPECT_NE(form.StatusBar1->PanelText(0).find("(SNMP)"), std::string::npos) << form.StatusBar1->PanelText(0);
  EXPECT_TRUE(form.Key1()->isEnabled());
}

TEST_F(AclRuleWindow, EthernetRowClickPermitRuleEditWithDestroyAndDelete) {
  StartSwitch();
  TEthernetInformationRuleForm form(nullptr);
  form.show();
  Click(form, 0);  // rule 1/1, "deny"
  EXPECT_EQ(form.Key1()->text(), "1");
  EXPECT_EQ(form.Key2()->text(), "1");
  EXPECT_FALSE(form.Key1()->isEnabled());
  EXPECT_TRUE(form.EditButton->isEnabled() && form.DeleteButton->isEnabled() && !form.AddButton->isEnabled());
  EXPECT_EQ(form.PermitComboBox()->currentText(), "deny");
  EXPECT_FALSE(form.Field(8)->isEnabled());
  EXPECT_FALSE(form.Selector(8)->isEnabled());

  // "destroy" with cbxRow cleared: no delete; the checked fields without the priority.
  form.CheckAll(true);
  form.Selector(11)->setChecked(false);
  form.RowComboBox()->setCurrentIndex(5);
  form.EditButtonClick();
  EXPECT_EQ(LastSetColumns(E), "3 4 5 6 7 13") << form.StatusBar1->PanelText(0);
  EXPECT_EQ(form.ListView1->topLevelItemCount(), 1);
  EXPECT_FALSE(form.Selector(3)->isChecked());  // back to idle, selectors cleared
  // Profile 1 masks the destination MAC only: the switch refuses the others, and the
  // window shows the refusal over the binding's own line.
  EXPECT_NE(form.StatusBar1->PanelText(0).find("Inconsistent Value"), std::string::npos) << form.StatusBar1->PanelText(0);
  EXPECT_FALSE(form.StatusBar1->ShowsSimpleText());

  // "permit": the priority is written again.
  Click(form, 0);
  form.CheckAll(true);
  form.PermitComboBox()->setCurrentText("permit");
  EXPECT_TRUE(form.Field(8)->isEnabled());
  form.Selector(11)->setChecked(false);
  form.EditButtonClick();
  EXPECT_EQ(LastSetColumns(E), "3 4 5 6 7 9 13");

  // "destroy" with cbxRow checked deletes the row with the row status alone.
  Click(form, 0);
  form.Selector(11)->setChecked(true);
  form.RowComboBox()->setCurrentIndex(5);
  form.EditButtonClick();
  EXPECT_NE(Sets().back().find(Vb(E + ".14.1.1", "INTEGER", "6")), std::string::npos) << Sets().back();
  EXPECT_EQ(LastSetColumns(E), "14");
  EXPECT_EQ(form.ListView1->topLevelItemCount(), 0);
  EXPECT_EQ(form.StaticText1->text(), "0");
}

// Every protocol against the columns an Edit with all selectors sends ("permit").
TEST_F(AclRuleWindow, IpRuleProtocolDecidesTheColumnsSent) {
  StartSwitch();
  TIPRuleForm form(nullptr);
  form.show();
  const struct {
    const char *Protocol, *Columns;
  } table[] = {{"none", "3 4 5 6 19 20 21"},
               {"icmp", "3 4 5 6 8 9 19 20 21"},
               {"igmp", "3 4 5 6 8 19 20 21"},
               {"tcp", "3 4 5 6 10 11 12 19 20 21"},
               {"udp", "3 4 5 6 10 11 19 20 21"},
               {"protocolId", "3 4 5 6 13 14 19 20 21"}};
  for (const auto &row : table) {
    Click(form, 0);
    form.CheckAll(true);
    form.Combo(6)->setCurrentText(row.Protocol);
    form.Edit(9)->setText("1024");
    form.EditButtonClick();
    EXPECT_EQ(LastSetColumns(I), row.Columns) << row.Protocol << " " << form.StatusBar1->PanelText(0);
  }
  // "deny" with the permit selector: replace DSCP disabled and left out.
  Click(form, 0);
  form.CheckAll(true);
  form.Combo(6)->setCurrentText("tcp");
  form.PermitComboBox()->setCurrentText("deny");
  EXPECT_FALSE(form.Field(15)->isEnabled() || form.Selector(15)->isEnabled() || form.Selector(14)->isEnabled());
  form.Edit(9)->setText("1024");
  form.EditButtonClick();
  EXPECT_EQ(LastSetColumns(I), "3 4 5 6 10 11 12 20 21");
  // Without the permit selector Permit stays out and the DSCP goes with the other fields.
  Click(form, 0);
  form.CheckAll(true);
  form.Selector(16)->setChecked(false);
  form.Combo(6)->setCurrentText("tcp");
  form.Edit(9)->setText("1024");
  form.EditButtonClick();
  EXPECT_EQ(LastSetColumns(I), "3 4 5 6 10 11 12 19 21");
}

TEST_F(AclRuleWindow, PayloadAddAndDeleteUnderItsProfile) {
  StartSwitch();
  TUserDefinedInformationRuleForm form(nullptr);
  form.show();
  EXPECT_EQ(form.StaticText1->text(), "1");  // rule 3/1
  form.Key1()->setText("3");
  form.Key2()->setText("7");
  form.CheckAll(true);
  form.Edit(2)->setText("FFFF0000000000000000000000000000");
  form.Edit(8)->setText("5");
  form.PermitComboBox()->setCurrentText("deny");
  form.AddButtonClick();
  EXPECT_EQ(LastSetColumns(P), "3 4 5 6 7 13 14");
  // Profile 3 masks the first offset range only: refused, nothing added.
  EXPECT_NE(form.StatusBar1->PanelText(0).find("Inconsistent Value"), std::string::npos) << form.StatusBar1->PanelText(0);
  EXPECT_EQ(form.ListView1->topLevelItemCount(), 1);
  form.Key1()->setText("3");
  form.Key2()->setText("7");
  form.Selector(2)->setChecked(true);
  form.Selector(12)->setChecked(true);
  form.Edit(2)->setText("FFFF0000000000000000000000000000");
  form.AddButtonClick();
  EXPECT_EQ(LastSetColumns(P), "3 13 14") << form.StatusBar1->PanelText(0);
  ASSERT_EQ(form.ListView1->topLevelItemCount(), 2);
  Click(form, 1);
  form.DeleteButtonClick();
  EXPECT_EQ(LastSetColumns(P), "14");
  EXPECT_NE(Sets().back().find(Vb(P + ".14.3.7", "INTEGER", "6")), std::string::npos);
  EXPECT_EQ(form.ListView1->topLevelItemCount(), 1);
}
}  // namespace
