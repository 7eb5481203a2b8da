// Table walks in many rows per request, as the simulated switch's request log shows them:
// GetBulk of all the walked columns on SNMPv2c and SNMPv3, GetNext on SNMPv1 and when
// the settings ask for one row per request, fewer repetitions after tooBig, and one row
// per request for good once an agent gave an error answer to a GetBulk.

#include "event_wait.h"
#include "kv_exception.h"
#include "kv_snmp_request.h"
#include "kv_snmp_session.h"
#include "snmp_event_processor.h"
#include "switch_sim_agent.h"

#include <QCoreApplication>

#include "error_code.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
// The switch's IGMP group table: two keys, three columns; the simulator adds --rows
// groups to the three of its data.
#define BASE "1.3.6.1.4.1.171.11.43.2.2.11.5.1"
const KvSNMPVarDef kGroupDefs[] = {{BASE ".1", "vid", Syntax::Integer, Access::NotAccess, nullptr},
                                   {BASE ".2", "group", Syntax::IpAddress, Access::NotAccess, nullptr},
                                   {BASE ".3", "mac", Syntax::MacAddress, Access::ReadOnly, nullptr},
                                   {BASE ".4", "ports", Syntax::BitStr, Access::ReadOnly, nullptr},
                                   {BASE ".5", "reports", Syntax::Integer, Access::ReadOnly, nullptr},
                                   {nullptr, nullptr, 0, 0, nullptr}};
const std::string kGroupTable = BASE;
#undef BASE
constexpr int kDataFileGroups = 3;
constexpr int kChosenRepetitions = KvSNMPRequest::kBulkValuesPerAnswer / 3;

class RequestBulk : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "request_bulk";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    KvSNMPCreateSession(MakeTempDir("kvboot"));
  }

  // A simulator with a request log, `rows` generated groups and further options.
  static std::unique_ptr<SwitchSimAgent> Switch(int rows, std::vector<std::string> more = {}) {
    more.insert(more.end(), {"--rows", std::to_string(rows)});
    auto sim = std::make_unique<SwitchSimAgent>(SwitchSimOptions{{"bulkuser:SHA:bulkauthpass"}, true, more});
    EXPECT_TRUE(sim->Started()) << sim->Output();
    return sim;
  }

  static void Aim(KvSNMPRequest &request, const SwitchSimAgent &sim, int version, int repetitions = -1) {
    sim.AimAt(request.Settings, version);
    if (version == 3) {
      request.Settings.Security.SecurityName = "bulkuser";
      request.Settings.Security.SecurityModel = 3;
      request.Settings.Security.SecurityLevel = 2;
      request.Settings.Security.AuthProtocol = SnmpAuth::Sha;
      request.Settings.Security.AuthPassword = "bulkauthpass";
    }
    request.Settings.Timing.MaxRepetitions = repetitions;
    request.VarList = KvSNMPVarList(kGroupDefs, MVT_FMV, 2);
  }

  // Every row of a blocking walk, each as its items' values joined by "|".
  static std::vector<std::string> Walk(KvSNMPRequest &request) {
    std::vector<std::string> rows;
    for (bool first = true; request.Get(first); first = false) {
      std::string row;
      for (int i = 0; i < request.VarList.GetCount(); ++i) row += request.VarList.GetItem(i)->Value + "|";
      rows.push_back(row);
    }
    return rows;
  }

  // The same through the event pump; the code of the last answer in `code`.
  static std::vector<std::string> WalkAsync(KvSNMPRequest &request, int &code) {
    std::vector<std::string> rows;
    bool done = false;
    KvSNMPCallback onRow = [&](void *, KvSNMPError *error, KvSNMPVarList *list) {
      code = error->Code;
      if (error->Done) {
        done = true;
        return;
      }
      std::string row;
      for (int i = 0; i < list->GetCount(); ++i) row += list->GetItem(i)->Value + "|";
      rows.push_back(row);
      request.GetAsync(onRow, nullptr, false);
    };
    request.GetAsync(onRow, nullptr, true);
    EXPECT_TRUE(RunEventsUntil([&] { return done; }, 30000));
    return rows;
  }

  // The log lines from line `from` on that hold every one of `parts`.
  static std::vector<std::string> Requests(const SwitchSimAgent &sim, size_t from, std::vector<std::string> parts) {
    parts.push_back(kGroupTable);
    std::vector<std::string> out;
    const auto lines = sim.LogLines();
    for (size_t i = from; i < lines.size(); ++i) {
      bool all = true;
      for (const auto &p : parts) all = all && lines[i].find(p) != std::string::npos;
      if (all) out.push_back(lines[i]);
    }
    return out;
  }
};
}  // namespace

