// The request engine against an agent that answers wrongly on purpose: every answer
// ends in a clear outcome, blocking or through the callback, and no walk runs for ever.

#include "event_wait.h"
#include "kv_exception.h"
#include "kv_snmp_request.h"
#include "kv_snmp_session.h"
#include "misbehaving_agent.h"
#include "snmp_event_processor.h"

#include <QCoreApplication>

#include "error_code.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
const std::string kBase = MisbehavingAgent::kBase;

class Misbehaving : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "misbehaving";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    if (!GlobalSnmp) KvSNMPCreateSession(MakeTempDir("kvboot"));
    agent_ = new MisbehavingAgent();
  }
  static void TearDownTestSuite() {
    delete agent_;
    agent_ = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(agent_->Started()) << agent_->Output(); }

  // A list of one column per OID given; a table list has key count 1 and a readable key.
  struct Request {
    std::vector<std::string> oids;
    std::vector<KvSNMPVarDef> defs;
    KvSNMPRequest request;
    Request(const std::vector<std::string> &columns, unsigned char type, int version = 1,
            unsigned syntax = Syntax::Integer)
        : oids(columns) {
      for (const auto &o : oids) defs.push_back({o.c_str(), o.c_str(), syntax, Access::ReadOnly, nullptr});
      defs.push_back({nullptr, nullptr, 0, 0, nullptr});
      agent_->AimAt(request.Settings, version);
      request.VarList = KvSNMPVarList(defs.data(), type, type == MVT_FMV ? 1 : 0);
    }
  };

  // Runs an asynchronous read (a whole walk for a table) and gives the last outcome.
  static KvSNMPError ReadAsync(KvSNMPRequest &request, int *rows = nullptr) {
    KvSNMPError last;
    bool done = false;
    int count = 0;
    KvSNMPCallback onAnswer = [&](void *, KvSNMPError *error, KvSNMPVarList *) {
      last = *error;
      if (error->Done) {
        done = true;
        return;
      }
      ++count;
      request.GetAsync(onAnswer, nullptr, false);
    };
    request.GetAsync(onAnswer, nullptr, true);
    EXPECT_TRUE(RunEventsUntil([&] { return done; }, 10000)) << "the completion never ran";
    if (rows) *rows = count;
    return last;
  }

  static int WalkCode(KvSNMPRequest &request, int &rows) {
    rows = 0;
    return ErrorCodeOf([&] {
      for (bool first = true; request.Get(first); first = false) ++rows;
    });
  }

  static MisbehavingAgent *agent_;
};
MisbehavingAgent *Misbehaving::agent_ = nullptr;
}  // namespace

TEST_F(Misbehaving, ErrorStatusOutsideTheProtocolIsAnAgentErrorOfItsOwn) {
  // Values that would read as success, as a USM, class or message-processing status,
  // or (-8) as a closed session that drops the completion.
  const std::vector<std::string> odd = {kBase + ".1.1400.0", kBase + ".2.1401.0", kBase + ".1.19.0",
                                        kBase + ".1.1404.0", kBase + ".2.1405.0", kBase + ".2.5.0",
                                        kBase + ".2.8.0"};
  for (const std::string &oid : odd) {
    Request r({oid.substr(0, oid.size() - 2)}, SVT_SV);
    EXPECT_EQ(ErrorCodeOf([&] { r.request.Get(true); }), -529) << oid;
    const KvSNMPError error = ReadAsync(r.request);
    EXPECT_EQ(error.Code, -529) << oid;
    EXPECT_EQ(error.Message, "(KvSNMP++) The agent answered with an unknown error-status!");
    EXPECT_TRUE(error.Done);
    EXPECT_EQ(r.request.PendingCount(), 0);
  }
  // The protocol's own statuses keep their codes.
  Request genErr({kBase + ".1.5"}, SVT_SV);
  EXPECT_EQ(ErrorCodeOf([&] { genErr.request.Get(true); }), -105);
}

