// The front panel against the simulated switch: LED colours read as pixels of the drawn
// panel and compared with the switch's LED string (read with net-snmp's snmpget), ports
// that go dark when disabled or unplugged, polls that fail, port selection, and the
// message for an SNMPv3 user who may not read the LEDs.

#include "config_form.h"
#include "edits_panel.h"
#include "front_picture.h"
#include "kv_mib_core_set.h"
#include "kv_shape.h"
#include "kv_snmp_request2_leds.h"
#include "kv_snmp_session.h"
#include "kv_status_bar.h"
#include "panel_form.h"
#include "snmp_editor_panel.h"
#include "snmp_event_processor.h"
#include "run_until.h"
#include "snmpd_agent.h"
#include "switch_sim_agent.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QPushButton>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <sstream>

namespace {
const char *const kLedOid = "1.3.6.1.4.1.171.11.43.2.2.1.1.4.0";
constexpr int kUnpluggedPort = 9;  // linked in the data; its cable is pulled a few seconds in
constexpr int kWhite = KvRgb(255, 255, 255), kBlack = 0, kGreen = KvRgb(0, 255, 0);

// The switch's LED octets as snmpget reads them.
std::string LedOctets(int port) {
  int code = -1;
  const std::string out = RunTool({"snmpget", "-v2c", "-c", "rdwalk", "-Ov", "-Ox", "-r", "1", "-t", "1",
                                   "udp:127.0.0.1:" + std::to_string(port), kLedOid},
                                  &code);
  std::string octets;
  std::istringstream in(out.substr(out.find(':') + 1));
  for (std::string hex; in >> hex;) octets += static_cast<char>(std::stoi(hex, nullptr, 16));
  return code == 0 ? octets : std::string();
}

int Expected(const sLedCtrl &led, const std::string &octets) {
  const KvSNMPLedColorMapList &map = *led.ColorMap;
  if (static_cast<size_t>(led.ByteIndex) >= octets.size()) return map.MissingColor;
  return map.ColorOf(static_cast<uint8_t>(octets[static_cast<size_t>(led.ByteIndex)] & map.ValueMask));
}

// The colour the panel shows in the middle of the LED's window.
int Pixel(TPanelForm &panel, const sLedCtrl &led) {
  const QWidget *box = led.Shape->parentWidget();
  const QRect window = led.Shape->geometry().intersected(box->rect()).translated(box->mapTo(&panel, QPoint()));
  const QImage shot = panel.grab().toImage();
  const QColor c = shot.pixelColor((QPointF(window.center()) * shot.devicePixelRatio() + QPointF(0.5, 0.5)).toPoint());
  return KvRgb(c.red(), c.green(), c.blue());
}

const sLedCtrl &Led(TPanelForm &panel, int byteIndex) {
  for (const auto &led : panel.Leds->Leds)
    if (led->ByteIndex == byteIndex) return *led;
  throw std::out_of_range("no LED for byte " + std::to_string(byteIndex));
}

// Opens a port window with `open`; once it shows what it read, runs `drive` on it and
// closes it. False when no port window showed.
bool WithPortWindow(const std::function<void()> &open, const std::function<void(TConfigForm &, TEditsPanel &)> &drive) {
  bool seen = false;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    auto *form = qobject_cast<TConfigForm *>(QApplication::activeModalWidget());
    auto *editor = form ? form->findChild<TSNMPEditorPanel *>() : nullptr;
    if (seen || !editor || editor->Edits->RowText(1).empty()) return;
    seen = true;
    drive(*form, *editor->Edits);
    form->reject();
  });
  watch.start(20);
  open();
  return seen;
}

// What a person's double-click delivers: a click, then the double-click.
void DoubleClick(QWidget *button) {
  QTest::mouseClick(button, Qt::LeftButton);
  QTest::mouseDClick(button, Qt::LeftButton);
}

int NwayOptionCount(TEditsPanel &edits) {
  auto *box = qobject_cast<QComboBox *>(edits.Rows[3].EditCtrl);
  return box ? box->count() : -1;
}

