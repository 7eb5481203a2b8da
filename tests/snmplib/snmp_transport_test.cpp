// The session against a real snmpd on loopback: versions, SNMPv3 users and their
// failures, Set, asynchronous answers through the pump.

#include "kv_exception.h"
#include "kv_messages.h"
#include "kv_snmp_session.h"
#include "snmp_session.h"
#include "snmpd_agent.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace {
const char *const kSysDescr = "1.3.6.1.2.1.1.1.0";
const char *const kSysContact = "1.3.6.1.2.1.1.4.0";

void EnsureSession() {
  static std::string dir;
  if (dir.empty()) {
    dir = MakeTempDir("kvboot");
    KvSNMPCreateSession(dir);
  }
}

class SnmpdTransport : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    agent_ = new SnmpdAgent();
    ASSERT_TRUE(agent_->Start()) << agent_->Log();
  }
  static void TearDownTestSuite() {
    delete agent_;
    agent_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(agent_, nullptr);
    EnsureSession();
  }

  // Settings for the agent with `version`, short time-outs.
  static KvSNMPSettings Settings(int version) {
    KvSNMPSettings s;
    agent_->AimAt(s, version);
    return s;
  }

  static KvSNMPSettings V3(const std::string &user) {
    KvSNMPSettings s = Settings(3);
    SnmpdAgent::UseUser(s, user);
    return s;
  }

  static int Get(const KvSNMPSettings &s, const std::string &oid, SnmpPdu &response) {
    SnmpPdu request;
    s.PreparePdu(request);
    request.AddVb(oid);
    return GlobalSnmp->Get(s.BuildTarget(), request, response);
  }

  static std::pair<int, std::string> Mapped(int status) {
    int code = 0;
    std::string text;
    MapSnmpStatus(status, code, text);
    return {code, text};
  }

  // Runs the pump until `done` holds or two seconds passed.
  template <typename Pred> static bool PumpUntil(Pred done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done() && std::chrono::steady_clock::now() < end) {
      GlobalSnmp->ProcessPendingEvents();
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return done();
  }

  static SnmpdAgent *agent_;
};
SnmpdAgent *SnmpdTransport::agent_ = nullptr;
}  // namespace

TEST_F(SnmpdTransport, GetOfSysDescrOverV1AndV2c) {
  for (int version : {0, 1}) {
    SnmpPdu response;
    ASSERT_EQ(Get(Settings(version), kSysDescr, response), 0) << "version " << version;
    ASSERT_EQ(response.Vbs.size(), 1u);
    EXPECT_EQ(response.Vbs[0].OidText(), kSysDescr);
    EXPECT_EQ(response.Vbs[0].Value.Type(), SnmpType::OctetString);
    EXPECT_FALSE(response.Vbs[0].Value.AsOctets().empty());
    EXPECT_EQ(response.AgentAddress, "127.0.0.1");
    EXPECT_EQ(response.AgentPort, agent_->Port());
  }
}

TEST_F(SnmpdTransport, GetOfSysDescrForEachV3User) {
  for (const SnmpdUser &user : SnmpdAgent::StandardUsers()) {
    SnmpPdu response;
    ASSERT_EQ(Get(V3(user.Name), kSysDescr, response), 0) << user.Name;
    ASSERT_EQ(response.Vbs.size(), 1u) << user.Name;
    EXPECT_EQ(response.Vbs[0].Value.Type(), SnmpType::OctetString) << user.Name;
  }
}

TEST_F(SnmpdTransport, SetOfSysContactWithWriteCommunityReadsBack) {
  const std::string contact = std::string("ops\x01") + "desk " + std::to_string(agent_->Port());
  SnmpPdu request, response;
  request.AddVb(kSysContact, SnmpValue::Octets(contact));
  KvSNMPSettings s = Settings(1);
  ASSERT_EQ(GlobalSnmp->Set(s.BuildTarget(), request, response), 0);
  ASSERT_EQ(Get(Settings(0), kSysContact, response), 0);
  EXPECT_EQ(response.Vbs.at(0).Value.AsOctets(), contact);

  // The read community may not write.
  s.Security.WriteCommunity = SnmpdAgent::kReadCommunity;
  s.Timing.Timeout = 20;
  s.Timing.Retries = 0;
  const int status = GlobalSnmp->Set(s.BuildTarget(), request, response);
  EXPECT_TRUE(status == -5 || status == 6 || status == 16 || status == 17) << status;
}

