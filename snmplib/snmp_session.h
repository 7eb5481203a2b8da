#pragma once
// The one SNMP session of the process, on net-snmp: Get, GetNext and Set, blocking or
// with a completion callback, to a target given per operation. Statuses are numbered
// as the status mapping of kv_messages expects (0 success, agent error-status 1..18,
// USM 1401..1414, message processing -1402..-1418, class -1..-23).

#include "snmp_pdu.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// An agent address resolved to a numeric host.
struct SnmpAddress {
  std::string Host;  // dotted IPv4, or IPv6 without brackets
  bool Ipv6 = false;
  uint16_t Port = 161;

  // "host/port", the form the error record splits into address and port.
  std::string Printable() const;
};

// Accepts an IPv4 dotted address, an IPv6 literal (with or without brackets) or a host
// name that resolves. False, and nothing resolved, for anything else.
bool ResolveAgentAddress(const std::string &text, uint16_t port, SnmpAddress &address);

// Protocol codes of the security settings.
namespace SnmpAuth {
constexpr int None = 1;
constexpr int Md5 = 2;
constexpr int Sha = 3;
constexpr int Sha224 = 4;
constexpr int Sha256 = 5;
constexpr int Sha384 = 6;
constexpr int Sha512 = 7;
}  // namespace SnmpAuth
namespace SnmpPriv {
constexpr int None = 1;
constexpr int Des = 2;
constexpr int TripleDes = 3;  // not supported
constexpr int Idea = 9;       // not supported
constexpr int Aes128 = 19;
constexpr int Aes192 = 20;
constexpr int Aes256 = 21;
}  // namespace SnmpPriv

// Where and how one operation goes.
struct SnmpTarget {
  SnmpAddress Address;
  int Version = 0;   // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3; any other value fails with -12
  int Timeout = 100; // hundredths of a second per try
  int Retries = 1;
  std::string ReadCommunity;   // Get and GetNext
  std::string WriteCommunity;  // Set
  int SecurityModel = 3;       // only 3 (USM) is supported
  std::string SecurityName;
  int AuthProtocol = SnmpAuth::None;
  int PrivProtocol = SnmpPriv::None;
  std::string AuthPassword;
  std::string PrivPassword;
};

// Statuses the session gives besides the agent's error-status; see the table in
// snmp_session.cpp for how net-snmp's failures and the agent's reports map to them.
namespace SnmpStatus {
constexpr int Success = 0;
constexpr int Error = -1;
constexpr int ResourceUnavailable = -2;
constexpr int InternalError = -3;
constexpr int Timeout = -5;
constexpr int SessionClosed = -8;
constexpr int InvalidPdu = -11;
constexpr int InvalidTarget = -12;
constexpr int InvalidOid = -17;
constexpr int InvalidAddress = -18;
constexpr int TransportFailed = -22;
// A blocking operation whose wait was ended before an answer came (the user cancelled
// it, or its window closed): "Blocked Mode Shutdown".
constexpr int Cancelled = -23;
constexpr int UsmError = 1401;
constexpr int UsmUnsupportedSecurityLevel = 1403;
constexpr int UsmUnknownSecurityName = 1404;
constexpr int UsmEncryptionError = 1405;
constexpr int UsmDecryptionError = 1406;
constexpr int UsmAuthenticationError = 1407;
constexpr int UsmAuthenticationFailure = 1408;
constexpr int UsmUnknownEngineId = 1410;
constexpr int UsmNotInTimeWindow = 1411;
constexpr int UsmUnsupportedAuthProtocol = 1412;
constexpr int UsmUnsupportedPrivProtocol = 1413;
constexpr int MpUnsupportedSecurityModel = -1402;
constexpr int MpInvalidMessage = -1405;
constexpr int MpUnknownPduHandlers = -1415;
constexpr int MpUnavailableContext = -1416;
constexpr int MpUnknownContext = -1417;
// An answer whose error-status is none of the protocol's 0..18.
constexpr int BadErrorStatus = 2000;
}  // namespace SnmpStatus

