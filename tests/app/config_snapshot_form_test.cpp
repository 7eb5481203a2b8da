// The configuration snapshot window against the simulated switch: a save, a change on
// the switch, the comparison that shows it, the restore after its preview, and two files
// compared with each other.

#include "agent_process.h"
#include "config_snapshot_form.h"
#include "kv_file_dialog.h"
#include "kv_message_box.h"
#include "kv_mib_core_set.h"
#include "kv_snmp_request.h"
#include "kv_snmp_session.h"
#include "kv_status_bar.h"
#include "switch_sim_agent.h"

#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace {
// The FDB's VLAN of Device Control, item 8 of its definitions.
void SetFdbVlan(const std::string &value) {
  KvSNMPRequest request;
  request.VarList = KvSNMPVarList(DevCtrlDefs, SVT_SV, 0);
  request.Get(true);
  const std::vector<std::string> values{value};
  request.Set(false, "8", &values);
}
}  // namespace

TEST(ConfigSnapshotWindow, SavesComparesWithTheSwitchRestoresAfterThePreviewAndComparesFiles) {
  const std::string dir = MakeTempDir("kvsnapwin");
  KvSNMPCreateSession(dir);
  SwitchSimAgent sw;
  ASSERT_TRUE(sw.Started());
  sw.AimGlobalSettings(1);
  const std::string file = dir + "/sw.snapshot";

  TConfigSnapshotForm form(nullptr, "127.0.0.1");
  EXPECT_EQ(form.windowTitle(), "Configuration snapshot : 127.0.0.1");
  EXPECT_FALSE(form.BT_Restore->isEnabled());
  Platform::ScriptedSaveFileDialogs files;
  Platform::ScriptedMessageBoxes boxes;
  files.Answer(file);
  form.BT_Save->click();
  ASSERT_TRUE(std::filesystem::exists(file)) << form.StatusBar1->SimpleText();
  EXPECT_EQ(form.StatusBar1->SimpleText().rfind("Saved ", 0), 0u) << form.StatusBar1->SimpleText();

  // The switch changes; the comparison shows that one value, side by side.
  SetFdbVlan("7");
  files.Answer(file);
  form.BT_Compare->click();
  ASSERT_EQ(form.LV_Changes->topLevelItemCount(), 1) << form.StatusBar1->SimpleText();
  const QTreeWidgetItem *change = form.LV_Changes->topLevelItem(0);
  EXPECT_EQ(change->text(1), "7");
  EXPECT_NE(change->text(2), "7");
  EXPECT_TRUE(form.BT_Restore->isEnabled());

  // Restore: the preview names the Set; cancelled, nothing is sent; confirmed, the
  // switch equals the file again.
  boxes.Answer(Platform::MsgResult::Cancel);
  form.BT_Restore->click();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_NE(boxes.Shown()[0].Text.find("1 Set to make the switch equal to"), std::string::npos) << boxes.Shown()[0].Text;
  EXPECT_EQ(form.StatusBar1->SimpleText(), "Restore cancelled: nothing sent.");
  boxes.Answer(Platform::MsgResult::Ok);
  form.BT_Restore->click();
  EXPECT_EQ(form.StatusBar1->SimpleText().rfind("Restored: 1 Set sent", 0), 0u) << form.StatusBar1->SimpleText();
  EXPECT_EQ(form.LV_Changes->topLevelItemCount(), 0);
  form.BT_Restore->click();  // nothing left to send: no question
  EXPECT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(form.StatusBar1->SimpleText(), "The switch already equals " + file + ": nothing to send.");

  // Two files: equal, and nothing to restore from them; a file that is no snapshot is said.
  files.Answer(file);
  files.Answer(file);
  form.BT_CompareFiles->click();
  EXPECT_EQ(form.StatusBar1->SimpleText(), "No differences.");
  EXPECT_FALSE(form.BT_Restore->isEnabled());
  std::ofstream(dir + "/bad.snapshot") << "not a snapshot\n";
  files.Answer(dir + "/bad.snapshot");
  form.BT_Compare->click();
  EXPECT_NE(form.StatusBar1->SimpleText().find("bad.snapshot:1"), std::string::npos) << form.StatusBar1->SimpleText();
}
