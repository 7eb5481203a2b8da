// The spanning tree and interface windows against the simulated switch: the spanning
// tree checks before a Set, the three separate writes of the interface extension
// window, its 64-bit counters, the statistics table and the last-change stamps.

#include "dot3_stats_form.h"
#include "feature_window_test_support.h"
#include "if_x_entry.h"
#include "kv_snmp_request2_edits.h"
#include "kv_status_bar.h"
#include "last_change_form.h"
#include "stp_info.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace {
class StpInterfaceWindows : public FeatureSuiteTest {};

int CountWithin(const std::string &line, const std::string &part) {
  int n = 0;
  for (size_t at = line.find(part); at != std::string::npos; at = line.find(part, at + 1)) ++n;
  return n;
}
}  // namespace

TEST_F(StpInterfaceWindows, SpanningTreeSetChecksTheTimersAndPriorityBeforeWritingAllSix) {
  TSTP_Info form(nullptr, "127.0.0.1");
  EXPECT_EQ(form.windowTitle(), "Spanning Tree Control : 127.0.0.1");
  EXPECT_EQ(form.Binding->Request.Settings.Timing.Timeout, 300u);
  ASSERT_TRUE(RunUntil([&] { return !form.Binding->Busy(); }));
  EXPECT_EQ(form.Combo_STPVersion->currentText(), "RSTP");
  EXPECT_EQ(form.ET_Priority->text(), "32768");
  EXPECT_EQ(form.ET_AgingTime->text(), "2000");
  EXPECT_EQ(form.ET_HelloTime->text(), "200");
  EXPECT_EQ(form.ET_ForwardDelay->text(), "1500");
  EXPECT_EQ(form.ED_TxHoldCount->text(), "3");

  struct Case {
    const char *maxAge, *hello, *delay, *priority, *message;
  };
  const Case refused[] = {
      {"2000", "200", "1000", "32768", "Data Error !"},             // 2 x 1000 - 200 < 2000
      {"600", "300", "1500", "32768", "Data Error !"},              // 600 < 2 x 300 + 200
      {"2000", "", "1500", "32768", "Don't Leave Empty Fileds !"},  // emptied hello time
      {"2000", "200", "1500", "65536", "Priority value is wrong!"},
  };
  const size_t setsBefore = LogOps(*sim_, "set").size();
  for (const Case &c : refused) {
    form.ET_AgingTime->setText(c.maxAge);
    form.ET_HelloTime->setText(c.hello);
    form.ET_ForwardDelay->setText(c.delay);
    form.ET_Priority->setText(c.priority);
    form.BT_Set->click();
    EXPECT_EQ(form.StatusBar1->PanelText(0), c.message) << c.maxAge << " " << c.hello << " " << c.delay;
  }
  EXPECT_EQ(LogOps(*sim_, "set").size(), setsBefore);

  // 2 x 1500 - 200 >= 2000 >= 2 x 200 + 200: one request with all six objects.
  form.ET_AgingTime->setText("2000");
  form.ET_HelloTime->setText("200");
  form.ET_ForwardDelay->setText("1500");
  form.ET_Priority->setText("4096");
  form.Combo_STPVersion->setCurrentIndex(form.Combo_STPVersion->findText("STP Compatibility"));
  form.BT_Set->click();
  ASSERT_TRUE(RunUntil([&] { return !form.Binding->Busy(); }));
  const auto sets = LogOps(*sim_, "set");
  ASSERT_EQ(sets.size(), setsBefore + 1);
  EXPECT_EQ(CountWithin(sets.back(), "\"oid\":"), 6) << sets.back();
  EXPECT_NE(sets.back().find("{\"oid\":\"1.3.6.1.2.1.17.2.16.0\",\"type\":\"INTEGER\",\"value\":\"0\"}"),
            std::string::npos);
  EXPECT_NE(sets.back().find("{\"oid\":\"1.3.6.1.2.1.17.2.2.0\",\"type\":\"INTEGER\",\"value\":\"4096\"}"),
            std::string::npos);
  EXPECT_NE(form.StatusBar1->PanelText(0).find("Set: (KvSNMP++) Ok!"), std::string::npos)
      << form.StatusBar1->PanelText(0);
  // The agent's own refusal (a priority that is no multiple of 4096) is a status line.
  form.ET_Priority->setText("4097");
  form.BT_Set->click();
  ASSERT_TRUE(RunUntil([&] { return !form.Binding->Busy(); }));
  EXPECT_EQ(form.StatusBar1->PanelText(0).find("Ok!"), std::string::npos) << form.StatusBar1->PanelText(0);
}

