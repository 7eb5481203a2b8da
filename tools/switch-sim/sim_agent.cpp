#include "sim_agent.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <algorithm>
#include <cstring>

// net-snmp's SNMPv3 framework modules (libnetsnmpmibs); their headers are not installed.
extern "C" {
void init_vacm_vars(void);
void init_vacm_conf(void);
void init_vacm_context(void);
void init_usmConf(void);
void init_usmUser(void);
void init_usmStats(void);
void init_snmpEngine(void);
void init_snmpMPDStats(void);
void init_snmpTargetAddrEntry(void);
void init_snmpTargetParamsEntry(void);
void init_target_counters(void);
void init_snmpNotifyTable(void);
void init_snmpNotifyFilterProfileTable(void);
void init_snmpNotifyFilterTable(void);
void init_snmp_mib(void);
void init_setSerialNo(void);
extern netsnmp_session *main_session;
}

namespace {
constexpr const char *kAppName = "ms2416x-sim";
const Oid kCommunityEntry = {1, 3, 6, 1, 6, 3, 18, 1, 1, 1};

std::optional<Value> FromVarbind(const netsnmp_variable_list &vb) {
  switch (vb.type) {
  case ASN_INTEGER: return Value::Int(*vb.val.integer);
  case ASN_OCTET_STR: return Value::Octets(std::string(reinterpret_cast<const char *>(vb.val.string), vb.val_len));
  case ASN_IPADDRESS:
    if (vb.val_len != 4) return std::nullopt;
    return Value{ValueType::IpAddress, 0, std::string(reinterpret_cast<const char *>(vb.val.string), 4), {}};
  case ASN_OBJECT_ID: return Value{ValueType::ObjectId, 0, {}, Oid(vb.val.objid, vb.val.objid + vb.val_len / sizeof(oid))};
  case ASN_COUNTER: return Value::Unsigned(ValueType::Counter32, static_cast<unsigned long>(*vb.val.integer) & 0xFFFFFFFFul);
  case ASN_GAUGE: return Value::Unsigned(ValueType::Gauge32, static_cast<unsigned long>(*vb.val.integer) & 0xFFFFFFFFul);
  case ASN_TIMETICKS: return Value::Unsigned(ValueType::TimeTicks, static_cast<unsigned long>(*vb.val.integer) & 0xFFFFFFFFul);
  case ASN_COUNTER64:
    return Value::Unsigned(ValueType::Counter64, (static_cast<uint64_t>(vb.val.counter64->high) << 32) | (vb.val.counter64->low & 0xFFFFFFFFul));
  default: return std::nullopt;
  }
}

void Remember(const std::string &line) {
  std::vector<char> buf(line.begin(), line.end());
  buf.push_back('\0');
  netsnmp_config_remember(buf.data());  // copies the line
}
}  // namespace

SimAgent *SimAgent::instance_ = nullptr;

// A request held back, with the clone of its PDU that the agent answers later.
struct SimAgent::Delayed {
  snmp_session *session = nullptr;
  int reqid = 0;
  snmp_pdu *pdu = nullptr;
  void *magic = nullptr;
  ~Delayed() {
    if (pdu) snmp_free_pdu(pdu);
  }
};


SimAgent::SimAgent(SwitchModel &model, const SimOptions &options) : model_(model), options_(options) {
  if (instance_) throw SimError(kSimErrAgent, "only one agent per process");
  if (!options_.logFile.empty()) log_ = std::make_unique<RequestLog>(options_.logFile);

  snmp_disable_log();
  netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, LOG_WARNING);
  netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
  netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_NO_ROOT_ACCESS, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_AGENTX_MASTER, 0);
  netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, options_.stateDir.c_str());
  netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, options_.stateDir.c_str());
  netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, options_.listen.c_str());

  char noSmux[] = "-smux";  // no SMUX listener on TCP port 199 of every interface
  add_to_init_list(noSmux);
  if (init_agent(kAppName) != 0) throw SimError(kSimErrAgent, "net-snmp agent library failed to initialise");
  init_vacm_vars();
  init_vacm_conf();
  init_vacm_context();
  init_usmConf();
  init_usmUser();
  init_usmStats();
  init_snmpEngine();
  init_snmpMPDStats();
  init_snmpTargetAddrEntry();
  init_snmpTargetParamsEntry();
  init_target_counters();
  init_snmpNotifyTable();
  init_snmpNotifyFilterProfileTable();
  init_snmpNotifyFilterTable();
  init_snmp_mib();
  init_setSerialNo();
  ConfigureAccess();
  init_snmp(kAppName);

  for (const Oid &root : model_.Data().subtrees) {
    std::vector<oid> rootOid(root.begin(), root.end());
    netsnmp_handler_registration *reg = netsnmp_create_handler_registration(
        kAppName, reinterpret_cast<Netsnmp_Node_Handler *>(&SimAgent::Handle), rootOid.data(), rootOid.size(), HANDLER_CAN_RWRITE);
    if (!reg || netsnmp_register_handler(reg) != MIB_REGISTERED_OK)
      throw SimError(kSimErrAgent, "cannot register the subtree " + OidText(root) + " (already served by net-snmp?)");
  }
  if (init_master_agent() != 0 || !main_session)
    throw SimError(kSimErrAgent, "cannot listen on " + options_.listen + " (address in use or invalid?)");
  packetHandler_ = main_session->callback;
  main_session->callback = &SimAgent::OnPacket;
  instance_ = this;
  AddCommunityRows();
  snmp_alarm_register_hr(timeval{0, 100000}, SA_REPEAT, &SimAgent::OnTick, nullptr);
}

