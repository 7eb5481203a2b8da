// The bindings against the simulated switch: scalar groups in edits and combo boxes,
// table walks into a list view in both modes, Sets of what the controls hold, refusals,
// LED polls, and bindings that go away while an answer is on its way.

#include "error_code.h"
#include "event_wait.h"
#include "kv_controls.h"
#include "kv_exception.h"
#include "kv_mib_core_set.h"
#include "kv_shape.h"
#include "kv_snmp_request2_edits.h"
#include "kv_snmp_request2_leds.h"
#include "kv_snmp_session.h"
#include "kv_status_bar.h"
#include "run_until.h"
#include "snmp_event_processor.h"
#include "switch_sim_agent.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <regex>

namespace {
constexpr int kGeneratedRows = 300;
constexpr int kDataFileGroups = 3;  // IGMP groups in the simulator's own data

class BindingsAgent : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    if (!GlobalSnmp) KvSNMPCreateSession(MakeTempDir("kvboot"));
    SwitchSimOptions options;
    options.log = true;
    options.extraArgs = {"--rows", std::to_string(kGeneratedRows)};
    sim_ = new SwitchSimAgent(options);
    SnmpEventPump().Start();
  }
  static void TearDownTestSuite() {
    SnmpEventPump().Stop();
    delete sim_;
    sim_ = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(sim_ && sim_->Started()) << (sim_ ? sim_->Output() : "");
    window_ = std::make_unique<QWidget>();
    memo_ = MakeMemo(window_.get());
  }

  // The rows a table walk asks for per request (see SNMPMaxRepetitions).
  virtual int Repetitions() const { return SNMPMaxRepetitions; }

  void Aim(KvSNMPRequest &request, const KvSNMPVarDef *defs, unsigned char type, int keys) const {
    sim_->AimAt(request.Settings, 1);
    request.Settings.Timing.MaxRepetitions = Repetitions();
    request.VarList = KvSNMPVarList(defs, type, keys);
  }
  std::unique_ptr<KvSNMPRequest2Edits> MakeBinding(const KvSNMPVarDef *defs, unsigned char type, int keys) {
    auto binding = std::make_unique<KvSNMPRequest2Edits>(window_.get());
    Aim(binding->Request, defs, type, keys);
    binding->SetStatusOutput(memo_);
    return binding;
  }
  std::string LastStatus() const {
    const QStringList lines = memo_->toPlainText().split('\n');
    return FromQt(lines.last());
  }
  static bool WaitIdle(const KvSNMPRequest2Controls &binding) {
    return RunUntil([&] { return !binding.Busy(); });
  }

  static SwitchSimAgent *sim_;
  std::unique_ptr<QWidget> window_;
  QPlainTextEdit *memo_ = nullptr;
};
SwitchSimAgent *BindingsAgent::sim_ = nullptr;

// Table walks, once with one row per request and once with as many as the walk chooses.
class BindingsWalk : public BindingsAgent, public ::testing::WithParamInterface<int> {
protected:
  int Repetitions() const override { return GetParam(); }
};
INSTANTIATE_TEST_SUITE_P(Modes, BindingsWalk, ::testing::Values(0, -1),
                         [](const ::testing::TestParamInfo<int> &info) { return info.param == 0 ? "OneRow" : "Bulk"; });

TEST_F(BindingsAgent, ScalarGroupShowsTheAgentsValuesInEditsAndComboBoxesInBothModes) {
  const std::regex okLine(R"(Get: \(KvSNMP\+\+\) Ok!\. Receive at \d\d:\d\d:\d\d [AP]M\.)");
  for (unsigned char mode : {KvSNMPRequest2Controls::Blocking, KvSNMPRequest2Controls::Asynchronous}) {
    auto binding = MakeBinding(DevCtrlDefs, SVT_SV, 0);
    binding->RequestMode = mode;
    auto *stp = new QComboBox(window_.get());
    auto *igmp = new QComboBox(window_.get());
    auto *realTime = new QLineEdit(window_.get());
    auto *fdbVlan = new QLineEdit(window_.get());
    binding->AssociateComboBox(0, stp);
    binding->AssociateComboBox(1, igmp);
    binding->AssociateFormat(4, "%s{l32}", {realTime});
    binding->AssociateFormat(8, "%u{n1x4094}", {fdbVlan});

    binding->Refresh();
    ASSERT_TRUE(WaitIdle(*binding));
    EXPECT_EQ(stp->currentText(), "enabled") << "mode " << int(mode);
    EXPECT_EQ(igmp->currentText(), "disabled");
    EXPECT_EQ(realTime->text(), "2004/08/24 09:00:00");
    EXPECT_EQ(fdbVlan->text(), "1");
    EXPECT_EQ(binding->RowCount, 1);
    EXPECT_TRUE(std::regex_match(LastStatus(), okLine)) << LastStatus();
  }
}

