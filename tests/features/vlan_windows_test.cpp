// The 802.1p and 802.1Q windows against the simulated switch: what they show, the
// priority pages with their re-selection after a Set, and the port VLAN window's count,
// busy refusal and Set.

#include "feature_window_test_support.h"
#include "kv_message_box.h"
#include "kv_snmp_request2_edits.h"
#include "pbridge_config_form.h"
#include "vlan_8021d_priority_form.h"
#include "vlan_general_info_form.h"
#include "vlan_port_infomation_form.h"

#include <QAbstractItemModel>
#include <algorithm>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

namespace {
class VlanWindows : public FeatureSuiteTest {};

std::string LastMemoLine(const QPlainTextEdit *memo) {
  return memo->toPlainText().split('\n').last().toStdString();
}

QTreeWidgetItem *RowWith(QTreeWidget *list, const QString &caption, const QString &second = {}) {
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    QTreeWidgetItem *item = list->topLevelItem(i);
    if (item->text(0) == caption && (second.isNull() || item->text(1) == second)) return item;
  }
  return nullptr;
}
}  // namespace

TEST_F(VlanWindows, BasicInformationWindowsShowTheBridgeGroupsWithTheAddressInTheirCaption) {
  TPBridgeConfigForm p(nullptr, "127.0.0.1");
  ASSERT_TRUE(RunUntil([&] { return !p.TrafficClassesBinding->Busy() && !p.DeviceCapsBinding->Busy(); }));
  EXPECT_EQ(p.windowTitle(), "802.1P Basic Information : 127.0.0.1");
  EXPECT_EQ(p.Edit_DeviceCapabilities->text(), "52");
  EXPECT_EQ(p.ST_TrafficClassesState->text(), "true");
  EXPECT_NE(LastMemoLine(p.Memo1).find("Get: (KvSNMP++) Ok!"), std::string::npos);

  TVLanGeneralInfoForm q(nullptr, "127.0.0.1");
  ASSERT_TRUE(RunUntil([&] { return !q.BaseBinding->Busy(); }));
  EXPECT_EQ(q.windowTitle(), "802.1Q Basic Configure : 127.0.0.1");
  EXPECT_EQ(q.VlanVersionNumber->text(), "1");
  EXPECT_EQ(q.MaxVlanId->text(), "4094");
  EXPECT_EQ(q.MaxSupportedVlans->text(), "256");
  EXPECT_EQ(q.CurrentNumOfVlans->text(), "3");
  EXPECT_EQ(q.GvrpStatus->currentText(), "disabled");
  EXPECT_TRUE(q.GvrpStatus->isHidden());
  // "Refresh" reads both groups again.
  NewLogLines();
  p.BT_Get->click();
  ASSERT_TRUE(RunUntil([&] { return !p.TrafficClassesBinding->Busy() && !p.DeviceCapsBinding->Busy(); }));
  EXPECT_EQ(NewLogLines().size(), 2u);
}

TEST_F(VlanWindows, PriorityPagesReadWhenShownHideSetOnTheLastPageAndCountTheirRows) {
  TVLan8021dPriorityForm form(nullptr);
  EXPECT_EQ(form.PageControl1->currentIndex(), 0);
  EXPECT_EQ(form.LV_dot1dPortPriorityEntry->topLevelItemCount(), 24);
  EXPECT_EQ(form.ST_Count->text(), "24");
  EXPECT_EQ(form.LV_dot1dUserPriorityRegenEntry->topLevelItemCount(), 0);  // not shown yet

  form.PageControl1->setCurrentIndex(3);
  EXPECT_TRUE(form.SetBtn->isHidden());
  EXPECT_EQ(form.ST_Count->text(), "192");  // 24 ports x 8 priorities
  form.PageControl1->setCurrentIndex(2);
  EXPECT_FALSE(form.SetBtn->isHidden());
  EXPECT_EQ(form.ST_Count->text(), "192");

  // Page 3: a class beyond the port's four is refused; the count stays the table's.
  QTreeWidgetItem *row = RowWith(form.LV_dot1dTrafficClassEntry, "3", "5");
  ASSERT_TRUE(row);
  form.LV_dot1dTrafficClassEntry->setCurrentItem(row);
  EXPECT_EQ(form.TrafficClass->text(), "2");
  form.TrafficClass->setText("6");
  NewLogLines();
  form.SetBtn->click();
  EXPECT_NE(LastMemoLine(form.Memo1).find("Set: "), std::string::npos) << LastMemoLine(form.Memo1);
  EXPECT_EQ(LastMemoLine(form.Memo1).find("Ok!"), std::string::npos);
  EXPECT_EQ(form.ST_Count->text(), "192");
  form.RefreshBtn->click();
  EXPECT_EQ(form.ST_Count->text(), "192");
  EXPECT_TRUE(form.TrafficClass->text().isEmpty());
  EXPECT_TRUE(form.TrafficPortNumber->text().isEmpty());
}