SimAgent::~SimAgent() {
  instance_ = nullptr;
  for (const auto &[reg, d] : delayed_) snmp_alarm_unregister(reg);
  delayed_.clear();
  // The master agent goes first: net-snmp's own shutdown forgets the state directory.
  shutdown_master_agent();
  snmp_shutdown(kAppName);
}

// Communities and users as com2sec/group/access lines: the read community may read
// everything, the write community and every user may also write.
void SimAgent::ConfigureAccess() {
  // A stable engine ID per listening address, as a real switch keeps its own.
  const std::string where = options_.listen.substr(options_.listen.find_last_of(":.") + 1);
  Remember("engineID ms2416x:" + where.substr(0, 16));
  Remember("com2sec simRead default " + options_.readCommunity);
  Remember("com2sec simWrite default " + options_.writeCommunity);
  for (const char *model : {"v1", "v2c"}) {
    Remember(std::string("group simReaders ") + model + " simRead");
    Remember(std::string("group simWriters ") + model + " simWrite");
  }
  for (const SimUser &u : options_.users) {
    std::string line = "createUser " + u.name;
    if (!u.auth.empty()) line += " " + u.auth + " " + u.authPass;
    if (!u.priv.empty()) line += " " + u.priv + " " + u.privPass;
    Remember(line);
    Remember("group simWriters usm " + u.name);
  }
  Remember("view simAll included .1");
  Remember("access simReaders \"\" any noauth exact simAll none none");
  Remember("access simWriters \"\" any noauth exact simAll simAll none");
}

// The community table rows that the command line's communities make.
void SimAgent::AddCommunityRows() {
  u_char engine[SNMP_MAXBUF_SMALL];
  const size_t engineLen = snmpv3_get_engineID(engine, sizeof engine);
  for (const auto &[name, secName] : {std::make_pair(options_.readCommunity, std::string("simRead")),
                                      std::make_pair(options_.writeCommunity, std::string("simWrite"))}) {
    Oid row(name.begin(), name.end());
    for (auto &b : row) b &= 0xFF;
    model_.AddRow(kCommunityEntry, row,
                  {{2, Value::Octets(name)},
                   {3, Value::Octets(secName)},
                   {4, Value::Octets(std::string(reinterpret_cast<char *>(engine), engineLen))}});
  }
}

void SimAgent::Run(const volatile std::sig_atomic_t &stop) {
  while (!stop) agent_check_and_process(1);
}

void SimAgent::OnTick(unsigned int, void *) {
  if (instance_) instance_->model_.Tick();
}

// Every request passes here first: counted, logged, dropped, delayed, answered tooBig
// or handed on.
int SimAgent::OnPacket(int op, snmp_session *session, int reqid, snmp_pdu *pdu, void *magic) {
  SimAgent *self = instance_;
  if (!self || op != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || !pdu)
    return self ? self->packetHandler_(op, session, reqid, pdu, magic) : 1;
  const long n = ++self->received_;
  const bool dropped =
      self->model_.Rebooting() || (self->options_.dropEvery > 1 && n % self->options_.dropEvery == 0);
  if (self->log_) self->log_->Write(*pdu, n, dropped, !dropped && self->TooBig(*pdu));
  if (dropped) return 1;  // net-snmp frees the PDU; nothing is sent
  if (self->options_.delayMs > 0) {
    auto d = std::make_unique<Delayed>();
    d->session = session;
    d->reqid = reqid;
    d->magic = magic;
    d->pdu = snmp_clone_pdu(pdu);
    if (!d->pdu) return 1;
    const timeval when{self->options_.delayMs / 1000, (self->options_.delayMs % 1000) * 1000};
    const unsigned int reg = snmp_alarm_register_hr(when, 0, &SimAgent::OnDelayed, nullptr);
    if (reg == 0) return 1;  // Delayed frees the clone
    self->delayed_[reg] = std::move(d);
    return 1;
  }
  return self->Deliver(*session, reqid, pdu, magic);
}