class PanelForm : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    if (!GlobalSnmp) KvSNMPCreateSession(MakeTempDir("kvboot"));
    sim_ = new SwitchSimAgent({{}, true, {"--link-down", std::to_string(kUnpluggedPort) + "@5"}});
    SnmpEventPump().Start();
  }
  static void TearDownTestSuite() {
    SnmpEventPump().Stop();
    delete sim_;
    sim_ = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(sim_->Started()) << sim_->Output();
    SelectedPort = 1;
  }

  // A panel on a status bar, aimed at `settings`, after its first poll.
  std::unique_ptr<TPanelForm> MakePanel(const KvSNMPSettings &settings) {
    bar_ = std::make_unique<KvStatusBar>();
    bar_->AddPanel(0);
    auto panel = std::make_unique<TPanelForm>(nullptr, bar_.get(), settings);
    EXPECT_TRUE(RunUntil([&] { return !panel->Leds->Busy(); }));
    return panel;
  }
  std::unique_ptr<TPanelForm> MakePanel() {
    KvSNMPSettings settings;
    sim_->AimAt(settings, 1);
    return MakePanel(settings);
  }
  // A poll as the poll timer makes it, waited for; then the blinking settles.
  static void Poll(TPanelForm &panel) {
    panel.Leds->PollTimerTimer();
    ASSERT_TRUE(RunUntil([&] { return !panel.Leds->Busy(); }));
    for (int i = 0; i <= panel.Leds->BlinkLimit; ++i) panel.Leds->BlinkTimerTimer();
  }
  static void ExpectShows(TPanelForm &panel, const std::string &octets) {
    for (const auto &led : panel.Leds->Leds)
      EXPECT_EQ(Pixel(panel, *led), Expected(*led, octets)) << "byte " << led->ByteIndex;
  }

  static SwitchSimAgent *sim_;
  std::unique_ptr<KvStatusBar> bar_;
};
SwitchSimAgent *PanelForm::sim_ = nullptr;

TEST_F(PanelForm, ShowsTheSwitchLedsAndPortsGoDarkWhenDisabledOrUnplugged) {
  auto panel = MakePanel();
  ASSERT_EQ(panel->Leds->Leds.size(), 55u);
  EXPECT_EQ(panel->Leds->PollTimer->interval(), 5000);
  EXPECT_EQ(panel->Leds->Request.Settings.Timing.Timeout, 200u);
  for (int i = 0; i <= panel->Leds->BlinkLimit; ++i) panel->Leds->BlinkTimerTimer();
  const std::string octets = LedOctets(sim_->Port());
  ASSERT_EQ(octets.size(), 55u);
  ExpectShows(*panel, octets);
  EXPECT_EQ(Pixel(*panel, Led(*panel, 0)), kGreen);                        // power
  EXPECT_EQ(Pixel(*panel, Led(*panel, 3 + 2 * 23)), kBlack);               // port 24 is disabled
  EXPECT_NE(octets[static_cast<size_t>(3 + 2 * (kUnpluggedPort - 1))], 0);  // still linked
  if (const char *dir = std::getenv("KV_SHOT_DIR")) panel->grab().save(QString(dir) + "/panel.png");
  EXPECT_NE(panel->SB_Port[0]->toolTip().toStdString().find("Port 1\nLink/Act: green"), std::string::npos)
      << panel->SB_Port[0]->toolTip().toStdString();

  // Port 3 disabled in its port window: dark at the next poll.
  ASSERT_TRUE(WithPortWindow([&] { DoubleClick(panel->SB_Port[2]); },
                             [](TConfigForm &form, TEditsPanel &edits) {
                               EXPECT_EQ(form.Caption(), " Port Control( Port 3)");
                               EXPECT_TRUE(edits.Rows[0].EditCtrl->isHidden());
                               EXPECT_EQ(edits.EditWidth, 200);
                               edits.SetAllChecks(false);
                               edits.SetRowValue(2, "disabled");
                               edits.CheckRow(2);
                               EXPECT_EQ(edits.SetChecked(), TEditsPanel::SetOutcome::Sent);
                             }));
  const auto sets = sim_->LogLinesWith({"\"op\":\"set\""});  // the only Set of the test
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_NE(sets[0].find("1.3.6.1.4.1.171.11.43.2.2.3.2.1.3.3"), std::string::npos) << sets[0];
  EXPECT_EQ(sets[0].find("1.3.6.1.4.1.171.11.43.2.2.3.2.1.4.3"), std::string::npos) << sets[0];
  Poll(*panel);
  EXPECT_EQ(Pixel(*panel, Led(*panel, 3 + 2 * 2)), kBlack);
  EXPECT_NE(panel->SB_Port[2]->toolTip().toStdString().find("Link/Act: dark"), std::string::npos);

  // The cable of the unplugged port is pulled: no link at the next poll.
  ASSERT_TRUE(RunUntil([&] { return LedOctets(sim_->Port())[3 + 2 * (kUnpluggedPort - 1)] == 0; }, 20000));
  Poll(*panel);
  ExpectShows(*panel, LedOctets(sim_->Port()));
  EXPECT_EQ(Pixel(*panel, Led(*panel, 3 + 2 * (kUnpluggedPort - 1))), kWhite);
  EXPECT_NE(panel->SB_Port[kUnpluggedPort - 1]->toolTip().toStdString().find("unlit (no link)"), std::string::npos);
  EXPECT_GE(sim_->LogLinesWith({kLedOid}).size(), 3u);

  // Nobody answers: every LED black, the failure in the status bar, the tooltips say so.
  // A poll of the timer's may still be on its way from the agent: its answer first.
  ASSERT_TRUE(RunUntil([&] { return panel->Leds->Request.PendingCount() == 0; }));
  panel->Leds->Request.Settings.Device.Port = static_cast<uint16_t>(FreeUdpPort());
  panel->Leds->Request.Settings.Timing.Timeout = 20;
  panel->Leds->Request.Settings.Timing.Retries = 0;
  Poll(*panel);
  for (const auto &led : panel->Leds->Leds) EXPECT_EQ(Pixel(*panel, *led), kBlack) << led->ByteIndex;
  EXPECT_EQ(bar_->SimpleText().rfind("Get: (", 0), 0u) << bar_->SimpleText();
  EXPECT_NE(panel->SB_Port[0]->toolTip().toStdString().find("no answer"), std::string::npos);
}