TEST_F(RequestBulk, ThousandRowsTakeAboutRowsOverRepetitionsRequestsAndSnmpV1KeepsGetNext) {
  const auto sim = Switch(1000);
  const int rows = 1000 + kDataFileGroups;
  const int fewest = rows / kChosenRepetitions, most = fewest + 2;
  KvSNMPRequest oneRow;
  Aim(oneRow, *sim, 1, 0);
  const auto expected = Walk(oneRow);
  ASSERT_EQ(static_cast<int>(expected.size()), rows);
  EXPECT_EQ(Requests(*sim, 0, {"\"op\":\"getnext\""}).size(), static_cast<size_t>(rows + 1));

  // The walk starts with the rows of kBulkValuesPerAnswer values and asks for more while
  // the answers come back whole, up to what one answer holds: the simulator's messages
  // hold about 33 rows of these three columns, and cut a GetBulk for more short.
  const auto repetitionsOf = [](const std::string &line) {
    const size_t at = line.find("\"maxRepetitions\":");
    return at == std::string::npos ? -1 : std::atoi(line.c_str() + at + 17);
  };
  const int fitting = rows / 34, asked = rows / 25 + 3;
  for (int version : {1, 3}) {
    size_t from = sim->LogLines().size();
    KvSNMPRequest request;
    Aim(request, *sim, version);
    GlobalSnmp->BulkState(request.Settings.BuildTarget()) = {};  // nothing learnt of the agent yet
    EXPECT_EQ(Walk(request), expected) << "version " << version;
    const auto bulks = Requests(*sim, from, {"\"op\":\"getbulk\""});
    ASSERT_FALSE(bulks.empty());
    EXPECT_EQ(repetitionsOf(bulks.front()), kChosenRepetitions) << "version " << version;
    EXPECT_GT(repetitionsOf(bulks[1]), kChosenRepetitions) << "version " << version;
    EXPECT_GE(static_cast<int>(bulks.size()), fitting) << "version " << version;
    EXPECT_LE(static_cast<int>(bulks.size()), asked) << "version " << version;
    EXPECT_LT(static_cast<int>(bulks.size()), fewest) << "version " << version;
    EXPECT_TRUE(Requests(*sim, from, {"\"op\":\"getnext\""}).empty());

    // The next walk of the agent starts from what its answers held.
    from = sim->LogLines().size();
    int code = -1;
    EXPECT_EQ(WalkAsync(request, code), expected) << "version " << version;
    EXPECT_EQ(code, 0);
    const auto again = Requests(*sim, from, {"\"op\":\"getbulk\""});
    ASSERT_FALSE(again.empty());
    EXPECT_GT(repetitionsOf(again.front()), kChosenRepetitions) << "version " << version;
    EXPECT_LE(static_cast<int>(again.size()), std::min(most, asked));
  }

  size_t from = sim->LogLines().size();
  KvSNMPRequest v1;
  Aim(v1, *sim, 0);
  EXPECT_EQ(Walk(v1), expected);
  EXPECT_TRUE(Requests(*sim, from, {"\"op\":\"getbulk\""}).empty());
  EXPECT_EQ(Requests(*sim, from, {"\"op\":\"getnext\""}).size(), static_cast<size_t>(rows + 1));

  // Repetitions given by the settings.
  from = sim->LogLines().size();
  KvSNMPRequest seven;
  Aim(seven, *sim, 1, 7);
  EXPECT_EQ(Walk(seven), expected);
  EXPECT_EQ(Requests(*sim, from, {"\"maxRepetitions\":7"}).size(), static_cast<size_t>(rows / 7 + 1));
}

TEST_F(RequestBulk, TooBigHalvesTheRepetitionsForTheAgentAndAnAnswerThatNeverFitsFailsAsTheOneRowWalkDoes) {
  const auto sim = Switch(100, {"--too-big", "30"});
  KvSNMPRequest oneRow, bulk, again;
  Aim(oneRow, *sim, 1, 0);
  Aim(bulk, *sim, 1);
  Aim(again, *sim, 1);
  const auto expected = Walk(oneRow);
  size_t from = sim->LogLines().size();
  EXPECT_EQ(Walk(bulk), expected);
  const auto bulks = Requests(*sim, from, {"\"op\":\"getbulk\""});
  ASSERT_GE(bulks.size(), 2u);
  EXPECT_NE(bulks[0].find("\"maxRepetitions\":20,\"tooBig\":true"), std::string::npos) << bulks[0];
  EXPECT_EQ(Requests(*sim, from, {"\"maxRepetitions\":10,\"dropped\""}).size(), bulks.size() - 1);
  // The next walk starts with what fitted.
  from = sim->LogLines().size();
  EXPECT_EQ(Walk(again), expected);
  EXPECT_EQ(Requests(*sim, from, {"\"op\":\"getbulk\""}).size(), Requests(*sim, from, {"\"maxRepetitions\":10,"}).size());
  EXPECT_TRUE(Requests(*sim, from, {"tooBig"}).empty());

  // Not even one row of three values fits: the bulk walk ends with the one-row walk's error.
  const auto tiny = Switch(5, {"--too-big", "2"});
  KvSNMPRequest oneRowTiny, bulkTiny, asyncTiny;
  Aim(oneRowTiny, *tiny, 1, 0);
  Aim(bulkTiny, *tiny, 1);
  Aim(asyncTiny, *tiny, 1);
  const int code = ErrorCodeOf([&] { oneRowTiny.Get(true); });
  EXPECT_EQ(code, -101);
  EXPECT_EQ(ErrorCodeOf([&] { bulkTiny.Get(true); }), code);
  int asyncCode = 0;
  EXPECT_TRUE(WalkAsync(asyncTiny, asyncCode).empty());
  EXPECT_EQ(asyncCode, code);
}