void SimAgent::OnDelayed(unsigned int reg, void *) {
  SimAgent *self = instance_;
  if (!self) return;
  auto it = self->delayed_.find(reg);
  if (it == self->delayed_.end()) return;
  std::unique_ptr<Delayed> d = std::move(it->second);
  self->delayed_.erase(it);
  self->Deliver(*d->session, d->reqid, d->pdu, d->magic);
}

// Whether an answer to the request could hold more values than --too-big allows.
bool SimAgent::TooBig(const snmp_pdu &pdu) const {
  if (options_.tooBigAbove <= 0) return false;
  long bindings = 0;
  for (const netsnmp_variable_list *vb = pdu.variables; vb; vb = vb->next_variable) ++bindings;
  long values = bindings;
  if (pdu.command == SNMP_MSG_GETBULK) {
    const long nonRepeaters = std::clamp<long>(pdu.errstat, 0, bindings);
    values = nonRepeaters + (bindings - nonRepeaters) * std::max<long>(pdu.errindex, 0);
  }
  return values > options_.tooBigAbove;
}

int SimAgent::Deliver(snmp_session &session, int reqid, snmp_pdu *pdu, void *magic) {
  if (TooBig(*pdu)) return AnswerError(session, *pdu, SNMP_ERR_TOOBIG, 0);
  if (pdu->command == SNMP_MSG_GETBULK && options_.bulkError) return AnswerError(session, *pdu, options_.bulkError, 1);
  return packetHandler_(NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE, &session, reqid, pdu, magic);
}

// An error answer made here rather than by net-snmp's agent: the request's own header,
// the error-status and error-index, and no bindings.
int SimAgent::AnswerError(snmp_session &session, const snmp_pdu &request, int status, int index) {
  snmp_pdu *answer = snmp_clone_pdu(const_cast<snmp_pdu *>(&request));
  if (!answer) return 1;
  snmp_free_varbind(answer->variables);
  answer->variables = nullptr;
  answer->command = SNMP_MSG_RESPONSE;
  answer->errstat = status;
  answer->errindex = index;
  if (!snmp_send(&session, answer)) snmp_free_pdu(answer);
  return 1;
}

int SimAgent::Handle(netsnmp_mib_handler_s *, netsnmp_handler_registration_s *reg, netsnmp_agent_request_info_s *info,
                     netsnmp_request_info_s *requests) {
  SimAgent *self = instance_;
  if (!self) return SNMP_ERR_GENERR;
  switch (info->mode) {
  case MODE_GET: self->Get(info, requests); return SNMP_ERR_NOERROR;
  case MODE_GETNEXT: self->GetNext(reg, requests); return SNMP_ERR_NOERROR;
  default: return self->Set(reg, info, requests);
  }
}

