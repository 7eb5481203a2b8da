// The request engine against a real snmpd: table walks, indexes of the SNMPv3 tables,
// Set with a selection, time-outs and asynchronous answers through the event pump.
// Every walk runs twice: one row per request (GetNext), and many rows per request
// (GetBulk), which every caller must see the same.

#include "kv_exception.h"
#include "kv_snmp_request.h"
#include "kv_snmp_session.h"
#include "snmp_event_processor.h"
#include "snmpd_agent.h"
#include "switch_sim_agent.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include "error_code.h"
#include "event_wait.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <sstream>

namespace {
// vacmViewTreeFamilyTable: the last table of snmpd's tree, so its last column ends the
// MIB view.
const KvSNMPVarDef kViewTreeDefs[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "vacmViewTreeFamilyViewName", Syntax::DisplayStr, Access::NotAccess, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "vacmViewTreeFamilySubtree", Syntax::ObjectId, Access::NotAccess, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "vacmViewTreeFamilyType", Syntax::Integer, Access::ReadOnly, nullptr},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "vacmViewTreeFamilyStatus", Syntax::Integer, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

// Two columns of unequal length under one integer index: sysORID and ifIndex.
const KvSNMPVarDef kUnevenDefs[] = {
    {"1.3.6.1.2.1.1.9.1.1", "index", Syntax::Integer, Access::NotAccess, nullptr},
    {"1.3.6.1.2.1.1.9.1.2", "sysORID", Syntax::ObjectId, Access::ReadOnly, nullptr},
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", Syntax::Integer, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

const KvSNMPVarDef kUsmUserDefs[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "usmUserEngineID", Syntax::OctetStr, Access::NotAccess, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "usmUserName", Syntax::DisplayStr, Access::NotAccess, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "usmUserSecurityName", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "usmUserStatus", Syntax::Integer, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

const KvSNMPVarDef kSecurityToGroupDefs[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "vacmSecurityModel", Syntax::Integer, Access::NotAccess, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.2", "vacmSecurityName", Syntax::DisplayStr, Access::NotAccess, nullptr},
    {"1.3.6.1.6.3.16.1.2.1.3", "vacmGroupName", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

const KvSNMPVarDef kAccessDefs[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "vacmGroupName", Syntax::DisplayStr, Access::NotAccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.1", "vacmAccessContextPrefix", Syntax::DisplayStr, Access::NotAccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.2", "vacmAccessSecurityModel", Syntax::Integer, Access::NotAccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.3", "vacmAccessSecurityLevel", Syntax::Integer, Access::NotAccess, nullptr},
    {"1.3.6.1.6.3.16.1.4.1.5", "vacmAccessReadViewName", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

const KvSNMPVarDef kTargetAddrDefs[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "snmpTargetAddrName", Syntax::DisplayStr, Access::NotAccess | Access::Implied, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.2", "snmpTargetAddrTDomain", Syntax::ObjectId, Access::ReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.3", "snmpTargetAddrTAddress", Syntax::OctetStr, Access::ReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.7", "snmpTargetAddrParams", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {"1.3.6.1.6.3.12.1.2.1.9", "snmpTargetAddrRowStatus", Syntax::Integer, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

const KvSNMPVarDef kSystemDefs[] = {
    {"1.3.6.1.2.1.1.4", "sysContact", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {"1.3.6.1.2.1.1.5", "sysName", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {"1.3.6.1.2.1.1.6", "sysLocation", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

const KvSNMPVarDef kScalarDefs[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {"1.3.6.1.2.1.1.3", "sysUpTime", Syntax::TimeTicks, Access::ReadOnly, nullptr},
    {"1.3.6.1.2.1.1.9.1.1", "notReadable", Syntax::Integer, Access::WriteOnly, nullptr},
    {"1.3.6.1.2.1.1.5", "sysName", Syntax::DisplayStr, Access::ReadWrite, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

// Rows that snmpwalk sees under a column.
int CountRows(int port, const std::string &column) {
  const std::string out = RunTool({"snmpwalk", "-v2c", "-c", "rdwalk", "-On", "-Cc",
                                   "127.0.0.1:" + std::to_string(port), column});
  int rows = 0;
  std::istringstream lines(out);
  for (std::string line; std::getline(lines, line);) rows += line.rfind("." + column + ".", 0) == 0;
  return rows;
}

class RequestAgent : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "request_walk";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    KvSNMPCreateSession(MakeTempDir("kvboot"));
    agent_ = new SnmpdAgent();
    ASSERT_TRUE(agent_->Start()) << agent_->Log();
  }
  static void TearDownTestSuite() {
    delete agent_;
    agent_ = nullptr;
  }
  void SetUp() override { ASSERT_NE(agent_, nullptr); }

  // The rows a table walk asks for per request (see SNMPMaxRepetitions), and the
  // requests it may have on their way at once.
  virtual int Repetitions() const { return SNMPMaxRepetitions; }
  virtual int InFlight() const { return SNMPSettings.Timing.InFlight; }

  // A request aimed at the agent with `version` and the given list.
  void Aim(KvSNMPRequest &request, int version, const KvSNMPVarDef *defs, unsigned char type, int keys) const {
    agent_->AimAt(request.Settings, version);
    request.Settings.Timing.Timeout = 100;
    request.Settings.Timing.MaxRepetitions = Repetitions();
    request.Settings.Timing.InFlight = InFlight();
    request.VarList = KvSNMPVarList(defs, type, keys);
  }

  void AimV3(KvSNMPRequest &request, const std::string &user, const KvSNMPVarDef *defs,
                    unsigned char type, int keys) {
    Aim(request, 3, defs, type, keys);
    SnmpdAgent::UseUser(request.Settings, user);
  }

  // Every row of a synchronous walk, each row as its items' values joined by "|".
  static std::vector<std::string> WalkRows(KvSNMPRequest &request, bool *lastAllNotDone = nullptr) {
    std::vector<std::string> rows;
    for (bool first = true; request.Get(first); first = false) rows.push_back(RowText(request.VarList));
    if (lastAllNotDone) {
      *lastAllNotDone = true;
      for (int i = 0; i < request.VarList.GetCount(); ++i)
        if (request.VarList.IsReadable(i) && request.VarList.GetItem(i)->Value != "(NOTDONE)")
          *lastAllNotDone = false;
    }
    return rows;
  }

  static std::string RowText(const KvSNMPVarList &list) {
    std::string row;
    for (int i = 0; i < list.GetCount(); ++i) row += list.GetItem(i)->Value + "|";
    return row;
  }

  static bool PumpUntil(const std::function<bool()> &done, int ms = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) SnmpProcessMessages(20);
    return done();
  }

  static SnmpdAgent *agent_;
};
SnmpdAgent *RequestAgent::agent_ = nullptr;

// Table walks, once with each of the repetitions the walk can be given: 0 (one row per
// request) and -1 (as many as the walk chooses), one request at a time; and -2: as many
// as the walk chooses, with the columns read side by side (four requests in flight).
class RequestWalk : public RequestAgent, public ::testing::WithParamInterface<int> {
protected:
  int Repetitions() const override { return GetParam() == -2 ? -1 : GetParam(); }
  int InFlight() const override { return GetParam() == -2 ? kMaxInFlight : 1; }
};

std::string WalkMode(const ::testing::TestParamInfo<int> &info) {
  return info.param == 0 ? "OneRow" : info.param == -1 ? "Bulk" : "SideBySide";
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(Modes, RequestWalk, ::testing::Values(0, -1, -2), WalkMode);

TEST_F(RequestAgent, ScalarGroupSendsOneBindingPerReadableItem) {
  KvSNMPRequest request;
  Aim(request, 1, kScalarDefs, SVT_SV, 0);
  EXPECT_FALSE(request.Get(true));
  EXPECT_NE(request.VarList.GetItem(0)->Value, "");
  EXPECT_EQ(request.VarList.GetItem(0)->Instance, "1.3.6.1.2.1.1.1.0");
  EXPECT_EQ(request.VarList.GetItem(1)->Instance, "1.3.6.1.2.1.1.3.0");
  EXPECT_EQ(request.VarList.GetItem(2)->Instance, "");  // never asked for
  EXPECT_EQ(request.VarList.GetItem(3)->Instance, "1.3.6.1.2.1.1.5.0");
  EXPECT_EQ(ErrorCodeOf([&] { request.Get(false); }), -510);
}

TEST_F(RequestAgent, SnmpV1ReadLeavesOutTheObjectsTheAgentLacks) {
  // snmpd has no sysServices, nor anything at .1.99: over SNMPv1 each makes the whole
  // Get answer noSuchName. The read asks again without it and fills the rest as the
  // SNMPv2c read does; over SNMPv1 it then fails with noSuchName naming both.
  const KvSNMPVarDef scalars[] = {
      {"1.3.6.1.2.1.1.1", "sysDescr", Syntax::DisplayStr, Access::ReadOnly, nullptr},
      {"1.3.6.1.2.1.1.7", "sysServices", Syntax::Integer, Access::ReadOnly, nullptr},
      {"1.3.6.1.2.1.1.2", "sysObjectID", Syntax::ObjectId, Access::ReadOnly, nullptr},
      {"1.3.6.1.2.1.1.99", "nothingHere", Syntax::DisplayStr, Access::ReadOnly, nullptr},
      {"1.3.6.1.2.1.1.5", "sysName", Syntax::DisplayStr, Access::ReadWrite, nullptr},
      {nullptr, nullptr, 0, 0, nullptr}};
  const KvSNMPVarDef instances[] = {
      {"1.3.6.1.2.1.1.1.0", "sysDescr", Syntax::DisplayStr, Access::ReadOnly, nullptr},
      {"1.3.6.1.2.1.1.7.0", "sysServices", Syntax::Integer, Access::ReadOnly, nullptr},
      {"1.3.6.1.2.1.1.2.0", "sysObjectID", Syntax::ObjectId, Access::ReadOnly, nullptr},
      {"1.3.6.1.2.1.1.99.0", "nothingHere", Syntax::DisplayStr, Access::ReadOnly, nullptr},
      {"1.3.6.1.2.1.1.5.0", "sysName", Syntax::DisplayStr, Access::ReadWrite, nullptr},
      {nullptr, nullptr, 0, 0, nullptr}};
  const std::string named = "(SNMP) Variable does not exist! (sysServices, nothingHere)";
  auto values = [](const KvSNMPVarList &list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.GetCount(); ++i) out.push_back(list.GetItem(i)->Value);
    return out;
  };
  for (unsigned char type : {SVT_SV, MVT_SV}) {
    const KvSNMPVarDef *defs = type == SVT_SV ? scalars : instances;
    KvSNMPRequest v2c;
    Aim(v2c, 1, defs, type, 0);
    ASSERT_NO_THROW(v2c.Get(true));
    EXPECT_FALSE(v2c.PartlyRead());
    const auto expected = values(v2c.VarList);
    EXPECT_EQ(expected[1], "(NULL)");
    EXPECT_EQ(expected[3], "");  // a display string shows a missing value as empty text
    EXPECT_NE(expected[0], "");
    EXPECT_NE(expected[2], "(NULL)");
    EXPECT_NE(expected[4], "");
    for (bool async : {false, true}) {
      SCOPED_TRACE(std::string(type == SVT_SV ? "scalars" : "instances") + (async ? " async" : " blocking"));
      KvSNMPRequest v1;
      Aim(v1, 0, defs, type, 0);
      if (async) {
        KvSNMPError last;
        bool done = false;
        v1.GetAsync([&](void *, KvSNMPError *error, KvSNMPVarList *) { last = *error, done = true; }, nullptr,
                    true);
        ASSERT_TRUE(RunEventsUntil([&] { return done; }, 10000));
        EXPECT_EQ(last.Code, -102);
        EXPECT_EQ(last.Message, named);
        EXPECT_TRUE(last.PartlyRead);
        EXPECT_TRUE(last.Done);
        EXPECT_EQ(v1.PendingCount(), 0);
      } else {
        try {
          v1.Get(true);
          ADD_FAILURE() << "no failure";
        } catch (const KvException &e) {
          EXPECT_EQ(e.Code(), -102);
          EXPECT_STREQ(e.what(), named.c_str());
        }
      }
      EXPECT_TRUE(v1.PartlyRead());
      EXPECT_EQ(values(v1.VarList), expected);
      // A read of only missing objects marks them all and ends; one without any is whole.
      KvSNMPRequest none;
      Aim(none, 0, defs, type, 0);
      for (int i : {0, 2, 4}) none.VarList.GetItem(i)->Access |= Access::Invalid;
      EXPECT_EQ(ErrorCodeOf([&] { none.Get(true); }), -102);
      EXPECT_EQ(none.VarList.GetItem(1)->Value, "(NULL)");
      for (int i : {1, 3}) v1.VarList.GetItem(i)->Access |= Access::Invalid;
      EXPECT_NO_THROW(v1.Get(true));
      EXPECT_FALSE(v1.PartlyRead());
    }
  }
  // A Set is never sent again in part: the object that exists is not written either.
  KvSNMPRequest set;
  Aim(set, 0, scalars, SVT_SV, 0);
  for (int i = 0; i < 5; ++i) set.VarList.GetItem(i)->Access = i == 3 || i == 4 ? Access::ReadWrite : 0;
  set.VarList.GetItem(3)->Value = "x";
  set.VarList.GetItem(4)->Value = "never-written";
  EXPECT_NE(ErrorCodeOf([&] { set.Set(false); }), 0);
  KvSNMPRequest check;
  Aim(check, 1, scalars, SVT_SV, 0);
  check.Get(true);
  EXPECT_NE(check.VarList.GetItem(4)->Value, "never-written");
}

TEST_P(RequestWalk, TwoColumnTableIsReadOneRowPerCall) {
  const int views = CountRows(agent_->Port(), "1.3.6.1.6.3.16.1.5.2.1.4");
  ASSERT_GT(views, 1);
  for (int version : {0, 1}) {  // v1 ends on noSuchName, v2c on endOfMibView
    KvSNMPRequest request;
    Aim(request, version, kViewTreeDefs, MVT_FMV, 2);
    bool allNotDone = false;
    const auto rows = WalkRows(request, &allNotDone);
    EXPECT_EQ(static_cast<int>(rows.size()), views) << "version " << version;
    EXPECT_TRUE(allNotDone) << "version " << version;
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0].rfind("_all_|", 0), 0u) << rows[0];  // the first view's name, decoded
  }
}

TEST_P(RequestWalk, EmptyTableWithIntegerKeysEndsAtOnce) {
  // Nothing lives under this enterprise, so both columns run past at the first read,
  // before any key was decoded.
  const KvSNMPVarDef defs[] = {
      {"1.3.6.1.4.1.99999.1.1.1", "a", Syntax::Integer, Access::NotAccess, nullptr},
      {"1.3.6.1.4.1.99999.1.1.2", "b", Syntax::Integer, Access::NotAccess, nullptr},
      {"1.3.6.1.4.1.99999.1.1.3", "c", Syntax::Integer, Access::ReadOnly, nullptr},
      {"1.3.6.1.4.1.99999.1.1.4", "d", Syntax::DisplayStr, Access::ReadOnly, nullptr},
      {nullptr, nullptr, 0, 0, nullptr}};
  for (int version : {0, 1}) {
    KvSNMPRequest request;
    Aim(request, version, defs, MVT_UMV, 2);
    bool more = true;
    EXPECT_EQ(ErrorCodeOf([&] { more = request.Get(true); }), 0) << "version " << version;
    EXPECT_FALSE(more);
    EXPECT_EQ(request.VarList.GetItem(2)->Value, "(NOTDONE)");
  }
}

TEST_P(RequestWalk, ShorterColumnShowsNotDoneWhileTheWalkGoesOn) {
  const int longer = CountRows(agent_->Port(), "1.3.6.1.2.1.1.9.1.2");
  const int shorter = CountRows(agent_->Port(), "1.3.6.1.2.1.2.2.1.1");
  ASSERT_GT(longer, shorter);
  KvSNMPRequest request;
  Aim(request, 1, kUnevenDefs, MVT_FMV, 1);
  std::vector<std::string> ifIndexes;
  for (bool first = true; request.Get(first); first = false)
    ifIndexes.push_back(request.VarList.GetItem(2)->Value);
  ASSERT_EQ(static_cast<int>(ifIndexes.size()), longer);
  for (int row = 0; row < longer; ++row)
    EXPECT_EQ(ifIndexes[row] == "(NOTDONE)", row >= shorter) << "row " << row;
}

TEST_P(RequestWalk, ReadableIndexColumnEndsTheWalkWithoutError) {
  // ifIndex is both the key and a readable column: at the end it runs past first.
  const KvSNMPVarDef defs[] = {
      {"1.3.6.1.2.1.2.2.1.1", "ifIndex", Syntax::Integer, Access::ReadOnly, nullptr},
      {"1.3.6.1.2.1.2.2.1.2", "ifDescr", Syntax::DisplayStr, Access::ReadOnly, nullptr},
      {nullptr, nullptr, 0, 0, nullptr}};
  const int interfaces = CountRows(agent_->Port(), "1.3.6.1.2.1.2.2.1.1");
  ASSERT_GT(interfaces, 0);
  for (int version : {0, 1, 3}) {
    KvSNMPRequest request;
    if (version == 3) AimV3(request, "shauser", defs, MVT_FMV, 1);
    else Aim(request, version, defs, MVT_FMV, 1);
    int rows = 0;
    EXPECT_EQ(ErrorCodeOf([&] {
                for (bool first = true; request.Get(first); first = false) ++rows;
              }),
              0)
        << "version " << version;
    EXPECT_EQ(rows, interfaces) << "version " << version;
    // The same walk again, answered through the pump, ends with success.
    KvSNMPError last;
    rows = 0;
    KvSNMPCallback onRow = [&](void *, KvSNMPError *error, KvSNMPVarList *) {
      last = *error;
      if (!error->Done) ++rows, request.GetAsync(onRow, nullptr, false);
    };
    request.GetAsync(onRow, nullptr, true);
    ASSERT_TRUE(PumpUntil([&] { return request.PendingCount() == 0 && last.Done; }));
    EXPECT_EQ(last.Code, 0) << last.Message;
    EXPECT_EQ(last.Message, "(KvSNMP++) Ok!");
    EXPECT_EQ(rows, interfaces);
  }
}

TEST_P(RequestWalk, AsynchronousWalkEqualsTheSynchronousOne) {
  KvSNMPRequest sync;
  Aim(sync, 1, kViewTreeDefs, MVT_FMV, 2);
  const auto expected = WalkRows(sync);

  // The session was created with an application, so its pump runs.
  ASSERT_TRUE(SnmpEventPump().Running());
  const long wakeupsBefore = SnmpEventPump().SocketWakeups();
  KvSNMPRequest async;
  Aim(async, 1, kViewTreeDefs, MVT_FMV, 2);
  std::vector<std::string> rows;
  bool done = false;
  int lastCode = 0;
  KvSNMPCallback onRow = [&](void *, KvSNMPError *error, KvSNMPVarList *list) {
    lastCode = error->Code;
    if (error->Done) {
      done = true;
      return;
    }
    rows.push_back(RowText(*list));
    async.GetAsync(onRow, nullptr, false);
  };
  // The pump's timer ticks only while an answer is awaited. What earlier tests left for
  // the pump (a round asked for, a late answer) runs first, so that the timer stops.
  ASSERT_TRUE(RunEventsUntil([] { return !SnmpEventPump().TimerActive(); }, 5000));
  async.GetAsync(onRow, nullptr, true);
  EXPECT_TRUE(SnmpEventPump().TimerActive());
  ASSERT_TRUE(RunEventsUntil([&] { return done; }, 10000));
  EXPECT_FALSE(SnmpEventPump().TimerActive());
  EXPECT_EQ(lastCode, 0);
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(async.PendingCount(), 0);
  // The answers woke the pump through the sockets, not only at its timer's ticks: one
  // answer per row, or at least one answer for many rows.
  const long answers = Repetitions() == 0 ? static_cast<long>(expected.size()) : 1;
  EXPECT_GE(SnmpEventPump().SocketWakeups() - wakeupsBefore, answers);
}

TEST_P(RequestWalk, UsmUserTableDecodesEngineIdAndUserName) {
  KvSNMPRequest request;
  AimV3(request, "shaaesuser", kUsmUserDefs, MVT_FMV, 2);
  std::vector<std::string> names;
  for (bool first = true; request.Get(first); first = false) {
    const KvSNMPVarList &l = request.VarList;
    EXPECT_GE(l.GetItem(0)->Value.size(), 10u);  // an engine ID, in hex
    EXPECT_EQ(l.GetItem(1)->Value, l.GetItem(2)->Value);
    names.push_back(l.GetItem(1)->Value);
  }
  for (const SnmpdUser &u : SnmpdAgent::StandardUsers())
    EXPECT_NE(std::find(names.begin(), names.end(), u.Name), names.end()) << u.Name;
}

TEST_P(RequestWalk, MultiKeyVacmTablesDecodeEveryKey) {
  KvSNMPRequest groups;
  Aim(groups, 1, kSecurityToGroupDefs, MVT_FMV, 2);
  bool sawUser = false;
  for (bool first = true; groups.Get(first); first = false) {
    const KvSNMPVarList &l = groups.VarList;
    if (l.GetItem(1)->Value == SnmpdAgent::StandardUsers()[0].Name) {
      sawUser = true;
      EXPECT_EQ(l.GetItem(0)->Value, "3");  // USM
      EXPECT_NE(l.GetItem(2)->Value, "");
    }
  }
  EXPECT_TRUE(sawUser);

  KvSNMPRequest access;
  Aim(access, 1, kAccessDefs, MVT_FMV, 4);
  int rows = 0;
  for (bool first = true; access.Get(first); first = false) {
    ++rows;
    const KvSNMPVarList &l = access.VarList;
    EXPECT_NE(l.GetItem(0)->Value, "");
    EXPECT_TRUE(l.GetItem(3)->Value == "1" || l.GetItem(3)->Value == "2" || l.GetItem(3)->Value == "3");
    // Re-encoding the decoded keys gives back the row's instance.
    EXPECT_EQ("1.3.6.1.6.3.16.1.4.1.5." + access.EncodeIndex(0) + "." + access.EncodeIndex(1) + "." +
                  access.EncodeIndex(2) + "." + access.EncodeIndex(3),
              l.GetItem(4)->Instance);
  }
  EXPECT_GT(rows, 0);
}

TEST_P(RequestWalk, TargetAddressRowWithImpliedNameIsCreatedWalkedAndDestroyed) {
  KvSNMPRequest request;
  Aim(request, 1, kTargetAddrDefs, MVT_UMV, 1);
  KvSNMPVarList &l = request.VarList;
  l.GetItem(0)->Value = "kvtest";
  l.GetItem(1)->Value = "1.3.6.1.6.1.1";       // snmpUDPDomain
  l.GetItem(2)->Value = "7F0000010FA1";        // 127.0.0.1:4001
  l.GetItem(3)->Value = "kvparams";
  l.GetItem(4)->Value = "4";                   // createAndGo
  ASSERT_NO_THROW(request.Set(false));

  bool found = false;
  for (bool first = true; request.Get(first); first = false)
    if (l.GetItem(0)->Value == "kvtest") {
      found = true;
      EXPECT_EQ(l.GetItem(2)->Value, "7F0000010FA1");
      EXPECT_EQ(l.GetItem(3)->Value, "kvparams");
      EXPECT_EQ(l.GetItem(4)->Instance, "1.3.6.1.6.3.12.1.2.1.9.107.118.116.101.115.116");
    }
  EXPECT_TRUE(found);

  l.GetItem(0)->Value = "kvtest";
  l.GetItem(4)->Value = "6";  // destroy
  ASSERT_NO_THROW(request.Set(false, "0,4"));
  found = false;
  for (bool first = true; request.Get(first); first = false) found |= l.GetItem(0)->Value == "kvtest";
  EXPECT_FALSE(found);
}

TEST_F(RequestAgent, BulkWalkShowsEveryRowAsTheOneRowWalkDoes) {
  struct Table {
    const KvSNMPVarDef *defs;
    int keys;
    int version;
  };
  for (const Table &t : {Table{kViewTreeDefs, 2, 1}, Table{kUnevenDefs, 1, 1}, Table{kAccessDefs, 4, 1},
                         Table{kUsmUserDefs, 2, 3}, Table{kSecurityToGroupDefs, 2, 3}}) {
    std::vector<std::string> byMode[2];
    for (int repetitions : {0, -1, 2}) {
      KvSNMPRequest request;
      if (t.version == 3)
        AimV3(request, "shaaesuser", t.defs, MVT_FMV, t.keys);
      else
        Aim(request, t.version, t.defs, MVT_FMV, t.keys);
      request.Settings.Timing.MaxRepetitions = repetitions;
      bool allNotDone = false;
      const auto rows = WalkRows(request, &allNotDone);
      EXPECT_TRUE(allNotDone) << t.defs[0].Name;
      if (repetitions == 0)
        byMode[0] = rows;
      else
        EXPECT_EQ(rows, byMode[0]) << t.defs[0].Name << ", " << repetitions << " repetitions";
    }
    EXPECT_FALSE(byMode[0].empty()) << t.defs[0].Name;
  }
}

TEST_F(RequestAgent, SetWithSelectionWritesOnlyTheChosenItems) {
  KvSNMPRequest request;
  Aim(request, 1, kSystemDefs, SVT_SV, 0);
  ASSERT_FALSE(request.Get(true));
  const std::string nameBefore = request.VarList.GetItem(1)->Value;
  request.VarList.GetItem(0)->Value = "ops@example";
  request.VarList.GetItem(1)->Value = "should-not-be-written";
  request.VarList.GetItem(2)->Value = "rack 7";
  ASSERT_NO_THROW(request.Set(false, "0,2"));
  EXPECT_EQ(request.VarList.GetItem(1)->Access, Access::ReadWrite);  // not left flagged
  EXPECT_EQ(request.VarList.GetItem(1)->Value, "should-not-be-written");  // the list is as it was

  KvSNMPRequest check;
  Aim(check, 1, kSystemDefs, SVT_SV, 0);
  check.Get(true);
  EXPECT_EQ(check.VarList.GetItem(0)->Value, "ops@example");
  EXPECT_EQ(check.VarList.GetItem(1)->Value, nameBefore);
  EXPECT_EQ(check.VarList.GetItem(2)->Value, "rack 7");

  // Values supplied with the selection replace the items' values for this write only.
  const std::vector<std::string> values = {"from-values"};
  ASSERT_NO_THROW(request.Set(false, "2", &values));
  check.Get(true);
  EXPECT_EQ(check.VarList.GetItem(2)->Value, "from-values");
  EXPECT_EQ(request.VarList.GetItem(2)->Value, "rack 7");
}

TEST_F(RequestAgent, RefusedSetRaisesTheAgentsCodeAndKeepsTheList) {
  const KvSNMPVarDef defs[] = {
      {"1.3.6.1.2.1.1.3", "sysUpTime", Syntax::TimeTicks, Access::ReadWrite, nullptr},
      {"1.3.6.1.2.1.1.4", "sysContact", Syntax::DisplayStr, Access::ReadWrite, nullptr},
      {nullptr, nullptr, 0, 0, nullptr}};
  KvSNMPRequest request;
  Aim(request, 1, defs, SVT_SV, 0);
  request.VarList.GetItem(0)->Value = "0:00:01.00";
  request.VarList.GetItem(1)->Value = "x";
  const KvSNMPVarList before = request.VarList;
  const int code = ErrorCodeOf([&] { request.Set(false); });
  EXPECT_EQ(code, -117);  // notWritable
  EXPECT_EQ(request.VarList.GetItem(0)->Value, before.GetItem(0)->Value);
  EXPECT_EQ(request.VarList.GetItem(1)->Access, before.GetItem(1)->Access);
}

TEST_F(RequestAgent, DoubleIsWrittenAsEightOctetsAndReadsBackTheSame) {
  // One target address row, addressed through the list's instance suffix; its
  // transport address column carries the double's eight octets.
  const KvSNMPVarDef defs[] = {
      {"1.3.6.1.6.3.12.1.2.1.2", "snmpTargetAddrTDomain", Syntax::ObjectId, Access::ReadWrite, nullptr},
      {"1.3.6.1.6.3.12.1.2.1.3", "snmpTargetAddrTAddress", Syntax::Double, Access::ReadWrite, nullptr},
      {"1.3.6.1.6.3.12.1.2.1.7", "snmpTargetAddrParams", Syntax::DisplayStr, Access::ReadWrite, nullptr},
      {"1.3.6.1.6.3.12.1.2.1.9", "snmpTargetAddrRowStatus", Syntax::Integer, Access::ReadWrite, nullptr},
      {nullptr, nullptr, 0, 0, nullptr}};
  KvSNMPRequest request;
  Aim(request, 1, defs, MVT_SV, 0);
  request.VarList.InstanceSuffix = "107.118.100";  // "kvd"
  const std::vector<std::string> row = {"1.3.6.1.6.1.1", "-1234.5625", "kvparams", "4"};
  ASSERT_NO_THROW(request.Set(false, "0,1,2,3", &row));
  request.Get(true);
  EXPECT_EQ(request.VarList.GetItem(1)->Value, "-1234.5625");
  EXPECT_EQ(request.VarList.GetItem(1)->Instance, "1.3.6.1.6.3.12.1.2.1.3.107.118.100");
  const std::vector<std::string> destroy = {"6"};
  EXPECT_NO_THROW(request.Set(false, "3", &destroy));
}

TEST_F(RequestAgent, SilentPortTimesOut) {
  KvSNMPRequest request;
  Aim(request, 1, kScalarDefs, SVT_SV, 0);
  request.Settings.Device.Port = static_cast<uint16_t>(FreeUdpPort());
  request.Settings.Timing.Timeout = 10;
  request.Settings.Timing.Retries = 0;
  EXPECT_EQ(ErrorCodeOf([&] { request.Get(true); }), -405);
}

TEST_F(RequestAgent, DestroyingARequestWaitsForNothingAndDropsItsLateAnswers) {
  const int outstandingBefore = GlobalSnmp->OutstandingCount();
  int callbacks = 0;
  const auto start = std::chrono::steady_clock::now();
  {
    auto request = std::make_unique<KvSNMPRequest>();
    Aim(*request, 1, kScalarDefs, SVT_SV, 0);
    request->Settings.Device.Port = static_cast<uint16_t>(FreeUdpPort());
    request->Settings.Timing.Timeout = 30;
    request->Settings.Timing.Retries = 0;
    auto count = [&](void *, KvSNMPError *, KvSNMPVarList *) { ++callbacks; };
    request->GetAsync(count, nullptr, true);
    request->GetAsync(count, nullptr, true);
    EXPECT_EQ(request->PendingCount(), 2);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
  EXPECT_EQ(GlobalSnmp->OutstandingCount(), outstandingBefore);
  // The time-outs run out later and reach nobody.
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 500) SnmpProcessMessages(20);
  EXPECT_EQ(callbacks, 0);
}

TEST_F(RequestAgent, AnswerArrivingAfterTheRequestIsGoneIsDropped) {
  int callbacks = 0;
  {
    KvSNMPRequest request;
    Aim(request, 1, kScalarDefs, SVT_SV, 0);
    request.GetAsync([&](void *, KvSNMPError *, KvSNMPVarList *) { ++callbacks; }, nullptr, true);
    request.SetEnabled(false);  // as a window switching pages does
    ASSERT_TRUE(PumpUntil([&] { return request.PendingCount() == 0; }));
  }
  EXPECT_EQ(callbacks, 0);
}

// Every authentication and privacy code that --help lists reads the simulated switch;
// the privacy codes it leaves out fail before anything is sent.
TEST(SecurityCodes, EveryListedCodeReadsTheSwitch) {
  static int argc = 1;
  static char name[] = "security_codes";
  static char *argv[] = {name, nullptr};
  if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
  if (!GlobalSnmp) KvSNMPCreateSession(MakeTempDir("kvboot"));
  struct Case {
    const char *user;  // NAME:AUTH:AUTHPASS[:PRIV:PRIVPASS] for the simulator
    int auth, priv, code;
  };
  const Case cases[] = {
      {"u2:MD5:authpass2", SnmpAuth::Md5, SnmpPriv::None, 0},
      {"u3:SHA:authpass3:DES:privpass3", SnmpAuth::Sha, SnmpPriv::Des, 0},
      {"u4:SHA-224:authpass4:AES:privpass4", SnmpAuth::Sha224, SnmpPriv::Aes128, 0},
      {"u5:SHA-256:authpass5:AES-192:privpass5", SnmpAuth::Sha256, SnmpPriv::Aes192, 0},
      {"u6:SHA-384:authpass6:AES-256:privpass6", SnmpAuth::Sha384, SnmpPriv::Aes256, 0},
      {"u7:SHA-512:authpass7:AES-256:privpass7", SnmpAuth::Sha512, SnmpPriv::Aes256, 0},
      {"u8:SHA:authpass8:AES:privpass8", SnmpAuth::Sha, SnmpPriv::TripleDes, -313},
      {"u9:SHA:authpass9:AES:privpass9", SnmpAuth::Sha, SnmpPriv::Idea, -313},
  };
  SwitchSimOptions options;
  for (const Case &c : cases) options.users.push_back(c.user);
  SwitchSimAgent sim(options);
  ASSERT_TRUE(sim.Started()) << sim.Output();
  for (const Case &c : cases) {
    std::vector<std::string> parts;
    std::stringstream fields(c.user);
    for (std::string f; std::getline(fields, f, ':');) parts.push_back(f);
    KvSNMPRequest request;
    sim.AimAt(request.Settings, 1);
    request.Settings.Security.Version = 3;
    request.Settings.Security.SecurityModel = 3;
    request.Settings.Security.SecurityName = parts[0];
    request.Settings.Security.AuthProtocol = c.auth;
    request.Settings.Security.AuthPassword = parts[2];
    request.Settings.Security.PrivProtocol = c.priv;
    request.Settings.Security.PrivPassword = parts.size() > 4 ? parts[4] : "";
    request.Settings.Security.SecurityLevel = c.priv == SnmpPriv::None ? 2 : 3;
    request.VarList = KvSNMPVarList(kScalarDefs, SVT_SV, 0);
    EXPECT_EQ(ErrorCodeOf([&] { request.Get(true); }), c.code) << c.user;
    if (c.code == 0) {
      EXPECT_NE(request.VarList.GetItem(0)->Value, "") << c.user;
    }
  }
}