TEST_F(BindingsAgent, SnmpV1PageWithAnObjectTheAgentLacksFillsTheRestAndNamesIt) {
  const KvSNMPVarDef defs[] = {
      {"1.3.6.1.2.1.1.1", "sysDescr", Syntax::DisplayStr, Access::ReadOnly, nullptr},
      {"1.3.6.1.2.1.1.99", "notOnThisAgent", Syntax::Integer, Access::ReadOnly, nullptr},
      {"1.3.6.1.2.1.1.5", "sysName", Syntax::DisplayStr, Access::ReadWrite, nullptr},
      {nullptr, nullptr, 0, 0, nullptr}};
  const std::string named = "(SNMP) Variable does not exist! (notOnThisAgent)";
  for (unsigned char mode : {KvSNMPRequest2Controls::Blocking, KvSNMPRequest2Controls::Asynchronous}) {
    SCOPED_TRACE("mode " + std::to_string(mode));
    auto binding = MakeBinding(defs, SVT_SV, 0);
    sim_->AimAt(binding->Request.Settings, 0);
    binding->RequestMode = mode;
    std::vector<QLineEdit *> edits;
    for (int i = 0; i < 3; ++i) {
      edits.push_back(new QLineEdit("before", window_.get()));
      binding->Associate(i, edits.back());
    }
    if (mode == KvSNMPRequest2Controls::Blocking) {
      try {
        binding->Refresh();
        ADD_FAILURE() << "no failure";
      } catch (const KvException &e) {
        EXPECT_EQ(e.Code(), -102);
        EXPECT_EQ(e.what(), named);
      }
    } else {
      binding->Refresh();
      ASSERT_TRUE(WaitIdle(*binding));
      EXPECT_NE(LastStatus().find("Get: " + named), std::string::npos) << LastStatus();
    }
    EXPECT_NE(edits[0]->text(), "before");
    EXPECT_FALSE(edits[0]->text().isEmpty());
    EXPECT_EQ(edits[1]->text(), "(NULL)");
    EXPECT_NE(edits[2]->text(), "before");
    EXPECT_FALSE(edits[2]->text().isEmpty());
    EXPECT_EQ(binding->RowCount, 1);
  }
}

TEST_P(BindingsWalk, TableWalkFillsTheListViewWithEveryRowInBothModes) {
  for (unsigned char mode : {KvSNMPRequest2Controls::Blocking, KvSNMPRequest2Controls::Asynchronous}) {
    auto binding = MakeBinding(IgmpInfoDefs, MVT_FMV, 2);
    binding->RequestMode = mode;
    auto *list = MakeListView(window_.get());
    binding->BindListView(list, true);
    binding->Refresh();
    ASSERT_TRUE(WaitIdle(*binding));
    EXPECT_EQ(list->topLevelItemCount(), kGeneratedRows + kDataFileGroups) << "mode " << int(mode);
    EXPECT_EQ(binding->RowCount, list->topLevelItemCount());
    // The first row: VLAN 1, group 224.0.1.60, its MAC, ports and report count.
    ASSERT_GT(list->topLevelItemCount(), 0);
    const QTreeWidgetItem *row = list->topLevelItem(0);
    EXPECT_EQ(row->text(0), "1");
    EXPECT_EQ(row->text(1), "224.0.1.60");
    EXPECT_EQ(row->text(2), "01005E00013C");
    EXPECT_EQ(row->text(3), "20000000");
  }
}

TEST_P(BindingsWalk, ApplyWritesWhatTheControlsHoldAndRefreshesTheTable) {
  // The simulator is shared by the suite: VLAN 10's query interval starts at its data
  // file's 125 whatever an earlier test wrote.
  const std::string queryIntervalOid = "1.3.6.1.4.1.171.11.43.2.2.11.3.1.2.10";
  int exitCode = -1;
  RunTool({"snmpset", "-v2c", "-c", SwitchSimAgent::kWriteCommunity, "127.0.0.1:" + std::to_string(sim_->Port()),
           queryIntervalOid, "i", "125"},
          &exitCode);
  ASSERT_EQ(exitCode, 0);
  const std::vector<std::string> setOf200 = {"\"op\":\"set\"", queryIntervalOid + "\"", "\"200\""};
  const size_t setsBefore = sim_->LogLinesWith(setOf200).size();

  auto binding = MakeBinding(IgmpCtrlDefs, MVT_FMV, 1);
  binding->RequestMode = KvSNMPRequest2Controls::Blocking;
  auto *list = MakeListView(window_.get());
  auto *queryInterval = new QLineEdit(window_.get());
  binding->BindListView(list, true);
  binding->AssociateFormat(1, "%u{n1x65535}", {queryInterval});
  binding->Refresh();
  ASSERT_EQ(list->topLevelItemCount(), 3);
  EXPECT_FALSE(queryInterval->isEnabled());  // waits for a selection

  list->setCurrentItem(list->topLevelItem(1));  // VLAN 10
  EXPECT_TRUE(queryInterval->isEnabled());
  EXPECT_EQ(queryInterval->text(), "125");
  queryInterval->setText("200");
  binding->Apply(true, true);

  EXPECT_EQ(sim_->LogLinesWith(setOf200).size(), setsBefore + 1);
  // The table was read again after the Set.
  ASSERT_EQ(list->topLevelItemCount(), 3);
  EXPECT_EQ(list->topLevelItem(1)->text(1), "200");
  EXPECT_EQ(list->topLevelItem(0)->text(1), "125");
}