TEST_F(SnmpdTransport, MissingObjectsComeBackAsExceptionsOrNoSuchName) {
  SnmpPdu response;
  ASSERT_EQ(Get(Settings(1), "1.3.6.1.2.1.1.99.0", response), 0);
  EXPECT_TRUE(response.Vbs.at(0).Value.IsException());
  EXPECT_EQ(response.Vbs.at(0).Value.ToPrintable(), "");
  ASSERT_EQ(Get(Settings(0), "1.3.6.1.2.1.1.99.0", response), 2);
  EXPECT_EQ(response.ErrorIndex, 1);
  EXPECT_EQ(Mapped(2).first, -102);
}

TEST_F(SnmpdTransport, GetNextWalksIntoTheNextObject) {
  SnmpPdu request, response;
  request.AddVb("1.3.6.1.2.1.1.1");
  ASSERT_EQ(GlobalSnmp->GetNext(Settings(1).BuildTarget(), request, response), 0);
  EXPECT_EQ(response.Vbs.at(0).OidText(), kSysDescr);
}

TEST_F(SnmpdTransport, WrongCommunityTimesOut) {
  KvSNMPSettings s = Settings(1);
  s.Security.ReadCommunity = "nosuchcommunity";
  s.Timing.Timeout = 20;
  s.Timing.Retries = 0;
  SnmpPdu response;
  const int status = Get(s, kSysDescr, response);
  EXPECT_EQ(status, SnmpStatus::Timeout);
  EXPECT_EQ(Mapped(status), std::make_pair(-405, std::string("(SNMPClass) SNMP request timed out!")));
}

TEST_F(SnmpdTransport, V3FailuresGiveTheirUsmCodes) {
  struct Case {
    const char *what;
    KvSNMPSettings settings;
    int code;
  };
  KvSNMPSettings wrongAuth = V3("shauser");
  wrongAuth.Security.AuthPassword = "notthepassword";
  KvSNMPSettings wrongPriv = V3("shaaesuser");
  wrongPriv.Security.PrivPassword = "notthepassword";
  KvSNMPSettings unknownUser = V3("md5user");
  unknownUser.Security.SecurityName = "nosuchuser";
  KvSNMPSettings levelTooHigh = V3("noauthuser");
  levelTooHigh.Security.AuthProtocol = SnmpAuth::Md5;
  levelTooHigh.Security.AuthPassword = "somepassword";
  levelTooHigh.Security.SecurityLevel = 2;
  KvSNMPSettings unknownContext = V3("md5user");
  unknownContext.Scope.ContextName = "nosuchcontext";
  for (auto *t : {&wrongPriv, &unknownContext}) {
    t->Timing.Timeout = 20;
    t->Timing.Retries = 0;
  }
  KvSNMPSettings notUsm = V3("md5user");
  notUsm.Security.SecurityModel = 1;
  // snmpd drops a message it cannot decrypt into a PDU, and one for a context it does
  // not know, without a report: both end as time-outs.
  for (Case c : {Case{"wrong auth pass phrase", wrongAuth, -308}, Case{"wrong priv pass phrase", wrongPriv, -405},
                 Case{"unknown user", unknownUser, -304}, Case{"level above the user's", levelTooHigh, -303},
                 Case{"unknown context", unknownContext, -405}, Case{"security model not USM", notUsm, -201}}) {
    SnmpPdu response;
    const int status = Get(c.settings, kSysDescr, response);
    EXPECT_EQ(Mapped(status).first, c.code) << c.what << ": status " << status;
    // The same refusal answered through the pump.
    SnmpPdu request;
    c.settings.PreparePdu(request);
    request.AddVb(kSysDescr);
    int async = 99;
    const int sent = GlobalSnmp->GetAsync(c.settings.BuildTarget(), request, [&](int st, const SnmpPdu &) { async = st; });
    if (sent == 0) {
      ASSERT_TRUE(PumpUntil([&] { return async != 99; })) << c.what;
    }
    EXPECT_EQ(Mapped(sent == 0 ? async : sent).first, c.code) << c.what << ": asynchronous status " << async;
  }
}