TEST_F(StpInterfaceWindows, SpanningTreeEntryOpensTheWindowOnlyForItsFirmware) {
  std::vector<std::string> launched;
  auto launch = [&](const std::string &argument) { launched.push_back(argument); };
  OpenSpanningTreeInformation(nullptr, "Build 2.04", "127.0.0.1", launch);
  OpenSpanningTreeInformation(nullptr, "", "127.0.0.1", launch);
  EXPECT_EQ(launched, (std::vector<std::string>{"/TBridge_STPInfo", "/TBridge_STPInfo"}));

  QString shownTitle;
  QTimer::singleShot(300, [&] {
    if (QWidget *modal = QApplication::activeModalWidget()) {
      shownTitle = modal->windowTitle();
      modal->close();
    }
  });
  OpenSpanningTreeInformation(nullptr, "Build 2.03", "127.0.0.1", launch);
  EXPECT_EQ(shownTitle, "Spanning Tree Control : 127.0.0.1");
  EXPECT_EQ(launched.size(), 2u);
}

TEST_F(StpInterfaceWindows, IfXSetSendsThreeSeparateWritesAndARefusalLeavesTheOthersWritten) {
  TifXEntry form(nullptr, "127.0.0.1");
  EXPECT_EQ(form.windowTitle(), "ifX Table : 127.0.0.1");
  ASSERT_TRUE(RunUntil([&] { return !form.IfXBinding->Busy(); }));
  ASSERT_EQ(form.LV_IFX->topLevelItemCount(), 24);
  // 64-bit counters under SNMPv2c: port 1 received more than 2^32 octets.
  const int hcInOctets = 6;
  EXPECT_EQ(form.LV_IFX->headerItem()->text(hcInOctets), "HCInOctets");
  EXPECT_GT(form.LV_IFX->topLevelItem(0)->text(hcInOctets).toULongLong(), 5123456789ull);
  EXPECT_TRUE(form.ED_Alias->isHidden());

  form.LV_IFX->setCurrentItem(form.LV_IFX->topLevelItem(3));  // port 4
  EXPECT_EQ(form.Combo_UpDownTrap->currentText(), "enabled");
  EXPECT_FALSE(form.CK_PromiscuousMode->isChecked());
  form.Combo_UpDownTrap->setCurrentIndex(form.Combo_UpDownTrap->findText("disabled"));
  form.CK_PromiscuousMode->setChecked(true);  // a switch port never is: refused
  form.ED_Alias->setText("printer room");
  NewLogLines();
  form.BT_Set->click();
  // The three writes go out at once and are answered one by one: the binding is idle
  // after the first answer already, so wait for every answer.
  ASSERT_TRUE(RunUntil([&] {
    return !form.IfXBinding->Busy() && form.IfXBinding->Request.PendingCount() == 0 &&
           LogOps(*sim_, "set").size() >= 3;
  }));
  auto sets = LogOps(*sim_, "set");
  ASSERT_GE(sets.size(), 3u);
  sets.erase(sets.begin(), sets.end() - 3);
  EXPECT_EQ(CountWithin(sets[0], "\"oid\":"), 1);
  EXPECT_NE(sets[0].find("{\"oid\":\"1.3.6.1.2.1.31.1.1.1.14.4\",\"type\":\"INTEGER\",\"value\":\"2\"}"),
            std::string::npos)
      << sets[0];
  EXPECT_EQ(CountWithin(sets[1], "\"oid\":"), 1);
  EXPECT_NE(sets[1].find("{\"oid\":\"1.3.6.1.2.1.31.1.1.1.16.4\",\"type\":\"INTEGER\",\"value\":\"1\"}"),
            std::string::npos)
      << sets[1];
  EXPECT_EQ(CountWithin(sets[2], "\"oid\":"), 1);
  EXPECT_NE(sets[2].find("{\"oid\":\"1.3.6.1.2.1.31.1.1.1.18.4\",\"type\":\"STRING\""),
            std::string::npos)
      << sets[2];
  EXPECT_NE(sets[2].find("\"text\":\"printer room\""), std::string::npos);
  // The refusal stays shown; the items are all writable again.
  EXPECT_NE(form.StatusBar1->PanelText(0).find("Set: "), std::string::npos);
  EXPECT_EQ(form.StatusBar1->PanelText(0).find("Ok!"), std::string::npos) << form.StatusBar1->PanelText(0);
  for (const char *name : {"LinkUpDownTrapEnable", "PromiscuousMode", "Alias"})
    EXPECT_EQ(form.IfXBinding->Request.VarList.FindByName(name)->Access & Access::ReadWrite, Access::ReadWrite);

  // The other two were written; a clean Set reads the table again, once.
  form.BT_Get->click();
  ASSERT_TRUE(RunUntil([&] { return !form.IfXBinding->Busy() && form.LV_IFX->topLevelItemCount() == 24; }));
  QTreeWidgetItem *port4 = form.LV_IFX->topLevelItem(3);
  EXPECT_EQ(port4->text(14), "disabled");
  EXPECT_EQ(port4->text(18), "printer room");
  form.LV_IFX->setCurrentItem(port4);
  form.CK_PromiscuousMode->setChecked(false);
  NewLogLines();
  form.BT_Set->click();
  ASSERT_TRUE(RunUntil([&] { return !form.IfXBinding->Busy() && LogOps(*sim_, "getnext").size() + LogOps(*sim_, "getbulk").size() > 0; }));
  RunFor(300);
  ASSERT_TRUE(RunUntil([&] { return !form.IfXBinding->Busy(); }));
  int walks = 0;
  for (const std::string &line : NewLogLines())
    walks += line.find("{\"oid\":\"1.3.6.1.2.1.2.2.1.1\",") != std::string::npos;
  EXPECT_EQ(walks, 1);
  EXPECT_NE(form.StatusBar1->PanelText(0).find("Get: (KvSNMP++) Ok!"), std::string::npos);
}