TEST_F(BindingsAgent, EditOfARowWithCellsTheAgentLacksWritesOnlyTheCellsItHas) {
  // Real agents leave cells out; the list shows them as "(NOTDONE)". An edit of such a
  // row, whose edit and combo box for those cells stay untouched, writes the rest only.
  auto binding = MakeBinding(IgmpCtrlDefs, MVT_FMV, 1);
  binding->RequestMode = KvSNMPRequest2Controls::Blocking;
  auto *list = MakeListView(window_.get());
  auto *queryInterval = new QLineEdit(window_.get());
  auto *robustness = new QLineEdit(window_.get());
  auto *queryState = new QComboBox(window_.get());
  binding->BindListView(list, true);
  binding->AssociateFormat(1, "%u{n1x65535}", {queryInterval});
  binding->AssociateFormat(3, "%u{n1x255}", {robustness});
  binding->AssociateComboBox(8, queryState);
  binding->Refresh();
  ASSERT_EQ(list->topLevelItemCount(), 3);
  QTreeWidgetItem *row = list->topLevelItem(0);  // VLAN 1
  const std::vector<int> &columns = binding->ColumnItems();
  for (size_t c = 0; c < columns.size(); ++c)
    if (columns[c] == 3 || columns[c] == 8) row->setText(static_cast<int>(c), "(NOTDONE)");

  list->setCurrentItem(row);
  queryInterval->setText("321");
  binding->Apply(false, true);

  const std::string base = "1.3.6.1.4.1.171.11.43.2.2.11.3.1.";
  const auto sets = sim_->LogLinesWith({"\"op\":\"set\"", base + "2.1\"", "\"321\""});
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].find(base + "4.1\""), std::string::npos) << sets[0];
  EXPECT_EQ(sets[0].find(base + "9.1\""), std::string::npos) << sets[0];
  EXPECT_NE(sets[0].find(base + "3.1\""), std::string::npos) << sets[0];  // a cell it has
}

TEST_F(BindingsAgent, AsynchronousApplyOfAScalarGroupSendsTheComboBoxChoice) {
  auto binding = MakeBinding(DevCtrlDefs, SVT_SV, 0);
  auto *jumbo = new QComboBox(window_.get());
  binding->AssociateComboBox(6, jumbo);
  binding->Refresh();
  ASSERT_TRUE(WaitIdle(*binding));
  jumbo->setCurrentIndex(jumbo->findText("enable"));
  binding->Apply(true, true, "6");
  ASSERT_TRUE(WaitIdle(*binding));
  EXPECT_EQ(LastStatus().rfind("Set: (KvSNMP++) Ok!. Receive at ", 0), 0u) << LastStatus();
  EXPECT_EQ(sim_->LogLinesWith({"\"op\":\"set\"", "1.3.6.1.4.1.171.11.43.2.2.1.2.7.0\"", "\"3\""}).size(), 1u);
}

TEST_F(BindingsAgent, RefusalByTheAgentReachesTheStatusOutputInBothModes) {
  auto binding = MakeBinding(DevCtrlDefs, SVT_SV, 0);
  auto *fdbVlan = new QLineEdit(window_.get());
  binding->Associate(8, fdbVlan);
  binding->Refresh();
  ASSERT_TRUE(WaitIdle(*binding));
  fdbVlan->setText("5000");  // outside 1..4094

  binding->Apply(false, true, "8");
  ASSERT_TRUE(WaitIdle(*binding));
  const std::string line = LastStatus();
  EXPECT_EQ(line.rfind("Set: (SNMP) ", 0), 0u) << line;
  EXPECT_EQ(line.find("Ok!"), std::string::npos) << line;

  binding->RequestMode = KvSNMPRequest2Controls::Blocking;
  EXPECT_LT(ErrorCodeOf([&] { binding->Apply(false, true, "8"); }), -100);
  EXPECT_FALSE(binding->Busy());
}

