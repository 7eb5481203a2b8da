// The request's writes through the change journal: the values a Set replaces are read
// just before it, and the write is recorded with its outcome before the caller hears it.

#include "kv_exception.h"
#include "kv_option_list.h"
#include "kv_snmp_request.h"
#include "snmp_printable.h"

namespace {
KvSnmpSession &JournalSession() {
  if (!GlobalSnmp) RaiseLibrary(LibraryMsg::CreateSession);
  return *GlobalSnmp;
}

// A value as the window names it, when it names it otherwise: a number's label in the
// option list, a port list's ports.
std::string LabelOf(const KvJournalObject &o, const SnmpValue &value) {
  if (o.Syntax == Syntax::PortList && value.Type() == SnmpType::OctetString) return PortListToText(value.AsOctets());
  const KvOptionList *options = o.Options;
  if (!options || value.Type() != SnmpType::Integer) return "";
  const std::string number = std::to_string(value.AsInteger());
  const std::string label = options->ValueToLabel(number);
  return label == number ? "" : label;
}

// The Get that reads the objects' values before the write, with the write credentials:
// they read what they may write.
SnmpPdu BeforeReadPdu(const KvJournalWrite &write, const SnmpPdu &pdu) {
  SnmpPdu read = pdu;
  read.Vbs.clear();
  for (const KvJournalObject &o : write.Objects) read.AddVb(o.Oid);
  return read;
}

SnmpTarget BeforeReadTarget(const SnmpTarget &target) {
  SnmpTarget read = target;
  read.ReadCommunity = target.WriteCommunity;
  return read;
}

// Takes the answer to the read before; false when the write is not to be sent: the agent
// did not answer (or the read was cancelled), and would not have answered the Set either.
// An agent that refuses the read leaves the old values unknown.
bool TakeBeforeValues(KvJournalWrite &write, int status, const SnmpPdu &answer) {
  if (status == SnmpStatus::Timeout || status == SnmpStatus::Cancelled || status == SnmpStatus::SessionClosed)
    return false;
  if (status != SnmpStatus::Success) return true;
  for (size_t i = 0; i < write.Objects.size() && i < answer.Vbs.size(); ++i) {
    KvJournalObject &o = write.Objects[i];
    o.Before = answer.Vbs[i].Value;
    o.BeforeLabel = LabelOf(o, *o.Before);
  }
  return true;
}

// Records the outcome; a write that succeeded but could not be recorded fails with that.
void RecordJournalWrite(KvJournalWrite &write, int &code, std::string &text) {
  write.Code = code;
  write.Outcome = text;
  KvWriteJournal *journal = WriteJournal();
  if (!journal) return;
  try {
    journal->Record(write);
  } catch (const KvException &e) {
    if (code == 0) {
      code = e.Code();
      text = e.what();
    }
  }
}

// An asynchronous write's record: made when its answer comes, or, when the answer never
// comes to anyone (the window closed, the request is gone), when the completion is dropped.
class PendingRecord {
public:
  explicit PendingRecord(std::shared_ptr<KvJournalWrite> write) : write_(std::move(write)) {}
  ~PendingRecord() {
    if (recorded_) return;
    int code;
    std::string text;
    MapSnmpStatus(SnmpStatus::Cancelled, code, text);
    Record(code, text);
  }
  PendingRecord(const PendingRecord &) = delete;
  PendingRecord &operator=(const PendingRecord &) = delete;

  void Record(int &code, std::string &text) noexcept {
    if (recorded_) return;
    recorded_ = true;
    try {
      RecordJournalWrite(*write_, code, text);
    } catch (...) {
    }
  }
  const std::shared_ptr<KvJournalContext> &Context() const { return write_->Context; }

private:
  std::shared_ptr<KvJournalWrite> write_;
  bool recorded_ = false;
};
}  // namespace

std::shared_ptr<KvJournalWrite> KvSNMPRequest::NewJournalWrite() const {
  KvWriteJournal *journal = WriteJournal();
  if (!journal) return nullptr;
  auto write = std::make_shared<KvJournalWrite>();
  write->Agent = JournalAgentOf(Settings);
  journal->Ready(write->Agent);
  write->Context = KvJournalScope::Current();
  write->Window = write->Context->Window;
  write->Undoes = write->Context->Undoes;
  write->Group = write->Context->TakeGroup();
  return write;
}

