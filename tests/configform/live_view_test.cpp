// Live counter views and CSV export of list views: the rate arithmetic (wraps and
// discontinuities), the rates of a live list and a live editor against the simulated
// switch's growing counters, reads that never overlap and stop with the window, and the
// CSV text with its save dialog answered by script.

#include "config_form.h"
#include "config_form_fixture.h"
#include "counter_rate.h"
#include "ctrl_btn_panel.h"
#include "edits_panel.h"
#include "kv_controls.h"
#include "kv_file_dialog.h"
#include "kv_list_model.h"
#include "kv_message_box.h"
#include "kv_mib_interfaces_set.h"
#include "kv_snmp_request2_edits.h"
#include "list_csv.h"
#include "list_view_panel.h"
#include "live_view.h"
#include "snmp_list_view_panel.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTreeView>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

using namespace configform_test;

namespace {
constexpr double kTop32 = 4294967296.0;

std::unique_ptr<KvSNMPRequest2Edits> MakeBinding(QWidget *form, const KvSNMPVarDef *defs, unsigned char type,
                                                 int keys) {
  auto binding = std::make_unique<KvSNMPRequest2Edits>(form);
  binding->Request.VarList = KvSNMPVarList(defs, type, keys);
  return binding;
}

double Number(const QString &text) {
  bool ok = false;
  const double value = text.split(' ').first().toDouble(&ok);
  return ok ? value : std::nan("");
}

// Port 1 of the simulated switch: its 64-bit and 32-bit in-octet counters and its name.
const KvSNMPVarDef PortOneDefs[] = {
    {"1.3.6.1.2.1.31.1.1.1.6.1", "HCInOctets", Syntax::Counter64, Access::ReadOnly, nullptr},
    {"1.3.6.1.2.1.2.2.1.10.1", "InOctets", Syntax::Counter, Access::ReadOnly, nullptr},
    {"1.3.6.1.2.1.2.2.1.2.1", "Descr", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

// With KV_SCREENSHOT_DIR set (a run under Xvfb), the window as it is drawn.
void SaveScreenshot(QWidget *window, const char *file) {
  if (const char *dir = std::getenv("KV_SCREENSHOT_DIR")) window->grab().save(QDir(dir).filePath(file));
}

class LiveViewAgent : public SimulatedSwitch {};

class SlowSwitchLiveView : public SimulatedSwitch {
protected:
  static void SetUpTestSuite() { StartSwitch({"--delay-ms", "80"}); }
};
}  // namespace

TEST(CounterRate, WrapsDiscontinuitiesAndBadValues) {
  struct Case {
    const char *what;
    uint64_t before, after;
    double seconds;
    unsigned bits;
    std::optional<double> rate;
  };
  const uint64_t top64 = ~0ull;
  const Case cases[] = {
      {"steady growth", 1000, 3000, 2.0, 32, 1000.0},
      {"no growth", 5, 5, 1.0, 64, 0.0},
      {"32-bit wrap", 4294967000ull, 704, 1.0, 32, 1000.0},
      {"32-bit wrap to zero", 4294967295ull, 0, 0.5, 32, 2.0},
      {"64-bit wrap", top64 - 99, 900, 10.0, 64, 100.0},
      {"32-bit reset is no wrap", 1000, 10, 1.0, 32, std::nullopt},
      {"64-bit reset is no wrap", 5000000000ull, 4, 1.0, 64, std::nullopt},
      {"a 64-bit value past 2^32 is no 32-bit wrap", 4294967290ull, 5000000000ull, 1.0, 64, 705032710.0},
      {"32-bit value out of range", 5000000000ull, 5000000001ull, 1.0, 32, std::nullopt},
      {"no time between", 1, 2, 0.0, 32, std::nullopt},
      {"time went back", 1, 2, -1.0, 32, std::nullopt},
      {"no counter width", 1, 2, 1.0, 16, std::nullopt},
  };
  for (const Case &c : cases) {
    const std::optional<double> rate = CounterRate(c.before, c.after, c.seconds, c.bits);
    ASSERT_EQ(rate.has_value(), c.rate.has_value()) << c.what;
    if (rate) {
      EXPECT_DOUBLE_EQ(*rate, *c.rate) << c.what;
    }
  }
  EXPECT_EQ(ParseCounter("4294967295", 32), 4294967295ull);
  EXPECT_EQ(ParseCounter("18446744073709551615", 64), top64);
  for (const char *bad : {"4294967296", "", "-1", "12a", "(NULL)", " 1"})
    EXPECT_FALSE(ParseCounter(bad, 32)) << bad;
  EXPECT_FALSE(ParseCounter("18446744073709551616", 64));
  EXPECT_EQ(FormatRate(2.25), "2.2");
  EXPECT_EQ(FormatRate(250000.4), "250000");

  // A row missing from a complete read has no rate when it comes back; one not reached
  // by a read cut short keeps its older reading.
  KvCounterRates rates;
  rates.BeginRead();
  EXPECT_FALSE(rates.Take("a", "100", Syntax::Counter, 10.0));
  EXPECT_FALSE(rates.Take("b", "100", Syntax::Counter64, 10.0));
  rates.EndRead(true);
  rates.BeginRead();
  EXPECT_EQ(rates.Take("a", "300", Syntax::Counter, 12.0), 100.0);
  EXPECT_FALSE(rates.Take("c", "7", Syntax::Gauge, 12.0));  // no counter: not kept
  rates.EndRead(true);
  EXPECT_EQ(rates.Known(), 1u);
  rates.BeginRead();
  EXPECT_FALSE(rates.Take("b", "200", Syntax::Counter64, 14.0));
  EXPECT_FALSE(rates.Take("a", "(NOTDONE)", Syntax::Counter, 14.0));
  rates.EndRead(false);
  rates.BeginRead();
  EXPECT_EQ(rates.Take("a", "500", Syntax::Counter, 16.0), 50.0);
  EXPECT_EQ(rates.Take("b", "400", Syntax::Counter64, 16.0), 100.0);
}

TEST(ListCsv, QuotesFieldsAndFollowsTheShownColumnsAndASaveAnsweredByScript) {
  const std::pair<const char *, const char *> fields[] = {
      {"plain", "plain"},         {"a,b", "\"a,b\""},           {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"two\nlines", "\"two\nlines\""}, {"cr\rhere", "\"cr\rhere\""}, {"", ""}};
  for (const auto &[text, csv] : fields) EXPECT_EQ(CsvField(text), csv) << text;

  QTreeWidget list;
  list.setColumnCount(4);
  list.setHeaderLabels({"Key", "Name", "Octets", "Octets/s"});
  list.setColumnHidden(0, true);
  list.header()->moveSection(3, 1);  // shown: Octets/s, Name, Octets
  list.addTopLevelItem(new QTreeWidgetItem(QStringList{"1", "Port, \"A\"", "10", "2.5"}));
  list.addTopLevelItem(new QTreeWidgetItem(QStringList{"2", "B\nC", "20", ""}));
  const std::string expected = "Octets/s,Name,Octets\r\n2.5,\"Port, \"\"A\"\"\",10\r\n,\"B\nC\",20\r\n";
  EXPECT_EQ(ListViewCsv(&list), expected);

  QTemporaryDir dir;
  const std::string path = FromQt(dir.filePath("ports.csv"));
  Platform::ScriptedSaveFileDialogs dialogs;
  dialogs.Answer(path);
  dialogs.Answer("");
  dialogs.Answer(FromQt(dir.filePath("no/such/folder/x.csv")));
  EXPECT_EQ(SaveListViewCsv(&list, &list, "Ports.csv"), path);
  QFile saved(ToQt(path));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll().toStdString(), expected);
  EXPECT_EQ(SaveListViewCsv(&list, &list, "Ports.csv"), "");  // cancelled
  EXPECT_THROW(SaveListViewCsv(&list, &list, "Ports.csv"), std::runtime_error);
  ASSERT_EQ(dialogs.Asked().size(), 3u);
  EXPECT_EQ(dialogs.Asked()[0].SuggestedName, "Ports.csv");
  EXPECT_EQ(dialogs.Asked()[0].Caption, "Save as CSV");
}

TEST_F(LiveViewAgent, TimedListReadsShowEachCountersGrowthPerSecondBesideItAndExportIt) {
  TConfigForm form;
  form.SetCaptionFor("IF X Table");
  TSNMPListViewPanel *panel = form.SetListViewPanel(MakeBinding(&form, IfXDefs, MVT_FMV, 1), -1, "", -1, "");
  TLiveView *live = panel->EnableLiveView(1);
  QTreeView *list = panel->ListPanel->ListView;
  const KvListModel &rows = *panel->ListPanel->Rows;
  const auto cell = [&](int row, int column) { return ToQt(std::string(rows.Text(row, column))); };
  // Columns: 0 Index, 2 InMulticastPkts (Counter), 6 HCInOctets (Counter64), 10 HCOutOctets.
  const int multicastRate = live->RateColumnOf(2), inRate = live->RateColumnOf(6), outRate = live->RateColumnOf(10);
  ASSERT_GE(multicastRate, 0);
  ASSERT_GE(inRate, 0);
  EXPECT_EQ(live->RateColumnOf(1), -1);  // Name
  EXPECT_EQ(live->RateColumnOf(14), -1);  // HighSpeed, a gauge
  EXPECT_EQ(rows.Caption(inRate), "HCInOctets/s");
  EXPECT_EQ(list->header()->visualIndex(inRate), list->header()->visualIndex(6) + 1);
  EXPECT_EQ(live->Interval(), 1);

  std::vector<bool> ends;
  QObject::connect(live, &TLiveView::ReadEnded, live, [&](bool complete) { ends.push_back(complete); });
  form.show();
  ASSERT_TRUE(RunUntil([&] { return ends.size() >= 1; }));
  ASSERT_EQ(rows.RowCount(), 24);
  EXPECT_EQ(cell(0, inRate), "");  // one reading: no rate yet
  list->setCurrentIndex(rows.index(5, 0));
  ASSERT_TRUE(RunUntil([&] { return ends.size() >= 2; }, 5000));
  EXPECT_EQ(ends, (std::vector<bool>{true, true}));
  EXPECT_EQ(live->TimedReads(), 1);
  ASSERT_EQ(rows.RowCount(), 24);
  // The timed read keeps the operator's row selected.
  ASSERT_EQ(list->selectionModel()->selectedRows().size(), 1);
  EXPECT_EQ(cell(list->selectionModel()->selectedRows().first().row(), 0), "6");
  EXPECT_TRUE(panel->Buttons->EditBtn->isEnabled() || panel->Buttons->EditBtn->isHidden());
  // The simulator's growth per second of port 1 (ms2416x.simdata rate=).
  EXPECT_NEAR(Number(cell(0, inRate)), 250000, 250000 * 0.03) << FromQt(cell(0, inRate));
  EXPECT_NEAR(Number(cell(0, outRate)), 325000, 325000 * 0.03);
  EXPECT_NEAR(Number(cell(0, multicastRate)), 20, 4);
  EXPECT_EQ(cell(3, inRate), "0.0");  // port 4 carries nothing
  RunUntil([] { return false; }, 300);  // drawn again
  SaveScreenshot(&form, "live_list_ifx.png");

  // The export carries the rate columns beside their counters.
  const std::string csv = ListViewCsv(list);
  const std::string header = csv.substr(0, csv.find("\r\n"));
  EXPECT_EQ(header.rfind("Index,Name,InMulticastPkts,InMulticastPkts/s,InBroadcastPkts,", 0), 0u) << header;
  EXPECT_NE(header.find(",HCInOctets,HCInOctets/s,HCInUcastPkts,"), std::string::npos) << header;
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 25);
  ASSERT_TRUE(panel->CopyCsvAction && panel->SaveCsvAction);
  EXPECT_EQ(panel->SaveCsvAction->text(), "Save as CSV");
  panel->CopyCsvAction->trigger();
  EXPECT_EQ(FromQt(QGuiApplication::clipboard()->text()), ListViewCsv(list));
  QTemporaryDir dir;
  Platform::ScriptedSaveFileDialogs dialogs;
  dialogs.Answer(FromQt(dir.filePath("ifx.csv")));
  panel->SaveCsvAction->trigger();
  ASSERT_EQ(dialogs.Asked().size(), 1u);
  EXPECT_EQ(dialogs.Asked()[0].SuggestedName, "IF X Table.csv");
  EXPECT_TRUE(QFile::exists(dir.filePath("ifx.csv")));

