// Every feature window that reads asynchronously, closed while the switch is slow to
// answer: the answer that arrives afterwards reaches nothing of the window.

#include "dot3_stats_form.h"
#include "feature_window_test_support.h"
#include "if_x_entry.h"
#include "last_change_form.h"
#include "pbridge_config_form.h"
#include "stp_info.h"
#include "vlan_general_info_form.h"
#include "vlan_port_infomation_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTreeWidget>

namespace {
constexpr int kDelayMs = 400;

class ClosingWindows : public FeatureWindowTest {
protected:
  static void SetUpTestSuite() { StartSimulator({"--delay-ms", std::to_string(kDelayMs)}); }
};

struct Case {
  const char *name;
  std::function<TBaseForm *()> open;
  // What would show the first answer, read from the closed window.
  std::function<QString(TBaseForm *)> shown;
};
}  // namespace

TEST_F(ClosingWindows, AnAnswerArrivingAfterTheWindowClosedReachesNothing) {
  const std::string address = "127.0.0.1";
  const Case cases[] = {
      {"TPBridgeConfigForm", [&] { return new TPBridgeConfigForm(nullptr, address); },
       [](TBaseForm *w) { return static_cast<TPBridgeConfigForm *>(w)->Edit_DeviceCapabilities->text(); }},
      {"TVLanGeneralInfoForm", [&] { return new TVLanGeneralInfoForm(nullptr, address); },
       [](TBaseForm *w) { return static_cast<TVLanGeneralInfoForm *>(w)->MaxVlanId->text(); }},
      {"TVLanPortInfomationForm", [] { return new TVLanPortInfomationForm(nullptr); },
       [](TBaseForm *w) {
         return QString::number(static_cast<TVLanPortInfomationForm *>(w)->LV_dot1qPortVlanEntry->topLevelItemCount());
       }},
      {"TSTP_Info", [&] { return new TSTP_Info(nullptr, address); },
       [](TBaseForm *w) { return static_cast<TSTP_Info *>(w)->ET_Priority->text(); }},
      {"TifXEntry", [&] { return new TifXEntry(nullptr, address); },
       [](TBaseForm *w) { return QString::number(static_cast<TifXEntry *>(w)->LV_IFX->topLevelItemCount()); }},
      {"Tdot3StatsForm", [&] { return new Tdot3StatsForm(nullptr, address); },
       [](TBaseForm *w) { return QString::number(static_cast<Tdot3StatsForm *>(w)->LV_Dot3Stats->topLevelItemCount()); }},
      {"TLastChangeForm", [&] { return new TLastChangeForm(nullptr, address); },
       [](TBaseForm *w) { return static_cast<TLastChangeForm *>(w)->ST_IFTable->text(); }},
  };
  for (const Case &c : cases) {
    const size_t requestsBefore = sim_->LogLines().size();
    TBaseForm *window = c.open();
    window->show();
    RunFor(50);
    const QString before = c.shown(window);
    window->close();
    EXPECT_TRUE(window->BindingsReleased()) << c.name;
    RunFor(2 * kDelayMs);
    EXPECT_GT(sim_->LogLines().size(), requestsBefore) << c.name;  // the request did go out
    EXPECT_EQ(c.shown(window), before) << c.name;
    EXPECT_TRUE(before.isEmpty() || before == "0") << c.name << ": " << before.toStdString();
    QPointer<TBaseForm> guard(window);
    window->DeleteWhenIdle();
    RunUntil([&] {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      return guard.isNull();
    }, 3000);
    EXPECT_TRUE(guard.isNull()) << c.name;
  }
}