TEST_F(SnmpdTransport, LocalV3FailuresSendNothing) {
  struct Case {
    const char *what;
    int auth, priv;
    std::string authPass, privPass;
    int code;
  };
  for (const Case &c : {Case{"3DES", SnmpAuth::Sha, SnmpPriv::TripleDes, "shaaespassword", "shaaesprivacy", -313},
                        Case{"IDEA", SnmpAuth::Sha, SnmpPriv::Idea, "shaaespassword", "shaaesprivacy", -313},
                        Case{"priv code 4", SnmpAuth::Sha, 4, "shaaespassword", "shaaesprivacy", -313},
                        Case{"auth code 8", 8, SnmpPriv::Aes128, "shaaespassword", "shaaesprivacy", -312},
                        Case{"short auth pass", SnmpAuth::Sha, SnmpPriv::Aes128, "short", "shaaesprivacy", -307},
                        Case{"short priv pass", SnmpAuth::Sha, SnmpPriv::Aes128, "shaaespassword", "short", -305}}) {
    KvSNMPSettings s = V3("shaaesuser");
    s.Security.AuthProtocol = c.auth;
    s.Security.PrivProtocol = c.priv;
    s.Security.AuthPassword = c.authPass;
    s.Security.PrivPassword = c.privPass;
    const int sessions = GlobalSnmp->OpenSessionCount();
    SnmpPdu response;
    const int status = Get(s, kSysDescr, response);
    EXPECT_EQ(Mapped(status).first, c.code) << c.what;
    EXPECT_EQ(GlobalSnmp->OpenSessionCount(), sessions) << c.what;
  }
}

TEST_F(SnmpdTransport, ChangedCredentialsTakeEffectOnTheNextRequest) {
  KvSNMPSettings s = V3("shauser");
  SnmpPdu response;
  ASSERT_EQ(Get(s, kSysDescr, response), 0);
  s.Security.AuthPassword = "notthepassword";
  EXPECT_EQ(Mapped(Get(s, kSysDescr, response)).first, -308);
  s.Security.AuthPassword = SnmpdAgent::User("shauser").AuthPassword;
  EXPECT_EQ(Get(s, kSysDescr, response), 0);
}

TEST_F(SnmpdTransport, InvalidAddressFailsWithoutSending) {
  for (const char *address : {"", "300.1.2.3", "1.2.3", "bad host!", "[::1"}) {
    KvSNMPSettings s = Settings(1);
    s.Device.Address = address;
    try {
      s.BuildTarget();
      ADD_FAILURE() << address;
    } catch (const KvException &e) {
      EXPECT_EQ(e.Code(), -509) << address;
      EXPECT_STREQ(e.what(), "(KvSNMP++) Invalid IP Address or DNS name!");
    }
  }
  SnmpTarget unresolved;  // never built from settings: no host at all
  SnmpPdu request, response;
  request.AddVb(kSysDescr);
  EXPECT_EQ(GlobalSnmp->Get(unresolved, request, response), SnmpStatus::InvalidAddress);
}

TEST_F(SnmpdTransport, HostNamesAndIpv6LiteralsAreAccepted) {
  SnmpAddress a;
  ASSERT_TRUE(ResolveAgentAddress("localhost", 161, a));
  EXPECT_FALSE(a.Host.empty());
  ASSERT_TRUE(ResolveAgentAddress("::1", 1161, a));
  EXPECT_TRUE(a.Ipv6);
  EXPECT_EQ(a.Printable(), "::1/1161");
  ASSERT_TRUE(ResolveAgentAddress("[::1]", 161, a));
  EXPECT_EQ(a.Host, "::1");
  KvSNMPSettings s = Settings(1);
  s.Device.Address = "localhost";
  SnmpPdu response;
  if (!s.BuildTarget().Address.Ipv6) {
    EXPECT_EQ(Get(s, kSysDescr, response), 0);
  }
}