TEST_F(RequestBulk, ErrorAnswerToAGetBulkTurnsTheAgentsWalksToOneRowForGood) {
  const auto sim = Switch(40, {"--bulk-error", "5"});
  KvSNMPRequest oneRow, first, second;
  Aim(oneRow, *sim, 1, 0);
  Aim(first, *sim, 1);
  Aim(second, *sim, 1);
  const auto expected = Walk(oneRow);
  size_t from = sim->LogLines().size();
  int code = -1;
  EXPECT_EQ(WalkAsync(first, code), expected);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(Requests(*sim, from, {"\"op\":\"getbulk\""}).size(), 1u);
  EXPECT_EQ(Requests(*sim, from, {"\"op\":\"getnext\""}).size(), expected.size() + 1);
  from = sim->LogLines().size();
  EXPECT_EQ(Walk(second), expected);
  EXPECT_TRUE(Requests(*sim, from, {"\"op\":\"getbulk\""}).empty());
  // Another agent is asked in bulk still.
  const auto other = Switch(0);
  KvSNMPRequest elsewhere;
  Aim(elsewhere, *other, 1);
  EXPECT_EQ(Walk(elsewhere).size(), static_cast<size_t>(kDataFileGroups));
  EXPECT_EQ(Requests(*other, 0, {"\"op\":\"getbulk\""}).size(), 1u);
}

TEST_F(RequestBulk, ColumnsReadSideBySideGiveTheSameRowsAndAnAgentThatLosesARequestIsReadOneAtATime) {
  const auto bindings = [](const std::string &line) {
    size_t n = 0;
    for (size_t at = line.find("{\"oid\":"); at != std::string::npos; at = line.find("{\"oid\":", at + 1)) ++n;
    return n;
  };
  const auto sim = Switch(500);
  KvSNMPRequest oneRow, sideBySide, blocking;
  Aim(oneRow, *sim, 1, 0);
  const auto expected = Walk(oneRow);
  for (KvSNMPRequest *r : {&sideBySide, &blocking}) {
    Aim(*r, *sim, 1);
    r->Settings.Timing.InFlight = kMaxInFlight;
  }
  size_t from = sim->LogLines().size();
  int code = -1;
  EXPECT_EQ(WalkAsync(sideBySide, code), expected);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(sideBySide.PendingCount(), 0);
  // The first GetBulk asks for all three columns; after its answer each column is read
  // by GetBulk of its own.
  const auto bulks = Requests(*sim, from, {"\"op\":\"getbulk\""});
  ASSERT_GE(bulks.size(), 4u);
  EXPECT_EQ(bindings(bulks.front()), 3u);
  size_t single = 0;
  for (const auto &line : bulks) single += bindings(line) == 1;
  EXPECT_EQ(single, bulks.size() - 1);
  // The blocking walk asks one request at a time.
  from = sim->LogLines().size();
  EXPECT_EQ(Walk(blocking), expected);
  for (const auto &line : Requests(*sim, from, {"\"op\":\"getbulk\""})) EXPECT_EQ(bindings(line), 3u);

  // An agent that loses requests: the walk goes on one request at a time, with the same
  // rows, and the agent's next walks never read side by side.
  const auto lossy = Switch(500, {"--drop-every", "9"});
  KvSNMPRequest first, second;
  for (KvSNMPRequest *r : {&first, &second}) {
    Aim(*r, *lossy, 1);
    r->Settings.Timing.InFlight = kMaxInFlight;
    r->Settings.Timing.Timeout = 20;
    r->Settings.Timing.Retries = 3;
  }
  EXPECT_EQ(WalkAsync(first, code), expected);
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(GlobalSnmp->BulkState(first.Settings.BuildTarget()).OneAtATime);
  from = lossy->LogLines().size();
  EXPECT_EQ(WalkAsync(second, code), expected);
  for (const auto &line : Requests(*lossy, from, {"\"op\":\"getbulk\""})) EXPECT_EQ(bindings(line), 3u);
}