TEST_F(StpInterfaceWindows, StatisticsAndLastChangeWindowsReadTheirGroups) {
  Tdot3StatsForm stats(nullptr, "127.0.0.1");
  TLastChangeForm last(nullptr, "127.0.0.1");
  EXPECT_EQ(stats.windowTitle(), "Statistics Table : 127.0.0.1");
  EXPECT_EQ(last.windowTitle(), "General Information : 127.0.0.1");
  ASSERT_TRUE(RunUntil([&] { return !stats.Binding->Busy() && !last.Binding->Busy(); }));
  ASSERT_EQ(stats.LV_Dot3Stats->topLevelItemCount(), 24);
  ASSERT_EQ(stats.LV_Dot3Stats->columnCount(), 7);
  EXPECT_EQ(stats.LV_Dot3Stats->headerItem()->text(6), "dot3StatsExcessiveCollisions ");
  EXPECT_EQ(stats.LV_Dot3Stats->topLevelItem(23)->text(0), "24");
  for (const std::string &line : LogOps(*sim_, "getnext")) {
    EXPECT_EQ(line.find("1.3.6.1.2.1.10.7.2.1.5"), std::string::npos);
    EXPECT_EQ(line.find("1.3.6.1.2.1.10.7.2.1.6"), std::string::npos);
  }
  EXPECT_FALSE(last.ST_IFTable->text().isEmpty());
  EXPECT_NE(last.ST_IFTable->text(), last.ST_IFStack->text());
  EXPECT_NE(stats.StatusBar1->PanelText(0).find("Get: (KvSNMP++) Ok!"), std::string::npos);
}