TEST_F(Misbehaving, GetNextAnswersThatGoBackOrStandStillEndTheWalk) {
  for (int version : {0, 1}) {
    // Back from row 2 to row 1: two rows, then the error.
    Request back({kBase + ".3.1.1", kBase + ".3.1.2"}, MVT_FMV, version);
    int rows = 0;
    EXPECT_EQ(WalkCode(back.request, rows), -530) << version;
    EXPECT_EQ(rows, 2);
    const KvSNMPError error = ReadAsync(back.request, &rows);
    EXPECT_EQ(error.Code, -530);
    EXPECT_EQ(error.Message, "(KvSNMP++) OID not increasing in the agent's answer!");
    EXPECT_TRUE(error.Done);
    EXPECT_EQ(rows, 2);
    // Staying on row 1.
    Request stays({kBase + ".8.1.1", kBase + ".8.1.2"}, MVT_FMV, version);
    EXPECT_EQ(WalkCode(stays.request, rows), -530);
    EXPECT_EQ(rows, 1);
  }
}

TEST_F(Misbehaving, TableWithoutEndStopsAtTheRowBound) {
  Request endless({kBase + ".4.1.1", kBase + ".4.1.2"}, MVT_FMV);
  endless.request.MaxRows = 40;
  int rows = 0;
  EXPECT_EQ(WalkCode(endless.request, rows), -531);
  EXPECT_EQ(rows, 40);
  // A new walk starts counting again.
  const KvSNMPError error = ReadAsync(endless.request, &rows);
  EXPECT_EQ(error.Code, -531);
  EXPECT_EQ(rows, 40);
  EXPECT_GE(KvSNMPRequest::kMaxRows, 1000000);  // far above real tables
}

TEST_F(Misbehaving, AgentThatLeavesGetBulkUnansweredIsWalkedOneRowPerRequest) {
  Request endless({kBase + ".4.1.1", kBase + ".4.1.2"}, MVT_FMV);
  endless.request.MaxRows = 5;
  const SnmpTarget target = endless.request.Settings.BuildTarget();
  int rows = 0;
  EXPECT_EQ(WalkCode(endless.request, rows), -531);  // as the one-row walk ends
  EXPECT_EQ(rows, 5);
  EXPECT_TRUE(GlobalSnmp->BulkState(target).Refused);
  const KvSNMPError error = ReadAsync(endless.request, &rows);
  EXPECT_EQ(error.Code, -531);
  EXPECT_EQ(rows, 5);
}

TEST_F(Misbehaving, AnswersUnderOtherRequestIdsAreNotTaken) {
  Request onlyStray({kBase + ".5.1"}, SVT_SV);
  EXPECT_EQ(ErrorCodeOf([&] { onlyStray.request.Get(true); }), -405);
  EXPECT_EQ(ReadAsync(onlyStray.request).Code, -405);
  Request strayFirst({kBase + ".6.1"}, SVT_SV);
  EXPECT_EQ(ErrorCodeOf([&] { strayFirst.request.Get(true); }), 0);
  EXPECT_EQ(strayFirst.request.VarList.GetItem(0)->Value, "6");
  EXPECT_EQ(ReadAsync(strayFirst.request).Code, 0);
}

TEST_F(Misbehaving, WrongTypedOrShortValuesReadAsNoValue) {
  struct Case {
    int column;
    unsigned syntax;
    const char *value;
  };
  const Case cases[] = {
      {1, Syntax::DateTime, "(NULL)"},  {1, Syntax::Double, "(NULL)"},   {1, Syntax::DisplayStr, "abc"},
      {2, Syntax::OctetStr, "(NULL)"},  {2, Syntax::DisplayStr, "(NULL)"}, {2, Syntax::MacAddress, "(NULL)"},
      {3, Syntax::OctetStr, "(NULL)"},  {4, Syntax::OctetStr, ""},       {4, Syntax::DisplayStr, ""},
  };
  for (const Case &c : cases) {
    Request r({kBase + ".7." + std::to_string(c.column)}, SVT_SV, 1, c.syntax);
    ASSERT_EQ(ErrorCodeOf([&] { r.request.Get(true); }), 0);
    EXPECT_EQ(r.request.VarList.GetItem(0)->Value, c.value) << c.column << " as " << c.syntax;
  }
}