TEST_F(SnmpdTransport, AsyncGetIsDeliveredThroughThePump) {
  KvSNMPSettings s = Settings(1);
  SnmpPdu request;
  request.AddVb(kSysDescr);
  int calls = 0, status = 99;
  SnmpPdu answer;
  SnmpRequestId id = 0;
  ASSERT_EQ(GlobalSnmp->GetAsync(s.BuildTarget(), request,
                                 [&](int st, const SnmpPdu &r) {
                                   ++calls;
                                   status = st;
                                   answer = r;
                                 },
                                 &id),
            0);
  EXPECT_NE(id, 0u);
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(GlobalSnmp->OutstandingCount(), 1);
  ASSERT_TRUE(PumpUntil([&] { return calls > 0; }));
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(answer.Vbs.at(0).OidText(), kSysDescr);
  EXPECT_EQ(answer.AgentPort, agent_->Port());
  EXPECT_EQ(GlobalSnmp->OutstandingCount(), 0);
}

TEST_F(SnmpdTransport, BlockingCallKeepsTheAnswerOfAnOutstandingAsyncRequest) {
  for (KvSNMPSettings s : {Settings(1), V3("sha256aes256user")}) {
    SnmpPdu request;
    s.PreparePdu(request);
    request.AddVb(kSysDescr);
    int calls = 0, status = 99;
    ASSERT_EQ(GlobalSnmp->GetAsync(s.BuildTarget(), request, [&](int st, const SnmpPdu &) {
      ++calls;
      status = st;
    }), 0);
    SnmpPdu response;
    ASSERT_EQ(Get(s, "1.3.6.1.2.1.1.5.0", response), 0);
    EXPECT_EQ(response.Vbs.at(0).OidText(), "1.3.6.1.2.1.1.5.0");
    EXPECT_EQ(calls, 0);  // completions run in the pump only
    ASSERT_TRUE(PumpUntil([&] { return calls > 0; }));
    EXPECT_EQ(status, 0);
  }
}

TEST_F(SnmpdTransport, CancelledRequestNeverCallsBack) {
  KvSNMPSettings s = Settings(1);
  SnmpPdu request;
  request.AddVb(kSysDescr);
  bool called = false;
  SnmpRequestId id = 0;
  ASSERT_EQ(GlobalSnmp->GetAsync(s.BuildTarget(), request, [&](int, const SnmpPdu &) { called = true; }, &id), 0);
  GlobalSnmp->Cancel(id);
  EXPECT_EQ(GlobalSnmp->OutstandingCount(), 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  for (int i = 0; i < 20; ++i) GlobalSnmp->ProcessPendingEvents();
  EXPECT_FALSE(called);
}

TEST_F(SnmpdTransport, AsyncTimeoutComesBackThroughTheCallback) {
  KvSNMPSettings s = Settings(1);
  s.Security.ReadCommunity = "nosuchcommunity";
  s.Timing.Timeout = 10;
  s.Timing.Retries = 1;
  SnmpPdu request;
  request.AddVb(kSysDescr);
  int status = 99;
  ASSERT_EQ(GlobalSnmp->GetAsync(s.BuildTarget(), request, [&](int st, const SnmpPdu &) { status = st; }), 0);
  EXPECT_GE(GlobalSnmp->MillisecondsToNextTimeout(), 0);
  ASSERT_TRUE(PumpUntil([&] { return status != 99; }));
  EXPECT_EQ(status, SnmpStatus::Timeout);
}

TEST_F(SnmpdTransport, SessionsExposeTheirSockets) {
  int hookCalls = 0;
  GlobalSnmp->SetSocketsChangedHook([&] { ++hookCalls; });
  KvSNMPSettings s = Settings(1);
  s.Device.Port = static_cast<uint16_t>(FreeUdpPort());  // a target no session has yet
  s.Timing.Timeout = 1;
  s.Timing.Retries = 0;
  SnmpPdu response;
  Get(s, kSysDescr, response);
  GlobalSnmp->SetSocketsChangedHook(nullptr);
  EXPECT_EQ(hookCalls, 1);
  EXPECT_FALSE(GlobalSnmp->SocketDescriptors().empty());
}