  // Off: no further reads.
  live->IntervalBox->setValue(0);
  const int reads = live->TimedReads();
  RunUntil([] { return false; }, 1300);
  EXPECT_EQ(live->TimedReads(), reads);
  form.close();
}

TEST_F(LiveViewAgent, TwoEditorRefreshesAKnownIntervalApartShowTheRateBesideEachCounter) {
  TConfigForm form;
  TSNMPEditorPanel *panel = form.SetEditorPanel(MakeBinding(&form, PortOneDefs, MVT_SV, 0));
  TLiveView *live = panel->EnableLiveView(0);
  EXPECT_EQ(live->IntervalBox->text(), "Off");
  ASSERT_TRUE(live->RateLabelOf(0) && live->RateLabelOf(1));
  EXPECT_EQ(live->RateLabelOf(2), nullptr);
  // The rate sits right of the edit, inside the panel.
  const QWidget *edit = panel->Edits->Rows[0].EditCtrl;
  EXPECT_GE(live->RateLabelOf(0)->x(), edit->x() + edit->width());
  EXPECT_LE(live->RateLabelOf(0)->x() + live->RateLabelOf(0)->width(), panel->Edits->ScrollBox->widget()->width());

  int ends = 0;
  QObject::connect(live, &TLiveView::ReadEnded, live, [&] { ++ends; });
  form.show();
  ASSERT_TRUE(RunUntil([&] { return ends == 1; }));
  EXPECT_EQ(live->RateLabelOf(0)->text(), "");
  RunUntil([] { return false; }, 1000);
  panel->Buttons->RefreshBtn->click();
  ASSERT_TRUE(RunUntil([&] { return ends == 2; }));
  EXPECT_NEAR(Number(live->RateLabelOf(0)->text()), 250000, 250000 * 0.03) << FromQt(live->RateLabelOf(0)->text());
  EXPECT_NEAR(Number(live->RateLabelOf(1)->text()), 250000, 250000 * 0.03);
  EXPECT_TRUE(live->RateLabelOf(0)->text().endsWith(" /s"));
  SaveScreenshot(&form, "live_editor_port1.png");
  EXPECT_EQ(live->TimedReads(), 0);
  form.close();
}