// Maps a net-snmp library error (SNMPERR_*) to a session status.
int StatusOfNetSnmpError(int snmpErr);
// Maps the counter OID of an SNMPv3 report to a session status.
int StatusOfReport(const std::vector<uint32_t> &counterOid);

// Completion of an asynchronous operation: the status the blocking form would have
// returned and the response (empty bindings when there was none). It runs inside
// ProcessPendingEvents, never inside another call of the session.
using SnmpCompletion = std::function<void(int status, const SnmpPdu &response)>;

// Identifies an outstanding asynchronous operation; 0 is none.
using SnmpRequestId = uint64_t;

// What a blocking operation does while it waits for its answer, for a program that must
// keep running meanwhile (painting, answering the window manager). Without one, a
// blocking operation sleeps until its answer or its last time-out. The calls come in
// this order, from inside the blocking call: Begin, then Trying and Wait in turns (Wait
// about every 10 ms), then End once, however the operation ended.
class SnmpBlockingWait {
public:
  virtual ~SnmpBlockingWait() = default;
  // A blocking operation to `agent` (its address as given) begins; it sends at most `tries` times.
  virtual void Begin(const std::string &agent, int tries) = 0;
  // Try `attempt` (1 the first) is under way; called once per try.
  virtual void Trying(int attempt) = 0;
  // Lets the program's events run once, without sleeping; false ends the wait, and the
  // operation with SnmpStatus::Cancelled (its answer, should it still come, is dropped).
  virtual bool Wait() = 0;
  virtual void End() = 0;
};

// GetBulk takes its non-repeaters and max-repetitions from the request PDU; SNMPv1
// targets refuse it (-16).
enum class SnmpOperation { Get, GetNext, Set, GetBulk };

// What an agent has shown of GetBulk, kept for as long as the session lives.
struct SnmpBulkState {
  bool Refused = false;    // it gave an error answer to a GetBulk
  int MostRepetitions = 0; // the most repetitions to ask for; 0 while no tooBig was seen
  bool Answered = false;   // it answered a GetBulk: one left unanswered means it is silent
  int ValuesPerAnswer = 0; // the most values an answer held whole, or as many as it held cut short
  bool CutsShort = false;  // it answered a GetBulk with fewer values than it had, as many as fit
  int MaxBytes = 0;        // its largest message (SNMPv3's msgMaxSize) less the headers; 0 unknown
  bool OneAtATime = false; // it lost a request of a walk's side by side: one request at a time
};

class KvSnmpSession {
public:
  // Initialises net-snmp (once per process) so that it reads no configuration, loads
  // no MIBs, keeps no state and prints nothing. `status` gets 0, or the failure.
  explicit KvSnmpSession(int &status);
  ~KvSnmpSession();
  KvSnmpSession(const KvSnmpSession &) = delete;
  KvSnmpSession &operator=(const KvSnmpSession &) = delete;

  // Sets the local SNMPv3 engine's identity (the engine ID's octets and its boot count).
  void SetLocalEngine(const std::string &engineId, uint32_t boots);

  // Blocking operations: send, wait for the answer or the last time-out, fill
  // `response`. Answers to asynchronous requests that arrive meanwhile are kept and
  // completed by the first ProcessPendingEvents after the wait, also when the blocking
  // wait lets events run (so that no completion runs in the middle of the operation
  // that waits).
  int Get(const SnmpTarget &target, const SnmpPdu &request, SnmpPdu &response);
  int GetNext(const SnmpTarget &target, const SnmpPdu &request, SnmpPdu &response);
  int Set(const SnmpTarget &target, const SnmpPdu &request, SnmpPdu &response);
  int Send(SnmpOperation op, const SnmpTarget &target, const SnmpPdu &request, SnmpPdu &response);

