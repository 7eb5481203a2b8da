#pragma once
// The embedded net-snmp master agent: SNMPv3 framework modules of net-snmp, communities
// and users from the command line, one handler for the switch's subtrees, and the fault
// modes and request log applied to every request that arrives.

#include "request_log.h"
#include "set_transaction.h"
#include "sim_options.h"
#include "switch_model.h"

#include <csignal>
#include <map>
#include <memory>
#include <vector>

struct netsnmp_mib_handler_s;
struct netsnmp_handler_registration_s;
struct netsnmp_agent_request_info_s;
struct netsnmp_request_info_s;
struct snmp_session;
struct snmp_pdu;

class SimAgent {
public:
  // Starts the agent on options.listen; throws SimError (kSimErrAgent, kSimErrLog).
  SimAgent(SwitchModel &model, const SimOptions &options);
  ~SimAgent();
  SimAgent(const SimAgent &) = delete;
  SimAgent &operator=(const SimAgent &) = delete;

  // Serves requests until `stop` becomes non-zero.
  void Run(const volatile std::sig_atomic_t &stop);

private:
  static int Handle(netsnmp_mib_handler_s *handler, netsnmp_handler_registration_s *reg,
                    netsnmp_agent_request_info_s *info, netsnmp_request_info_s *requests);
  static int OnPacket(int op, snmp_session *session, int reqid, snmp_pdu *pdu, void *magic);
  static void OnDelayed(unsigned int reg, void *arg);
  bool TooBig(const snmp_pdu &pdu) const;
  // Hands a request to net-snmp's agent, or answers it with the error a fault mode asks for.
  int Deliver(snmp_session &session, int reqid, snmp_pdu *pdu, void *magic);
  int AnswerError(snmp_session &session, const snmp_pdu &request, int status, int index);
  static void OnTick(unsigned int reg, void *arg);

  void Get(netsnmp_agent_request_info_s *info, netsnmp_request_info_s *requests);
  void GetNext(netsnmp_handler_registration_s *reg, netsnmp_request_info_s *requests);
  int Set(netsnmp_handler_registration_s *reg, netsnmp_agent_request_info_s *info, netsnmp_request_info_s *requests);
  void Answer(netsnmp_request_info_s *request, const Oid &oid, Value value);
  void ConfigureAccess();
  void AddCommunityRows();

  static SimAgent *instance_;

  SwitchModel &model_;
  SimOptions options_;
  std::unique_ptr<RequestLog> log_;
  long received_ = 0;
  using TransactionKey = std::pair<void *, void *>;
  struct Pending {
    std::unique_ptr<SetTransaction> transaction;
    std::vector<netsnmp_request_info_s *> requests;  // in the order of the transaction's writes
  };
  std::map<TransactionKey, Pending> sets_;
  // Requests held back by --delay-ms, by the alarm that answers them; freed when the
  // agent stops with some still waiting.
  struct Delayed;
  std::map<unsigned int, std::unique_ptr<Delayed>> delayed_;
  int (*packetHandler_)(int, snmp_session *, int, snmp_pdu *, void *) = nullptr;
};