TEST_F(SlowSwitchLiveView, AReadStillRunningMakesTheTickWaitAndClosingStopsTheTimer) {
  auto *form = new TConfigForm;
  TSNMPListViewPanel *panel = form->SetListViewPanel(MakeBinding(form, IfXDefs, MVT_FMV, 1), -1, "", -1, "");
  KvSNMPRequest2Edits *binding = form->Bindings[0];
  // One row per request, 80 ms each: a walk of 24 rows outlasts the one-second interval.
  binding->Request.Settings.Timing.MaxRepetitions = 0;
  TLiveView *live = panel->EnableLiveView(1);
  int running = 0, most = 0, reads = 0;
  KvSNMPRequest2Controls::ReadWatcher watcher;
  watcher.Started = [&] { most = std::max(most, ++running); };
  watcher.Ended = [&](bool) { --running, ++reads; };
  binding->AddReadWatcher(watcher);
  form->show();
  ASSERT_TRUE(RunUntil([&] { return reads >= 3; }, 20000));
  EXPECT_EQ(most, 1);
  EXPECT_GE(live->TimedReads(), 2);
  form->close();
  const int timed = live->TimedReads();
  RunUntil([] { return false; }, 1500);
  EXPECT_EQ(live->TimedReads(), timed);
  form->DeleteWhenIdle();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