TEST_F(PanelForm, LedColoursOfStripsUnmappedBytesBlinkingAndShortValues) {
  auto panel = MakePanel();
  // Port 1: link 0x06 (not in the map), speed 3; port 2: link 0x82 (green, blinking),
  // speed 1; the rest of the value missing.
  panel->Leds->Request.VarList.GetItem(0)->Value = "02 00 00 06 03 82 01";
  Led(*panel, 5).Shape->SetBrushColor(kGreen);  // lit at the poll before
  panel->Leds->ShowRow();
  EXPECT_EQ(Pixel(*panel, Led(*panel, 3)), kBlack);
  EXPECT_EQ(Pixel(*panel, Led(*panel, 4)), kGreen);
  EXPECT_EQ(Pixel(*panel, Led(*panel, 6)), kWhite);
  EXPECT_EQ(Pixel(*panel, Led(*panel, 54)), kWhite);  // beyond the value's end
  // Dark right after the answer and at every second tick, steady from the seventh on.
  std::vector<int> seen;
  for (int tick = 0; tick < 9; ++tick) {
    seen.push_back(Pixel(*panel, Led(*panel, 5)));
    panel->Leds->BlinkTimerTimer();
  }
  EXPECT_EQ(seen, (std::vector<int>{kBlack, kGreen, kBlack, kGreen, kBlack, kGreen, kBlack, kGreen, kGreen}));
  EXPECT_NE(panel->SB_Port[1]->toolTip().toStdString().find("green, blinking (link at 1000 Mbps, traffic)"),
            std::string::npos);

  // A switch whose LED value is 40 octets long: the LEDs beyond it white.
  SwitchSimAgent shortSim({{}, false, {"--short", std::string(kLedOid) + ":40"}});
  ASSERT_TRUE(shortSim.Started()) << shortSim.Output();
  KvSNMPSettings settings;
  shortSim.AimAt(settings, 1);
  auto shortPanel = MakePanel(settings);
  const std::string octets = LedOctets(shortSim.Port());
  ASSERT_EQ(octets.size(), 40u);
  for (int i = 0; i <= shortPanel->Leds->BlinkLimit; ++i) shortPanel->Leds->BlinkTimerTimer();
  ExpectShows(*shortPanel, octets);
  for (int b = 40; b < 55; ++b) EXPECT_EQ(Pixel(*shortPanel, Led(*shortPanel, b)), kWhite) << b;
}