std::shared_ptr<KvJournalWrite> KvSNMPRequest::StartJournalWrite(const std::vector<int> &written,
                                                                 const SnmpPdu &pdu) {
  if (pdu.Vbs.empty() || written.size() != pdu.Vbs.size()) return nullptr;
  auto write = NewJournalWrite();
  if (!write) return nullptr;
  const KvWriteJournal &journal = *WriteJournal();
  const std::string index = IsTable() ? RowInstance() : VarList.ItemType == SVT_SV ? "0" : VarList.InstanceSuffix;
  bool destroys = false;
  for (size_t b = 0; b < written.size(); ++b) {
    const KvSNMPVarItem *item = VarList.GetItem(written[b]);
    KvJournalObject o;
    o.Name = item->Name;
    o.Index = index;
    o.Oid = pdu.Vbs[b].OidText();
    o.Status = RowStatusKindOf(item->Options);
    o.Secret = journal.IsSecret(o.Oid);
    o.Value = pdu.Vbs[b].Value;
    o.Options = item->Options;
    o.Syntax = item->Syntax;
    o.ValueLabel = LabelOf(o, o.Value);
    destroys |= o.Status != KvRowStatusKind::None && o.Value.Type() == SnmpType::Integer &&
                o.Value.AsInteger() == DestroyStatusValue(o.Status);
    write->Objects.push_back(std::move(o));
  }
  // A row destroyed is kept whole: its columns that can be written, to create it again.
  if (destroys && IsTable()) {
    for (int i = VarList.KeyCount; i < VarList.GetCount(); ++i) {
      const KvSNMPVarItem *item = VarList.GetItem(i);
      const unsigned a = item->Access;
      if ((a & Access::ReadWrite) != Access::ReadWrite || (a & Access::Derived)) continue;
      if (std::find(written.begin(), written.end(), i) != written.end()) continue;
      KvJournalObject o;
      o.Name = item->Name;
      o.Index = index;
      o.Oid = BaseOid(i) + "." + index;
      o.Sent = false;
      o.Secret = journal.IsSecret(o.Oid);
      o.Options = item->Options;
      o.Syntax = item->Syntax;
      write->Objects.push_back(std::move(o));
    }
  }
  return write;
}

void KvSNMPRequest::JournaledSet(const SnmpTarget &target, const SnmpPdu &pdu, KvJournalWrite &write,
                                 SnmpPdu &response, int &code, std::string &text) {
  SnmpPdu answer;
  std::vector<size_t> missing;
  int status = GetLeavingOutMissing(BeforeReadTarget(target), BeforeReadPdu(write, pdu), answer, missing);
  if (TakeBeforeValues(write, status, answer)) status = JournalSession().Set(target, pdu, response);
  MapSnmpStatus(status, code, text);
  RecordJournalWrite(write, code, text);
}

void KvSNMPRequest::JournaledSetAsync(const SnmpTarget &target, const SnmpPdu &pdu,
                                      std::shared_ptr<KvJournalWrite> write, KvSNMPCallback callback,
                                      void *userData, bool readBack) {
  auto record = std::make_shared<PendingRecord>(write);
  // Told after the record is made, in the scope the write was started in.
  KvSNMPCallback recorded = [record, callback = std::move(callback)](void *data, KvSNMPError *error,
                                                                    KvSNMPVarList *list) {
    record->Record(error->Code, error->Message);
    KvJournalScope scope(record->Context());
    if (callback) callback(data, error, list);
  };
  ++pendingCount_;  // the read before is part of the write
  try {
    GetLeavingOutMissingAsync(
        BeforeReadTarget(target), BeforeReadPdu(*write, pdu),
        [target, pdu, write, record, recorded, userData, readBack](
            KvSNMPRequest &request, int status, const SnmpPdu &answer, const std::vector<size_t> &) {
          --request.pendingCount_;
          if (!TakeBeforeValues(*write, status, answer)) {
            ++request.pendingCount_;
            return request.Complete(status, answer, recorded, userData, false, Write);
          }
          try {
            request.SendAsync(SnmpOperation::Set, target, Write, pdu, recorded, userData, readBack);
          } catch (const KvException &e) {
            KvSNMPError error;
            error.Code = e.Code();
            error.Message = e.what();
            recorded(userData, &error, &request.VarList);
          }
        },
        std::make_shared<std::vector<size_t>>());
  } catch (const KvException &e) {
    --pendingCount_;
    int code = e.Code();
    std::string text = e.what();
    record->Record(code, text);
    throw KvException(text, code);
  }
}

void KvSNMPRequest::SetBindings(const std::vector<SnmpVb> &bindings, const std::vector<KvJournalObject> &objects) {
  if (!enabled_) return;
  ForgetRows();
  const SnmpTarget target = Settings.BuildTarget();
  SnmpPdu pdu;
  Settings.PreparePdu(pdu);
  pdu.Vbs = bindings;
  auto write = NewJournalWrite();
  SnmpPdu response;
  int code;
  std::string text;
  if (write) {
    const KvWriteJournal &journal = *WriteJournal();
    for (size_t b = 0; b < bindings.size(); ++b) {
      KvJournalObject o = b < objects.size() ? objects[b] : KvJournalObject{};
      o.Oid = bindings[b].OidText();
      o.Value = bindings[b].Value;
      o.Sent = true;
      o.Before.reset();
      o.Secret = journal.IsSecret(o.Oid);
      write->Objects.push_back(std::move(o));
    }
    JournaledSet(target, pdu, *write, response, code, text);
  } else {
    MapSnmpStatus(JournalSession().Set(target, pdu, response), code, text);
  }
  if (code != 0) throw KvException(text, code);
}