TEST_F(VlanWindows, PrioritySetWritesTheSelectedRowAndSelectsItAgainByItsKeys) {
  TVLan8021dPriorityForm form(nullptr);
  form.PageControl1->setCurrentIndex(1);
  QTreeWidgetItem *row = RowWith(form.LV_dot1dUserPriorityRegenEntry, "7", "5");
  ASSERT_TRUE(row);
  form.LV_dot1dUserPriorityRegenEntry->setCurrentItem(row);
  EXPECT_EQ(form.RegenPortNum->text(), "7");
  EXPECT_EQ(form.UserPriority->text(), "5");
  form.RegeneratedUserPriority->setText("2");
  NewLogLines();
  form.SetBtn->click();

  const auto lines = NewLogLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines[0].find("\"op\":\"set\""), std::string::npos);
  EXPECT_NE(lines[0].find("{\"oid\":\"1.3.6.1.2.1.17.6.1.2.2.1.2.7.5\",\"type\":\"INTEGER\",\"value\":\"2\"}"),
            std::string::npos)
      << lines[0];
  EXPECT_EQ(lines[0].find("1.3.6.1.2.1.17.6.1.2.2.1.1."), std::string::npos);  // keys are not written
  const auto reads = std::count_if(lines.begin() + 1, lines.end(), [](const std::string &line) {
    return line.find("\"op\":\"getnext\"") != std::string::npos || line.find("\"op\":\"getbulk\"") != std::string::npos;
  });
  EXPECT_GT(reads, 0);  // the table read again
  QTreeWidgetItem *selected = form.LV_dot1dUserPriorityRegenEntry->currentItem();
  ASSERT_TRUE(selected && selected->isSelected());
  EXPECT_EQ(selected->text(0), "7");
  EXPECT_EQ(selected->text(1), "5");
  EXPECT_EQ(form.RegeneratedUserPriority->text(), "2");
  EXPECT_TRUE(form.RegeneratedUserPriority->isEnabled());
  EXPECT_EQ(form.ST_Count->text(), "192");

  // Without a selected row nothing is written and the failure is a status line.
  form.RefreshBtn->click();
  const size_t before = LogOps(*sim_, "set").size();
  form.SetBtn->click();
  EXPECT_EQ(LogOps(*sim_, "set").size(), before);
  EXPECT_EQ(LastMemoLine(form.Memo1).find("Ok!"), std::string::npos) << LastMemoLine(form.Memo1);
}

TEST_F(VlanWindows, PortVlanCountFollowsTheRowsRefusesWhileBusyAndSetSelectsTheRowAgain) {
  Platform::ScriptedMessageBoxes boxes;
  TVLanPortInfomationForm form(nullptr);
  EXPECT_EQ(form.windowTitle(), "VLAN Port Information Form");
  std::vector<int> counts;
  QObject::connect(form.LV_dot1qPortVlanEntry->model(), &QAbstractItemModel::rowsInserted, &form,
                   [&] { counts.push_back(form.ST_Count->text().toInt()); });
  // A second "Refresh" while the first read runs is refused.
  ASSERT_TRUE(form.PortVlanBinding->Busy());
  form.RefreshBtn->click();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].Text, "Refresh Not Complete");
  form.SetBtn->click();
  EXPECT_EQ(boxes.Shown().size(), 2u);
  ASSERT_TRUE(RunUntil([&] { return !form.PortVlanBinding->Busy(); }));
  EXPECT_EQ(form.ST_Count->text(), "24");
  ASSERT_FALSE(counts.empty());
  for (size_t i = 1; i < counts.size(); ++i) EXPECT_EQ(counts[i], counts[i - 1] + 1);
  EXPECT_EQ(counts.back(), 24);

  QTreeWidgetItem *row = RowWith(form.LV_dot1qPortVlanEntry, "10");
  ASSERT_TRUE(row);
  form.LV_dot1qPortVlanEntry->setCurrentItem(row);
  EXPECT_EQ(form.PortVLanID->text(), "10");
  EXPECT_EQ(form.IngressFiltering->currentText(), "false");
  form.PortVLanID->setText("20");
  form.GvrpStatus->setCurrentIndex(form.GvrpStatus->findText("enabled"));
  NewLogLines();
  form.SetBtn->click();
  // Until the Set is answered, the old rows show with the written row selected.
  ASSERT_TRUE(form.LV_dot1qPortVlanEntry->currentItem());
  EXPECT_EQ(form.LV_dot1qPortVlanEntry->currentItem()->text(0), "10");
  ASSERT_TRUE(RunUntil([&] { return !form.PortVlanBinding->Busy() && form.ST_Count->text() == "24"; }));
  const auto sets = LogOps(*sim_, "set");
  ASSERT_FALSE(sets.empty());
  EXPECT_NE(sets.back().find("{\"oid\":\"1.3.6.1.2.1.17.7.1.4.5.1.1.10\",\"type\":\"GAUGE\",\"value\":\"20\"}"),
            std::string::npos)
      << sets.back();
  EXPECT_NE(sets.back().find("{\"oid\":\"1.3.6.1.2.1.17.7.1.4.5.1.4.10\",\"type\":\"INTEGER\",\"value\":\"1\"}"),
            std::string::npos);
  ASSERT_TRUE(RowWith(form.LV_dot1qPortVlanEntry, "10"));
  EXPECT_EQ(RowWith(form.LV_dot1qPortVlanEntry, "10")->text(1), "20");

  // Set with no row selected remembers no row and selects none.
  form.LV_dot1qPortVlanEntry->clearSelection();
  form.LV_dot1qPortVlanEntry->setCurrentItem(nullptr);
  const size_t before = LogOps(*sim_, "set").size();
  form.SetBtn->click();
  RunUntil([&] { return !form.PortVlanBinding->Busy(); });
  EXPECT_EQ(LogOps(*sim_, "set").size(), before);
  EXPECT_TRUE(form.LV_dot1qPortVlanEntry->selectedItems().isEmpty());
  EXPECT_EQ(boxes.Shown().size(), 2u);
}
