// The menu entries of the windows of their own open their windows, with the captions
// those windows are known by, against the simulated switch.

#include "main_form.h"
#include "snmp_event_processor.h"
#include "switch_sim_agent.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {
// Runs `click` and returns the caption of the modal window it opened, which is closed
// again at once; empty when none opened.
template <class F>
std::string CaptionOfWindowOpenedBy(F click) {
  std::string caption;
  QTimer probe;
  probe.setInterval(50);
  QObject::connect(&probe, &QTimer::timeout, [&] {
    if (QWidget *modal = QApplication::activeModalWidget()) {
      caption = modal->windowTitle().toStdString();
      modal->close();
    }
  });
  probe.start();
  click();
  return caption;
}
}  // namespace

TEST(FeatureEntries, EachEntryOpensItsWindow) {
  SwitchSimAgent sim;
  ASSERT_TRUE(sim.Started()) << sim.Output();
  TMainForm form({"/I127.0.0.1", "/t" + std::to_string(sim.Port()), "/v1", "/Rrdwalk", "/Wwrtgate"});
  ASSERT_FALSE(form.Terminated());
  const std::string at = " : " + form.AddressText;
  EXPECT_EQ(CaptionOfWindowOpenedBy([&] { form.GeneralTable1Click(); }), "General Information" + at);
  EXPECT_EQ(CaptionOfWindowOpenedBy([&] { form.IFXTable1Click(); }), "ifX Table" + at);
  EXPECT_EQ(CaptionOfWindowOpenedBy([&] { form.dot3Statistics1Click(); }), "Statistics Table" + at);
  EXPECT_EQ(CaptionOfWindowOpenedBy([&] { form.Information2Click(); }), "Spanning Tree Control" + at);
  EXPECT_EQ(CaptionOfWindowOpenedBy([&] { form.BasicConfigure2Click(); }), "802.1P Basic Information" + at);
  CurrentWindowTitle = "IGMP Control Table";
  EXPECT_EQ(CaptionOfWindowOpenedBy([&] { form.PriorityInformation1Click(); }), "IGMP Control Table" + at);
  EXPECT_EQ(CaptionOfWindowOpenedBy([&] { form.BasicConfigureClick(); }), "802.1Q Basic Configure" + at);
  EXPECT_EQ(CaptionOfWindowOpenedBy([&] { form.PortsInfo1Click(); }), "VLAN Port Information Form");
}
