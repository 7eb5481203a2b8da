// The change journal against the simulated switch: every kind of write recorded with the
// values it replaced, Undo putting the switch back (read back from the switch), failures
// and secrets, the journal window, and the file under a kill and a second writer.

#include "change_journal.h"
#include "feature_window_fixture.h"
#include "journal_form.h"
#include "journal_undo.h"
#include "kv_exception.h"
#include "kv_file_dialog.h"
#include "kv_message_box.h"
#include "kv_mib_core_set.h"
#include "kv_mib_mib2_set.h"
#include "kv_mib_rmon_std_set.h"
#include "kv_mib_vlan_std_set.h"
#include "kv_snmp_request.h"
#include "port_mirror_form.h"
#include "run_until.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <csignal>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const std::string kVlanName = "1.3.6.1.2.1.17.7.1.4.3.1.1.";
const std::string kVlanStatus = "1.3.6.1.2.1.17.7.1.4.3.1.5.";
const std::string kMirror = "1.3.6.1.4.1.171.11.43.2.2.10";

std::string ReadFile(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class ChangeJournal : public FeatureWindowTest {
protected:
  void SetUp() override {
    folder_ = MakeTempDir("kvjournal");
    journal_ = std::make_unique<KvChangeJournal>("journal-test", folder_);
    journal_->Install();
    StartSwitch();
    agent_ = JournalAgentOf(SNMPSettings);
  }
  void TearDown() override { Platform::SetMessageBoxHook({}); }

  // What the switch holds at `oid`, as the journal writes values.
  std::string OnSwitch(const std::string &oid) const {
    SnmpPdu pdu, response;
    SNMPSettings.PreparePdu(pdu);
    pdu.AddVb(oid);
    const int status = GlobalSnmp->Send(SnmpOperation::Get, SNMPSettings.BuildTarget(), pdu, response);
    if (status != 0 || response.Vbs.empty()) return "error " + std::to_string(status);
    return JournalValueText(response.Vbs[0].Value, false);
  }
  KvJournalReading Journal() const { return ReadJournalFile(journal_->FileOf(agent_), agent_); }
  // The lines of the newest group.
  std::vector<KvJournalLine> LastGroup() const {
    const auto lines = Journal().Lines;
    std::vector<KvJournalLine> group;
    for (const KvJournalLine &line : lines)
      if (line.Group == lines.back().Group) group.push_back(line);
    return group;
  }
  // Plans, answers Yes, and takes the last change back.
  std::string Undo() {
    std::vector<std::string> asked;
    Platform::SetMessageBoxHook([&](const Platform::ShownMessage &m) {
      asked.push_back(m.Text);
      return m.Buttons == Platform::MsgButtons::YesNo ? Platform::MsgResult::Yes : Platform::MsgResult::Ok;
    });
    const std::string outcome = TJournalForm::UndoLastChange(nullptr, SNMPSettings);
    Platform::SetMessageBoxHook({});
    lastAsked_ = asked.empty() ? "" : asked.front();
    return outcome;
  }
  static void AimAtVlan(KvSNMPRequest &request, const std::string &vlan) {
    request.VarList = KvSNMPVarList(VlanStaticDefs, MVT_UMV, 1);
    request.VarList.GetItem(0)->Value = vlan;
  }

  std::string folder_, agent_, lastAsked_;
  std::unique_ptr<KvChangeJournal> journal_;
};

TEST_F(ChangeJournal, EachKindOfWriteIsJournaledWithItsOldValueAndUndoPutsTheSwitchBack) {
  // A scalar group: two of its objects, blocking.
  {
    KvJournalScope scope("System");
    KvSNMPRequest system;
    system.VarList = KvSNMPVarList(MibSystemDefs, SVT_SV, 0);
    const std::vector<std::string> values = {"ops@example.net", "core-1"};
    system.Set(false, "3,4", &values);
  }
  auto group = LastGroup();
  ASSERT_EQ(group.size(), 2u);
  EXPECT_EQ(group[0].Window, "System");
  EXPECT_EQ(group[0].Program, "journal-test");
  EXPECT_EQ(group[0].Object.Name + "." + group[0].Object.Index, "Contact.0");
  EXPECT_EQ(JournalValueText(group[0].Object.Before, false), "OctetString:\"network@example.net\"");
  EXPECT_EQ(JournalValueText(group[1].Object.Value, false), "OctetString:\"core-1\"");
  EXPECT_TRUE(group[0].Ok() && group[0].Write == group[1].Write);
  EXPECT_EQ(Undo().rfind("Took back", 0), 0u) << lastAsked_;
  EXPECT_NE(lastAsked_.find("Contact.0 = OctetString:\"network@example.net\""), std::string::npos) << lastAsked_;
  EXPECT_EQ(OnSwitch("1.3.6.1.2.1.1.4.0"), "OctetString:\"network@example.net\"");
  EXPECT_EQ(OnSwitch("1.3.6.1.2.1.1.5.0"), "OctetString:\"MS-2416X\"");
  EXPECT_EQ(LastGroup().front().Undoes, group[0].Group);

  // A table row's Edit, asynchronous: the record is made before the window hears of it.
  {
    KvJournalScope scope("VLANs");
    KvSNMPRequest row;
    AimAtVlan(row, "10");
    const std::vector<std::string> values = {"storage"};
    bool recorded = false, answered = false;
    row.SetAsync(
        [&](void *, KvSNMPError *error, KvSNMPVarList *) {
          answered = true;
          recorded = error->Code == 0 && LastGroup().back().Object.Name == "Name";
        },
        nullptr, false, "1", &values);
    ASSERT_TRUE(RunUntil([&] { return answered; }));
    EXPECT_TRUE(recorded);
  }
  group = LastGroup();
  ASSERT_EQ(group.size(), 1u);
  EXPECT_EQ(group[0].Object.Oid, kVlanName + "10");
  EXPECT_EQ(JournalValueText(group[0].Object.Before, false), "OctetString:\"servers\"");
  Undo();
  EXPECT_EQ(OnSwitch(kVlanName + "10"), "OctetString:\"servers\"");

  // Add through RowStatus: Undo destroys the row.
  {
    KvJournalScope scope("VLANs");
    KvSNMPRequest row;
    AimAtVlan(row, "30");
    const std::vector<std::string> values = {"v30", "1-4", "createAndGo"};
    row.Set(false, "1,2,5", &values);
  }
  group = LastGroup();
  ASSERT_EQ(group.size(), 3u);
  EXPECT_EQ(JournalValueText(group[2].Object.Before, false), "noSuchInstance");
  EXPECT_EQ(group[2].Object.Status, KvRowStatusKind::RowStatus);
  EXPECT_EQ(group[2].Object.ValueLabel, "createAndGo");
  EXPECT_EQ(group[1].Object.ValueLabel, "1-4");  // a port list as the windows show it
  EXPECT_EQ(OnSwitch(kVlanStatus + "30"), "Integer:1");
  Undo();
  EXPECT_NE(lastAsked_.find("RowStatus.30 = destroy (Integer:6)"), std::string::npos) << lastAsked_;
  EXPECT_EQ(OnSwitch(kVlanStatus + "30"), "noSuchInstance");

  // Delete: the row's columns are kept, and Undo creates it again with them.
  {
    KvJournalScope scope("VLANs");
    KvSNMPRequest row;
    AimAtVlan(row, "20");
    const std::vector<std::string> values = {"destroy"};
    row.Set(false, "5", &values);
  }
  group = LastGroup();
  ASSERT_GE(group.size(), 2u);
  EXPECT_TRUE(group[0].Object.Sent);
  EXPECT_FALSE(group[1].Object.Sent);
  EXPECT_EQ(JournalValueText(group[1].Object.Before, false), "OctetString:\"lab\"");
  EXPECT_EQ(OnSwitch(kVlanName + "20"), "noSuchInstance");
  Undo();
  EXPECT_EQ(OnSwitch(kVlanName + "20"), "OctetString:\"lab\"");
  EXPECT_EQ(OnSwitch(kVlanStatus + "20"), "Integer:1");

  // A feature window's Set of four objects, from its button: journaled under its caption.
  const std::string mirrorBefore = OnSwitch(kMirror + ".2.0");
  {
    TPortMirrorForm form(nullptr, "127.0.0.1");
    form.Ingress[8]->setChecked(!form.Ingress[8]->isChecked());
    form.CK_Status->setChecked(!form.CK_Status->isChecked());
    form.BT_Set->click();
    ASSERT_TRUE(RunUntil([&] { return !Sets({kMirror}).empty(); }));
  }
  group = LastGroup();
  ASSERT_EQ(group.size(), 4u);
  EXPECT_EQ(group[0].Window, "Port Mirror Table:127.0.0.1");
  EXPECT_NE(OnSwitch(kMirror + ".2.0"), mirrorBefore);
  Undo();
  EXPECT_EQ(OnSwitch(kMirror + ".2.0"), mirrorBefore);
  for (const KvJournalLine &line : group)
    EXPECT_EQ(OnSwitch(line.Object.Oid), JournalValueText(line.Object.Before, false)) << line.Object.Name;

  // With every change taken back, there is nothing left to undo; the journal window
  // lists every line newest first, narrows them and saves them as CSV.
  Undo();
  EXPECT_NE(lastAsked_.find("There is no change"), std::string::npos) << lastAsked_;
  TJournalForm window(nullptr, SNMPSettings);
  const int all = window.LV_Journal->topLevelItemCount();
  EXPECT_EQ(all, static_cast<int>(Journal().Lines.size()));
  EXPECT_EQ(window.LV_Journal->topLevelItem(0)->text(2).toStdString(), kUndoWindow);
  window.ED_Window->setText("port mirror");
  EXPECT_EQ(window.LV_Journal->topLevelItemCount(), 4);
  window.ED_Object->setText("state");
  EXPECT_EQ(window.LV_Journal->topLevelItemCount(), 1);
  Platform::ScriptedSaveFileDialogs dialogs;
  dialogs.Answer(folder_ + "/journal.csv");
  window.BT_Export->click();
  const std::string csv = ReadFile(folder_ + "/journal.csv");
  EXPECT_EQ(csv.rfind("Time (UTC),User,Window,Object,Before,Sent,Outcome\r\n", 0), 0u) << csv;
  EXPECT_NE(csv.find("swL2MirrorPortState.0"), std::string::npos) << csv;
}

TEST_F(ChangeJournal, FailuresSecretsAndUnusableFilesAreToldAndNeverUndone) {
  // A Set the switch refuses is journaled as failed, and leaves nothing to undo.
  KvSNMPRequest mirror;
  mirror.VarList = KvSNMPVarList(PortMirrorDefs, SVT_SV, 0);
  const std::vector<std::string> port = {"99"};
  EXPECT_THROW(mirror.Set(false, "0", &port), KvException);
  auto group = LastGroup();
  ASSERT_EQ(group.size(), 1u);
  EXPECT_NE(group[0].Code, 0);
  EXPECT_FALSE(PlanUndo(Journal().Lines, agent_).CanUndo());
  Undo();
  EXPECT_NE(lastAsked_.find("There is no change"), std::string::npos) << lastAsked_;

  // A switch that does not answer the read of the old values is not written to; the
  // write is journaled with the time-out.
  ASSERT_TRUE(sim_->Pause());
  const std::vector<std::string> target = {"3"};
  EXPECT_THROW(mirror.Set(false, "0", &target), KvException);
  ASSERT_TRUE(sim_->Resume());
  group = LastGroup();
  ASSERT_EQ(group.size(), 1u);
  EXPECT_NE(group[0].Outcome.find("timed out"), std::string::npos) << group[0].Outcome;
  EXPECT_FALSE(group[0].Object.Before.has_value());
  EXPECT_TRUE(Sets({kMirror + ".1.0\",\"type\":\"INTEGER\",\"value\":\"3"}).empty());

  // A destroyed RMON event held a community: the journal does not keep it, so the row
  // cannot be made again, and Undo says why without sending anything.
  KvSNMPRequest event;
  event.VarList = KvSNMPVarList(RmonEventDefs, MVT_UMV, 1);
  event.VarList.GetItem(0)->Value = "1";
  const std::vector<std::string> invalid = {"invalid"};
  event.Set(false, "6", &invalid);
  const std::string file = ReadFile(journal_->FileOf(agent_));
  EXPECT_EQ(file.find("public"), std::string::npos);
  EXPECT_NE(file.find("object=Community index=1 oid=1.3.6.1.2.1.16.9.1.1.4.1 kept=row before=concealed"),
            std::string::npos)
      << file;
  const size_t setsBefore = Sets().size();
  EXPECT_EQ(Undo().rfind("Undo cannot take back", 0), 0u);
  EXPECT_NE(lastAsked_.find("holds the secret Community"), std::string::npos) << lastAsked_;
  EXPECT_EQ(Sets().size(), setsBefore);

  // A journal that cannot be written stops the write before anything is sent: a link in
  // the file's place, then a FIFO.
  for (const bool fifo : {false, true}) {
    const std::string path = journal_->FileOf(agent_);
    ::unlink(path.c_str());
    if (fifo) ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    else ASSERT_EQ(::symlink((folder_ + "/elsewhere").c_str(), path.c_str()), 0);
    KvSNMPRequest system;
    system.VarList = KvSNMPVarList(MibSystemDefs, SVT_SV, 0);
    const std::vector<std::string> name = {"never"};
    try {
      system.Set(false, "4", &name);
      ADD_FAILURE() << "the write went through";
    } catch (const KvException &e) {
      EXPECT_EQ(e.Code(), -532) << e.what();
    }
    EXPECT_EQ(Sets().size(), setsBefore);
    EXPECT_EQ(OnSwitch("1.3.6.1.2.1.1.5.0"), "OctetString:\"MS-2416X\"");
  }
}

// The file alone: what a writer that is killed leaves, and two writers at once.
TEST(ChangeJournalFile, EveryRecordedLineStaysWholeAfterAKillAndBesideASecondWriter) {
  const std::string folder = MakeTempDir("kvjournalfile");
  const std::string agent = "192.0.2.1:161";
  KvJournalWrite write;
  write.Agent = agent;
  write.Window = "Port Settings";
  write.Group = "g";
  for (int i = 0; i < 3; ++i) {
    KvJournalObject o;
    o.Name = "column" + std::to_string(i);
    o.Index = "7";
    o.Oid = "1.3.6.1.4.1.171." + std::to_string(i) + ".7";
    o.Before = SnmpValue::Octets(std::string(1500, static_cast<char>('a' + i)));  // lines across pages
    o.Value = SnmpValue::Integer(i);
    write.Objects.push_back(o);
  }
  // Each child records `writes` writes, telling the parent after each through a pipe.
  const auto writer = [&](int writes, int tell) {
    KvChangeJournal journal("writer", folder);
    for (int n = 0; n < writes; ++n) {
      journal.Record(write);
      if (tell >= 0 && ::write(tell, "x", 1) != 1) break;
    }
    ::_exit(0);
  };
  // Two at once.
  pid_t a = fork();
  if (a == 0) writer(150, -1);
  pid_t b = fork();
  if (b == 0) writer(150, -1);
  int status = 0;
  ::waitpid(a, &status, 0);
  ::waitpid(b, &status, 0);
  const std::string file = KvChangeJournal("", folder).FileOf(agent);
  KvJournalReading reading = ReadJournalFile(file, agent);
  EXPECT_EQ(reading.Unreadable, 0);
  EXPECT_EQ(reading.Lines.size(), 2u * 150 * 3);
  struct stat st{};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);

  // Killed while it writes: every write it had reported is there whole; at most the one
  // under way is cut, and the next writer's lines are whole again.
  int pipeFds[2];
  ASSERT_EQ(::pipe(pipeFds), 0);
  pid_t c = fork();
  if (c == 0) {
    ::close(pipeFds[0]);
    writer(100000, pipeFds[1]);
  }
  ::close(pipeFds[1]);
  char buffer[64];
  size_t reported = 0;
  while (reported < 200) {
    const ssize_t n = ::read(pipeFds[0], buffer, sizeof buffer);
    if (n <= 0) break;
    reported += static_cast<size_t>(n);
  }
  ::kill(c, SIGKILL);
  ::waitpid(c, &status, 0);
  for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;) reported += static_cast<size_t>(n);
  ::close(pipeFds[0]);
  KvChangeJournal("after", folder).Record(write);
  reading = ReadJournalFile(file, agent);
  EXPECT_LE(reading.Unreadable, 1);
  EXPECT_GE(reading.Lines.size(), (2u * 150 + reported) * 3 + 3);
  EXPECT_EQ(reading.Lines.back().Program, "after");
}
}  // namespace