void SimAgent::Get(netsnmp_agent_request_info *info, netsnmp_request_info *requests) {
  for (netsnmp_request_info *r = requests; r; r = r->next) {
    if (r->processed) continue;
    const Oid name(r->requestvb->name, r->requestvb->name + r->requestvb->name_length);
    if (auto v = model_.Read(name)) Answer(r, name, *v);
    else netsnmp_set_request_error(info, r, model_.KnowsObject(name) ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
  }
}

void SimAgent::GetNext(netsnmp_handler_registration *reg, netsnmp_request_info *requests) {
  const Oid root(reg->rootoid, reg->rootoid + reg->rootoid_len);
  for (netsnmp_request_info *r = requests; r; r = r->next) {
    if (r->processed) continue;
    Oid from(r->requestvb->name, r->requestvb->name + r->requestvb->name_length);
    bool inclusive = r->inclusive != 0;
    if (from < root) from = root, inclusive = true;
    if (auto next = model_.Next(from, inclusive, root)) Answer(r, next->first, next->second);
    // Otherwise the agent goes on with the next subtree.
  }
}

// The values that go out, after the fault modes --wrong-type and --short.
void SimAgent::Answer(netsnmp_request_info *request, const Oid &name, Value v) {
  const auto under = [&](const Oid &prefix) { return HasPrefix(name, prefix); };
  if (std::any_of(options_.wrongType.begin(), options_.wrongType.end(), under)) {
    if (v.type == ValueType::OctetString || v.type == ValueType::IpAddress || v.type == ValueType::ObjectId)
      v = Value::Int(static_cast<int64_t>(v.type == ValueType::ObjectId ? v.objectId.size() : v.octets.size()));
    else
      v = Value::Octets(std::to_string(v.type == ValueType::Integer ? v.Signed() : static_cast<int64_t>(v.number)));
  }
  for (const auto &[prefix, len] : options_.shortened)
    if (under(prefix) && v.type == ValueType::OctetString && v.octets.size() > len) v.octets.resize(len);

  netsnmp_variable_list *vb = request->requestvb;
  std::vector<oid> nameBuf(name.begin(), name.end());
  snmp_set_var_objid(vb, nameBuf.data(), nameBuf.size());
  switch (v.type) {
  case ValueType::Integer: {
    const long n = static_cast<long>(v.Signed());
    snmp_set_var_typed_value(vb, ASN_INTEGER, &n, sizeof n);
    break;
  }
  case ValueType::OctetString: snmp_set_var_typed_value(vb, ASN_OCTET_STR, v.octets.data(), v.octets.size()); break;
  case ValueType::IpAddress: snmp_set_var_typed_value(vb, ASN_IPADDRESS, v.octets.data(), v.octets.size()); break;
  case ValueType::ObjectId: {
    std::vector<oid> value(v.objectId.begin(), v.objectId.end());
    snmp_set_var_typed_value(vb, ASN_OBJECT_ID, value.data(), value.size() * sizeof(oid));
    break;
  }
  case ValueType::Counter64: {
    counter64 c;
    c.high = static_cast<u_long>(v.number >> 32);
    c.low = static_cast<u_long>(v.number & 0xFFFFFFFFu);
    snmp_set_var_typed_value(vb, ASN_COUNTER64, &c, sizeof c);
    break;
  }
  default: {
    const u_long n = static_cast<u_long>(v.number & 0xFFFFFFFFu);
    const u_char type = v.type == ValueType::Counter32 ? ASN_COUNTER : v.type == ValueType::Gauge32 ? ASN_GAUGE : ASN_TIMETICKS;
    snmp_set_var_typed_value(vb, type, &n, sizeof n);
  }
  }
}

// net-snmp calls each mode for every registration of the PDU before the next mode; a
// transaction holds this registration's share of the PDU from RESERVE1 to COMMIT, UNDO or
// FREE.
int SimAgent::Set(netsnmp_handler_registration *reg, netsnmp_agent_request_info *info, netsnmp_request_info *requests) {
  const TransactionKey key{info, reg};
  switch (info->mode) {
  case MODE_SET_RESERVE1: {
    Pending &p = sets_[key];
    p.transaction = std::make_unique<SetTransaction>(model_);
    p.requests.clear();
    for (netsnmp_request_info *r = requests; r; r = r->next) {
      const Oid name(r->requestvb->name, r->requestvb->name + r->requestvb->name_length);
      const auto value = FromVarbind(*r->requestvb);
      const int err = value ? p.transaction->Add(name, *value) : SNMP_ERR_WRONGTYPE;
      if (err != SNMP_ERR_NOERROR) {
        netsnmp_set_request_error(info, r, err);
        return SNMP_ERR_NOERROR;
      }
      p.requests.push_back(r);
    }
    break;
  }
  case MODE_SET_RESERVE2: {
    auto it = sets_.find(key);
    if (it == sets_.end()) break;
    const auto [err, at] = it->second.transaction->Check();
    if (err != SNMP_ERR_NOERROR && at < it->second.requests.size())
      netsnmp_set_request_error(info, it->second.requests[at], err);
    break;
  }
  case MODE_SET_ACTION: {
    auto it = sets_.find(key);
    if (it != sets_.end()) it->second.transaction->Apply();
    break;
  }
  case MODE_SET_UNDO: {
    auto it = sets_.find(key);
    if (it != sets_.end()) it->second.transaction->Undo(), sets_.erase(it);
    break;
  }
  case MODE_SET_COMMIT: {
    auto it = sets_.find(key);
    if (it != sets_.end()) it->second.transaction->Commit(), sets_.erase(it);
    break;
  }
  case MODE_SET_FREE: sets_.erase(key); break;
  default: break;
  }
  return SNMP_ERR_NOERROR;
}