  // Asynchronous operations: 0 when sent (`id` then names the request, and the
  // completion runs exactly once unless cancelled), else the failure and no completion.
  int GetAsync(const SnmpTarget &target, const SnmpPdu &request, SnmpCompletion done,
               SnmpRequestId *id = nullptr);
  int SendAsync(SnmpOperation op, const SnmpTarget &target, const SnmpPdu &request,
                SnmpCompletion done, SnmpRequestId *id = nullptr);

  // Queues a completion with `status` and `response` as though an answer had arrived:
  // it runs in a later ProcessPendingEvents, never inside this call, and can be
  // cancelled as any other. `id` names it.
  void Post(int status, const SnmpPdu &response, SnmpCompletion done, SnmpRequestId *id = nullptr);

  // Names the agent and credentials of a target: targets with the same key share a session.
  static std::string SessionKey(const SnmpTarget &target);
  // The GetBulk record of the agent and credentials that `target` names.
  SnmpBulkState &BulkState(const SnmpTarget &target) { return bulk_[SessionKey(target)]; }

  // The wait of blocking operations (null: none, they sleep); not owned.
  void SetBlockingWait(SnmpBlockingWait *wait) { blockingWait_ = wait; }
  SnmpBlockingWait *BlockingWait() const { return blockingWait_; }
  // Blocking operations waiting now (nested ones counted).
  int BlockingWaits() const { return blockingWaits_; }

  // Forgets the completion of an outstanding request: it will not be called.
  void Cancel(SnmpRequestId id);

  // Asynchronous requests whose completion has not run (cancelled ones not counted).
  int OutstandingCount() const;

  // Receives what has arrived, runs time-outs and retries, then runs the completions
  // that were queued when it began; those queued while it runs wait for the next call,
  // so that the caller's event loop gets its turn between them. Never blocks.
  void ProcessPendingEvents();

  // The sockets of the open sessions, for an event loop to watch; the hook runs after
  // a socket was added or removed.
  std::vector<int> SocketDescriptors() const;
  void SetSocketsChangedHook(std::function<void()> hook) { socketsChanged_ = std::move(hook); }
  // Runs after an asynchronous request was sent or a completion was queued, so that an
  // event loop that sleeps while nothing is outstanding knows to look again.
  void SetWorkQueuedHook(std::function<void()> hook) { workQueued_ = std::move(hook); }

  // Milliseconds until the next retry or time-out is due (0 while completions wait to
  // run), -1 when nothing waits.
  int MillisecondsToNextTimeout() const;

  // Net-snmp sessions open now (one per distinct target and credential set).
  int OpenSessionCount() const { return static_cast<int>(sessions_.size()); }

private:
  struct Session;
  struct Outstanding;
  struct Completed;

  Session *SessionFor(const SnmpTarget &target, int &status);
  int Dispatch(SnmpOperation op, const SnmpTarget &target, const SnmpPdu &request,
               uint64_t id, Session *&session);
  void PollSockets(int waitMs);
  // How long a blocking wait polls the sockets between two rounds of the program's events.
  static constexpr int kBlockingPollMs = 10;
  void ForgetStaleUsers(const SnmpTarget &target, const std::string &key);
  static int OnNetSnmpEvent(int op, struct snmp_session *sess, int reqid, struct snmp_pdu *pdu,
                            void *magic);

  std::map<std::string, std::unique_ptr<Session>> sessions_;
  std::map<uint64_t, std::unique_ptr<Outstanding>> outstanding_;
  std::vector<std::unique_ptr<Completed>> completed_;
  uint64_t nextId_ = 1;
  std::function<void()> socketsChanged_;
  std::function<void()> workQueued_;
  std::map<std::string, SnmpBulkState> bulk_;
  SnmpBlockingWait *blockingWait_ = nullptr;
  int blockingWaits_ = 0;  // completions are held while this is above 0
};