TEST_F(PanelForm, ClicksSelectPortsAndThePictureReleasesWithoutForgetting) {
  auto panel = MakePanel();
  EXPECT_EQ(panel->PressedButton, nullptr);
  QTest::mouseClick(panel->SB_Port[4], Qt::LeftButton);
  EXPECT_EQ(SelectedPort, 5);
  EXPECT_TRUE(panel->SB_Port[4]->Down());
  QTest::mouseClick(panel->SpeedButton[1], Qt::LeftButton);
  EXPECT_EQ(SelectedPort, 22);
  EXPECT_FALSE(panel->SB_Port[4]->Down());
  EXPECT_TRUE(panel->SpeedButton[1]->Down());

  QTest::mouseClick(panel->Image1, Qt::LeftButton, {}, QPoint(40, 85));
  EXPECT_FALSE(panel->SpeedButton[1]->Down());
  EXPECT_EQ(panel->PressedButton, panel->SpeedButton[1]);
  EXPECT_EQ(SelectedPort, 22);
  QTest::mouseClick(panel->SB_Port[6], Qt::LeftButton);
  EXPECT_EQ(SelectedPort, 7);
  EXPECT_TRUE(panel->SB_Port[6]->Down());

  // Combo button 2 opens port 22 with the combo speeds, copper button 22 the same port
  // with the copper ones; a double-click after a picture click keeps the selected port.
  std::string caption;
  int options = 0;
  auto look = [&](TConfigForm &form, TEditsPanel &edits) {
    caption = form.Caption();
    options = NwayOptionCount(edits);
  };
  EXPECT_TRUE(WithPortWindow([&] { DoubleClick(panel->SpeedButton[1]); }, look));
  EXPECT_EQ(caption, " Port Control( Port 22)");
  EXPECT_EQ(options, 3);
  EXPECT_TRUE(WithPortWindow([&] { DoubleClick(panel->SB_Port[21]); }, look));
  EXPECT_EQ(caption, " Port Control( Port 22)");
  EXPECT_EQ(options, 8);
  QTest::mouseClick(panel->Image1, Qt::LeftButton, {}, QPoint(40, 85));
  EXPECT_TRUE(WithPortWindow([&] { panel->SpeedButton1DblClick(panel->SpeedButton[3]); }, look));
  EXPECT_EQ(caption, " Port Control( Port 22)");
}

TEST_F(PanelForm, AnSnmpV3UserWhoMayNotReadTheLedsIsToldSo) {
  const std::string text = "The OID(1.3.6.1.4.1.171.10.43.2) of the led is not accessible for the SNMP V3 user !";
  EXPECT_EQ(TPanelForm::LedSetupFailureText("'(NULL)' is not a valid integer value", 3), text);
  EXPECT_EQ(TPanelForm::LedSetupFailureText("'(NULL)' is not a valid integer value", 1),
            "'(NULL)' is not a valid integer value");
  EXPECT_EQ(TPanelForm::LedSetupFailureText("(SNMP) Timeout!", 3), "(SNMP) Timeout!");

  // A first poll that fails at once: its message in the first panel, the later polls
  // still reported.
  {
    KvSNMPSettings nowhere;
    nowhere.Device.Address = "";
    auto panel = MakePanel(nowhere);
    EXPECT_FALSE(bar_->PanelText(0).empty());
    EXPECT_TRUE(panel->Leds->HasStatusOutput());
    EXPECT_TRUE(panel->Leds->PollTimer->isActive());
  }

  // net-snmp's snmpd has no such object; its SNMPv3 user reads nothing there.
  SnmpdAgent snmpd;
  ASSERT_TRUE(snmpd.Start()) << snmpd.Log();
  KvSNMPSettings settings;
  snmpd.AimAt(settings, 3);
  SnmpdAgent::UseUser(settings, "md5user");
  auto panel = MakePanel(settings);
  EXPECT_NE(bar_->SimpleText().find(text), std::string::npos) << bar_->SimpleText();
  for (const auto &led : panel->Leds->Leds) EXPECT_EQ(Pixel(*panel, *led), kBlack) << led->ByteIndex;
}
}  // namespace