// A binding whose ShowRow counts the rows it was given, in a counter that outlives it.
class CountingBinding : public KvSNMPRequest2Edits {
public:
  CountingBinding(QWidget *owner, int &rows) : KvSNMPRequest2Edits(owner), rows_(rows) {}
  void ShowRow() override {
    ++rows_;
    KvSNMPRequest2Edits::ShowRow();
  }

private:
  int &rows_;
};

TEST_P(BindingsWalk, BindingDestroyedWhileAnAnswerIsOnItsWayIsNeverCalled) {
  int rows = 0;
  auto binding = std::make_unique<CountingBinding>(window_.get(), rows);
  Aim(binding->Request, IgmpInfoDefs, MVT_FMV, 2);
  binding->BindListView(MakeListView(window_.get()));
  binding->Refresh();
  ASSERT_TRUE(binding->Busy());
  binding.reset();
  window_.reset();
  // Long enough for the answer to arrive and be dropped.
  RunUntil([] { return false; }, 500);
  EXPECT_EQ(rows, 0);
}

TEST_P(BindingsWalk, BindingDestroyedWhileItsRowLetsEventsRunStopsTheWalk) {
  int rows = 0;
  auto binding = std::make_unique<CountingBinding>(window_.get(), rows);
  Aim(binding->Request, IgmpInfoDefs, MVT_FMV, 2);
  auto *list = MakeListView(window_.get());
  binding->BindListView(list);
  // The window closes while the fifth row is being added.
  QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, list, [&] {
    if (list->topLevelItemCount() == 5) QTimer::singleShot(0, [&] { binding.reset(); });
  });
  binding->Refresh();
  ASSERT_TRUE(RunUntil([&] { return !binding; }));
  RunUntil([] { return false; }, 300);
  EXPECT_EQ(rows, 5);
  EXPECT_EQ(list->topLevelItemCount(), 5);
}

TEST_P(BindingsWalk, DisabledMidWalkTheBindingBecomesIdleAndWalksAgainWhenEnabled) {
  auto binding = MakeBinding(IgmpInfoDefs, MVT_FMV, 2);
  auto *list = MakeListView(window_.get());
  binding->BindListView(list);
  QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, list, [&] {
    if (list->topLevelItemCount() == 10) binding->Request.SetEnabled(false);
  });
  binding->Refresh();
  ASSERT_TRUE(WaitIdle(*binding));
  EXPECT_LT(list->topLevelItemCount(), kGeneratedRows);

  binding->Request.SetEnabled(true);
  EXPECT_FALSE(binding->Busy());
  QObject::disconnect(list->model(), nullptr, list, nullptr);
  binding->Refresh();
  ASSERT_TRUE(WaitIdle(*binding));
  EXPECT_EQ(list->topLevelItemCount(), kGeneratedRows + kDataFileGroups);
}

TEST_F(BindingsAgent, LedPollColoursEveryLedAndATimeOutTurnsThemDark) {
  auto *bar = new KvStatusBar(window_.get());
  KvSNMPRequest2Leds leds(window_.get());
  Aim(leds.Request, FrontPanelLedDefs, SVT_SV, 0);
  leds.SetStatusOutput(bar);
  auto *panel = new QWidget(window_.get());
  std::string bytes;
  for (int b = 0; b < 55; ++b) bytes += (b ? "," : "") + std::to_string(b);
  leds.AddLedGroup(0, bytes, PortLedColors, panel, 1, 1, 0, 5, 5);

  leds.PollTimerTimer();
  ASSERT_TRUE(WaitIdle(leds));
  EXPECT_EQ(leds.Request.VarList.GetItem(0)->Value.size(), 110u);
  EXPECT_EQ(leds.Leds[0]->Color, PortLedColors.ColorOf(2));  // power on: green
  EXPECT_EQ(leds.Leds[0]->Shape->BrushColor(), PortLedColors.ColorOf(2));
  EXPECT_NE(bar->SimpleText().find("(KvSNMP++) Ok!"), std::string::npos);

  // Nobody answers at this port: all LEDs dark and the message in the status bar.
  for (const auto &led : leds.Leds) led->Shape->SetBrushColor(KvRgb(0, 255, 0));
  leds.Request.Settings.Device.Port = static_cast<uint16_t>(FreeUdpPort());
  leds.Request.Settings.Timing.Timeout = 20;
  leds.Request.Settings.Timing.Retries = 0;
  leds.PollTimerTimer();
  ASSERT_TRUE(WaitIdle(leds));
  for (const auto &led : leds.Leds) EXPECT_EQ(led->Shape->BrushColor(), PortLedColors.OffColor);
  EXPECT_EQ(bar->SimpleText().find("Ok!"), std::string::npos) << bar->SimpleText();
  EXPECT_EQ(bar->SimpleText().rfind("Get: (", 0), 0u) << bar->SimpleText();
}
}  // namespace
