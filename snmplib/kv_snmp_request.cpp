#include "kv_snmp_request.h"

#include "kv_binary_string.h"
#include "kv_date_time.h"
#include "kv_exception.h"
#include "kv_expression.h"
#include "kv_index_codec.h"
#include "kv_num_list.h"
#include "kv_option_list.h"
#include "kv_text.h"
#include "snmp_event_processor.h"
#include "snmp_printable.h"

#include <algorithm>
#include <bit>

namespace {
constexpr int kNoSuchName = -102;
constexpr int kTooBigStatus = 1;  // the agent's error-status tooBig
constexpr int kNoSuchNameStatus = 2;
constexpr char kNotDone[] = "(NOTDONE)";  // a cell the walk has no value for

[[noreturn]] void BadSyntax() { RaiseLibrary(LibraryMsg::BadSyntax); }

bool IsOctetKind(unsigned syntax) {
  return syntax == Syntax::BitStr || syntax == Syntax::OctetStr || syntax == Syntax::Opaque ||
         syntax == Syntax::PortList;
}

// Whether a received value is of a type that the item's syntax can be read from. A value
// of another type (an agent answering with the wrong type) reads as no value.
bool Fits(unsigned syntax, SnmpType type) {
  switch (syntax) {
    case Syntax::Boolean:
    case Syntax::Integer: return type == SnmpType::Integer;
    case Syntax::Counter:
    case Syntax::Gauge:
    case Syntax::UInteger:
    case Syntax::TimeTicks:
      return type == SnmpType::Counter32 || type == SnmpType::Gauge32 || type == SnmpType::TimeTicks;
    case Syntax::Counter64: return type == SnmpType::Counter64;
    case Syntax::ObjectId: return type == SnmpType::ObjectId;
    case Syntax::IpAddress:
    case Syntax::NsapAddr: return type == SnmpType::IpAddress || type == SnmpType::OctetString;
    default: return type == SnmpType::OctetString || type == SnmpType::Opaque;
  }
}

// The octets of an 8-byte IEEE double, least significant byte first.
std::string DoubleOctets(double value) {
  std::string octets;
  AppendLittleEndian(octets, std::bit_cast<uint64_t>(value), 8);
  return octets;
}

double OctetsDouble(const std::string &octets) { return std::bit_cast<double>(ReadLittleEndian(octets, 0, 8)); }

// The global session; a request made before it exists fails as its creation would.
KvSnmpSession &Session() {
  if (!GlobalSnmp) RaiseLibrary(LibraryMsg::CreateSession);
  return *GlobalSnmp;
}

std::string Join(const std::vector<std::string> &parts) {
  std::string out;
  for (const auto &p : parts) {
    if (p.empty()) continue;
    if (!out.empty()) out += '.';
    out += p;
  }
  return out;
}
}  // namespace

KvSNMPRequest::KvSNMPRequest(const KvSNMPSettings &settings)
    : Settings(settings), self_(std::make_shared<KvSNMPRequest *>(this)) {}

KvSNMPRequest::~KvSNMPRequest() {
  // Nothing waits for the agent: answers still on their way are forgotten, and one that
  // arrives later finds the request gone.
  enabled_ = false;
  if (GlobalSnmp)
    for (SnmpRequestId id : outstanding_) GlobalSnmp->Cancel(id);
  *self_ = nullptr;
}

std::string KvSNMPRequest::BaseOid(int i) const {
  const std::string &oid = VarList.GetItem(i)->Oid;
  return VarList.InstanceSuffix.empty() ? oid : oid + "." + VarList.InstanceSuffix;
}

std::string KvSNMPRequest::ItemValue(int i) const {
  const KvSNMPVarItem *item = VarList.GetItem(i);
  return item->Options ? item->Options->LabelToValue(item->Value) : item->Value;
}

std::string KvSNMPRequest::RowInstance() {
  std::vector<std::string> parts;
  for (int k = 0; k < VarList.KeyCount && k < VarList.GetCount(); ++k) parts.push_back(EncodeIndex(k));
  return Join(parts);
}

SnmpOperation KvSNMPRequest::ReadOperation() const {
  switch (VarList.ItemType) {
    case SVT_SV: return SnmpOperation::Get;
    case MVT_SV: return UseGetNext ? SnmpOperation::GetNext : SnmpOperation::Get;
    case MVT_FMV:
    case MVT_UMV: return SnmpOperation::GetNext;
    default: RaiseLibrary(LibraryMsg::BadItemType);
  }
}

SnmpPdu KvSNMPRequest::BuildPdu(PduKind kind, std::vector<int> *written) {
  SnmpPdu pdu;
  Settings.PreparePdu(pdu);
  const unsigned char type = VarList.ItemType;
  if (type > MVT_UMV) RaiseLibrary(LibraryMsg::BadItemType);
  if (kind == ReadOnwards && (type == SVT_SV || type == MVT_SV))
    RaiseLibrary(LibraryMsg::GetNextOnSingleValue);
  std::string row;  // the row instance of a write, built once
  if (kind == Write && IsTable()) row = RowInstance();
  if (kind != Write && IsTable() && (kind == ReadFirst || columns_.size() != static_cast<size_t>(VarList.GetCount())))
    PrepareColumns();

  for (int i = 0; i < VarList.GetCount(); ++i) {
    KvSNMPVarItem *item = VarList.GetItem(i);
    std::string oid;
    if (kind == Write) {
      if ((IsTable() && i < VarList.KeyCount) || !VarList.IsEditable(i)) continue;
      // A cell the agent gave no value for is not written back.
      if (item->Value == kNotDone) continue;
      oid = type == SVT_SV ? BaseOid(i) + ".0" : type == MVT_SV ? BaseOid(i) : BaseOid(i) + "." + row;
      SnmpVb vb;
      LoadVbValue(i, vb);
      if (!pdu.AddVb(oid, vb.Value)) RaiseCode(SnmpStatus::InvalidOid - 400);
      if (written) written->push_back(i);
      continue;
    }
    if (!Asks(i, kind)) continue;
    if (IsTable()) {
      if (kind == ReadFirst) item->Instance.clear();
      const std::vector<uint32_t> *from = kind == ReadFirst ? nullptr : InstanceOid(i);
      if (!from && columns_[i].empty()) RaiseCode(SnmpStatus::InvalidOid - 400);
      pdu.Vbs.emplace_back(from ? *from : columns_[i]);
      continue;
    }
    if (kind == ReadFirst) {
      item->Instance.clear();
      oid = type == SVT_SV ? BaseOid(i) + ".0" : BaseOid(i);
    } else {
      // An item that has not been read yet continues from the start of its column.
      oid = item->Instance.empty() ? BaseOid(i) : item->Instance;
    }
    if (!pdu.AddVb(oid)) RaiseCode(SnmpStatus::InvalidOid - 400);
  }
  return pdu;
}

void KvSNMPRequest::PrepareColumns() {
  const size_t count = static_cast<size_t>(VarList.GetCount());
  columns_.assign(count, {});
  instances_.assign(count, {});
  instanceTexts_.assign(count, {});
  // One that is no OID stays empty, and fails when it is asked for.
  for (size_t i = 0; i < count; ++i)
    if (!ParseOid(BaseOid(static_cast<int>(i)), columns_[i])) columns_[i].clear();
}

const std::vector<uint32_t> *KvSNMPRequest::InstanceOid(int i) {
  const std::string &text = VarList.GetItem(i)->Instance;
  if (text.empty()) return nullptr;
  const size_t at = static_cast<size_t>(i);
  if (instanceTexts_[at] != text) {
    if (!ParseOid(text, instances_[at])) RaiseCode(SnmpStatus::InvalidOid - 400);
    instanceTexts_[at] = text;
  }
  return &instances_[at];
}

void KvSNMPRequest::SetInstance(int i, const uint32_t *oid, size_t length) {
  const size_t at = static_cast<size_t>(i);
  instances_[at].assign(oid, oid + length);
  std::string &text = VarList.GetItem(i)->Instance;
  AssignOidText(text, oid, length);
  instanceTexts_[at] = text;
}

bool KvSNMPRequest::Asks(int i, PduKind kind) const {
  if (!VarList.IsReadable(i)) return false;
  return !(kind != Write && IsTable() && static_cast<size_t>(i) < ended_.size() && ended_[i]);
}

bool KvSNMPRequest::EndColumnAt(const SnmpPdu &response, PduKind kind) {
  // SNMPv1 answers noSuchName for a GetNext past the end of the agent's view, naming the
  // binding: that column has ended, and the others are asked again without it.
  if (!IsTable() || kind == Write || response.ErrorIndex < 1) return false;
  std::vector<int> asked;
  for (int i = 0; i < VarList.GetCount(); ++i)
    if (Asks(i, kind)) asked.push_back(i);
  const size_t at = static_cast<size_t>(response.ErrorIndex) - 1;
  if (asked.size() < 2 || at >= asked.size() || at >= response.Vbs.size()) return false;
  const KvSNMPVarItem *item = VarList.GetItem(asked[at]);
  const std::string &askedOid = item->Instance.empty() || kind == ReadFirst ? BaseOid(asked[at]) : item->Instance;
  if (response.Vbs[at].OidText() != askedOid) return false;
  if (ended_.size() != static_cast<size_t>(VarList.GetCount())) ended_.assign(VarList.GetCount(), false);
  ended_[asked[at]] = true;
  return true;
}

bool KvSNMPRequest::Get(bool first) {
  if (!enabled_) return false;
  if (first) {
    ForgetRows();
    ended_.clear();
    walkRepetitions_ = 0;
  }
  const PduKind kind = first ? ReadFirst : ReadOnwards;
  const SnmpOperation op = ReadOperation();
  if (op == SnmpOperation::GetNext && IsTable() && !ahead_.empty()) {
    const SnmpPdu pdu = BuildPdu(kind);
    Bindings rows;
    std::vector<SnmpVb> ends;
    if (AnswerFromRows(pdu, rows, ends)) {
      partlyRead_ = false;
      bool finished = false;
      return ProcessRow(0, std::string(), rows, kind, finished);
    }
  }
  const SnmpTarget target = Settings.BuildTarget();
  for (;;) {
    const SnmpPdu pdu = BuildPdu(kind);
    partlyRead_ = false;
    SnmpPdu response;
    std::vector<size_t> missing;
    const int status = op == SnmpOperation::GetNext && IsTable() ? ReadRows(target, pdu, response)
                       : op == SnmpOperation::Get ? GetLeavingOutMissing(target, pdu, response, missing)
                                                  : Session().Send(op, target, pdu, response);
    int code;
    std::string text;
    MapSnmpStatus(status, code, text);
    if (code != 0 && !(code == kNoSuchName && IsTable())) throw KvException(text, code);
    if (code == kNoSuchName && EndColumnAt(response, kind)) continue;
    bool finished = false;
    const bool more = ProcessResponse(code, text, response, kind, finished);
    if (!missing.empty()) {
      partlyRead_ = true;
      throw KvException(MissingText(missing), kNoSuchName);
    }
    return more;
  }
}

namespace {
bool IsLeftOut(const std::vector<size_t> &missing, size_t binding) {
  return std::binary_search(missing.begin(), missing.end(), binding);
}

// `pdu` without the bindings at the (ascending) positions `missing`.
SnmpPdu WithoutBindings(const SnmpPdu &pdu, const std::vector<size_t> &missing) {
  SnmpPdu out = pdu;
  out.Vbs.clear();
  for (size_t i = 0; i < pdu.Vbs.size(); ++i)
    if (!IsLeftOut(missing, i)) out.Vbs.push_back(pdu.Vbs[i]);
  return out;
}

// Adds to `missing` the binding of `pdu` that the error-index of an answer to `pdu`
// without `missing` names. False when it names none of those asked for.
bool TakeMissing(const SnmpPdu &pdu, std::vector<size_t> &missing, int errorIndex) {
  if (errorIndex < 1) return false;
  size_t left = static_cast<size_t>(errorIndex);
  for (size_t i = 0; i < pdu.Vbs.size(); ++i) {
    if (IsLeftOut(missing, i) || --left != 0) continue;
    missing.insert(std::upper_bound(missing.begin(), missing.end(), i), i);
    return true;
  }
  return false;
}

// The answer to the whole of `pdu` from `answer`, the answer to it without `missing`:
// those read as objects the agent lacks, as SNMPv2 answers them.
SnmpPdu WithMissing(const SnmpPdu &pdu, const std::vector<size_t> &missing, const SnmpPdu &answer) {
  SnmpPdu out = answer;
  out.Vbs.clear();
  out.ErrorStatus = 0;
  out.ErrorIndex = 0;
  size_t next = 0;
  for (size_t i = 0; i < pdu.Vbs.size(); ++i) {
    if (IsLeftOut(missing, i))
      out.Vbs.emplace_back(pdu.Vbs[i].Oid, SnmpValue::Exception(SnmpType::NoSuchObject));
    else if (next < answer.Vbs.size())
      out.Vbs.push_back(answer.Vbs[next++]);
  }
  return out;
}

bool IsNoSuchName(int status) { return status == kNoSuchNameStatus; }
}  // namespace

int KvSNMPRequest::GetLeavingOutMissing(const SnmpTarget &target, const SnmpPdu &pdu, SnmpPdu &response,
                                        std::vector<size_t> &missing) {
  missing.clear();
  // Each answer that names an object leaves one more out: at most one retry per item.
  for (;;) {
    const int status = Session().Send(SnmpOperation::Get, target, WithoutBindings(pdu, missing), response);
    if (!IsNoSuchName(status) || !TakeMissing(pdu, missing, response.ErrorIndex)) {
      if (status == SnmpStatus::Success && !missing.empty()) response = WithMissing(pdu, missing, response);
      else if (status != SnmpStatus::Success) missing.clear();
      return status;
    }
    if (missing.size() == pdu.Vbs.size()) {
      response = WithMissing(pdu, missing, response);
      return SnmpStatus::Success;
    }
  }
}

void KvSNMPRequest::GetLeavingOutMissingAsync(const SnmpTarget &target, const SnmpPdu &pdu, GetAnswered answered,
                                              std::shared_ptr<std::vector<size_t>> missing) {
  Launch(SnmpOperation::Get, target, WithoutBindings(pdu, *missing),
         [target, pdu, answered, missing](KvSNMPRequest &request, int status, const SnmpPdu &answer) {
           const auto complete = [&](int st, const SnmpPdu &response) { answered(request, st, response, *missing); };
           if (!IsNoSuchName(status) || !request.enabled_ || !TakeMissing(pdu, *missing, answer.ErrorIndex)) {
             if (status != SnmpStatus::Success) missing->clear();
             return complete(status, missing->empty() ? answer : WithMissing(pdu, *missing, answer));
           }
           if (missing->size() == pdu.Vbs.size()) return complete(SnmpStatus::Success, WithMissing(pdu, *missing, answer));
           try {
             request.GetLeavingOutMissingAsync(target, pdu, answered, missing);
           } catch (const KvException &) {
             missing->clear();
             complete(status, answer);
           }
         });
}

std::string KvSNMPRequest::MissingText(const std::vector<size_t> &missing) const {
  int code;
  std::string text;
  MapSnmpStatus(kNoSuchNameStatus, code, text);
  std::string names;
  size_t binding = 0;
  for (int i = 0; i < VarList.GetCount(); ++i) {
    if (!VarList.IsReadable(i)) continue;
    if (IsLeftOut(missing, binding++)) names += (names.empty() ? "" : ", ") + VarList.GetItem(i)->Name;
  }
  return text + " (" + names + ")";
}


bool KvSNMPRequest::ProcessResponse(int code, const std::string &text, const SnmpPdu &response,
                                    PduKind asked, bool &finished) {
  finished = false;
  if (asked == ReadFirst) rowsRead_ = 0;
  if (IsTable() && asked != Write) {
    Bindings vbs;
    vbs.reserve(response.Vbs.size());
    for (const SnmpVb &vb : response.Vbs) vbs.push_back(&vb);
    return ProcessRow(code, text, vbs, asked, finished);
  }
  if (code != 0) throw KvException(text, code);

  std::string row;  // a table row written and read back: the row its bindings address
  int readable = 0, past = 0;
  size_t next = 0;
  for (int i = 0; i < VarList.GetCount(); ++i) {
    if (!VarList.IsReadable(i)) continue;
    ++readable;
    KvSNMPVarItem *item = VarList.GetItem(i);
    if (next >= response.Vbs.size()) {
      // The agent answered fewer bindings than were asked for: nothing more to read
      // for this item.
      ++past;
      item->Value = IsTable() ? kNotDone : "(NULL)";
      continue;
    }
    const SnmpVb &vb = response.Vbs[next++];
    const std::string received = vb.OidText();
    const std::string base = BaseOid(i);
    if (IsPastColumn(base, item->Instance, received)) {
      ++past;
      item->Value = kNotDone;
    } else {
      StoreVbValue(i, vb);
      item->Instance = received;
      if (row.empty() && received.size() > base.size()) row = received.substr(base.size() + 1);
    }
  }
  if (past == readable) {
    finished = true;
    return false;
  }
  if (IsTable()) DecodeRowIndexes(row);
  for (int j = 0; j < VarList.GetCount(); ++j) DeriveValue(j, true);
  return IsTable();
}

namespace {
bool HasPrefix(const std::vector<uint32_t> &oid, const std::vector<uint32_t> &prefix) {
  return oid.size() > prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}
}  // namespace

bool KvSNMPRequest::ProcessRow(int code, const std::string &text, const Bindings &vbs, PduKind asked,
                               bool &finished) {
  // Every column answers with its next cell; the row is the smallest instance among those
  // answers. A column whose answer lies past it has no cell in this row (a hole) and is
  // asked again from this row, so that its answer comes back for the row it belongs to. A
  // column that left the table ends; the others go on.
  struct Answer {
    int Item = 0;
    const SnmpVb *Vb = nullptr;
    bool Inside = false;  // the answer lies inside the column: its row follows the column's OID
  };
  const auto rowOf = [this](const Answer &a) {
    const size_t skip = columns_[static_cast<size_t>(a.Item)].size();
    return std::make_pair(a.Vb->Oid.data() + skip, a.Vb->Oid.size() - skip);
  };
  std::vector<Answer> answers;
  answers.reserve(vbs.size());
  size_t next = 0;
  for (int i = 0; i < VarList.GetCount(); ++i) {
    if (!Asks(i, asked)) continue;
    Answer answer;
    answer.Item = i;
    if (next >= vbs.size()) {
      // The agent answered fewer bindings than were asked for: nothing more to read
      // for this column.
      answers.push_back(answer);
      continue;
    }
    const SnmpVb &vb = *vbs[next++];
    answer.Vb = &vb;
    const std::vector<uint32_t> &base = columns_[static_cast<size_t>(i)];
    const std::vector<uint32_t> *previous = InstanceOid(i);
    const std::vector<uint32_t> &askedOid = previous ? *previous : base;

    if (code == kNoSuchName) {
      // SNMPv1 ends a walk with noSuchName for the OID that was asked for. A first
      // read of an empty table asks for the column itself.
      if (vb.Oid == askedOid) {
        finished = true;
        for (int j = 0; j < VarList.GetCount(); ++j)
          if (VarList.IsReadable(j)) VarList.GetItem(j)->Value = kNotDone;
        return false;
      }
      throw KvException(text, code);
    }

    // An answer inside the column must pass the OID asked for, or the walk would
    // never end (an agent going back and forth between rows). The OID asked for itself
    // comes back with SNMPv2's end of the view, which ends the column.
    const bool inColumn = HasPrefix(vb.Oid, base);
    if (inColumn && !(askedOid < vb.Oid) && (vb.Oid != askedOid || !vb.Value.IsException()))
      RaiseLibrary(LibraryMsg::OidNotIncreasing);
    // Past the column: outside it, or the very instance read before.
    answer.Inside = inColumn && !(previous && vb.Oid == *previous);
    answers.push_back(answer);
  }

  const Answer *row = nullptr;
  for (const Answer &a : answers) {
    if (!a.Inside) continue;
    if (!row) {
      row = &a;
      continue;
    }
    const auto [x, xn] = rowOf(a);
    const auto [y, yn] = rowOf(*row);
    if (std::lexicographical_compare(x, x + xn, y, y + yn)) row = &a;
  }
  const auto [rowAt, rowLength] = row ? rowOf(*row) : std::make_pair(static_cast<const uint32_t *>(nullptr), size_t{0});

  if (ended_.size() != static_cast<size_t>(VarList.GetCount())) ended_.assign(VarList.GetCount(), false);
  std::vector<uint32_t> hole;
  for (const Answer &a : answers) {
    KvSNMPVarItem *item = VarList.GetItem(a.Item);
    if (!a.Inside) {
      item->Value = kNotDone;
      ended_[a.Item] = true;
      continue;
    }
    const auto [at, length] = rowOf(a);
    if (length != rowLength || !std::equal(at, at + length, rowAt)) {
      item->Value = kNotDone;
      hole = columns_[static_cast<size_t>(a.Item)];
      hole.insert(hole.end(), rowAt, rowAt + rowLength);
      SetInstance(a.Item, hole.data(), hole.size());
    } else {
      StoreVbValue(a.Item, *a.Vb);
      SetInstance(a.Item, a.Vb->Oid.data(), a.Vb->Oid.size());
    }
  }
  // Columns that ended before this answer have no cell in any later row.
  for (int i = 0; i < VarList.GetCount(); ++i)
    if (VarList.IsReadable(i) && !Asks(i, asked)) VarList.GetItem(i)->Value = kNotDone;

  if (!row) {
    finished = true;
    return false;
  }
  DecodeRowIndexes(rowAt, rowLength);
  for (int j = 0; j < VarList.GetCount(); ++j) DeriveValue(j, true);
  if (++rowsRead_ > MaxRows) RaiseLibrary(LibraryMsg::TooManyRows);
  return true;
}

void KvSNMPRequest::DecodeRowIndexes(const uint32_t *row, size_t length) {
  const std::vector<uint32_t> subids(row, row + length);
  std::string rowText;  // written once, for the keys that are not read
  size_t pos = 0;
  for (int k = 0; k < VarList.KeyCount && k < VarList.GetCount(); ++k) {
    if (pos >= subids.size()) RaiseLibrary(LibraryMsg::BadKeyCount);
    KvSNMPVarItem *item = VarList.GetItem(k);
    if (!VarList.IsReadable(k)) {
      // As the text walk writes it: the key's own OID as its definition gives it (an
      // index of another table's has none, " "), a dot, the row.
      if (rowText.empty()) AssignOidText(rowText, row, length);
      item->Instance = BaseOid(k);
      item->Instance += '.';
      item->Instance += rowText;
    }
    const bool implied = k == VarList.KeyCount - 1 && VarList.IsImpliedKey(k);
    std::string value = DecodeIndexValue(item->Syntax, implied, subids, pos);
    item->Value = item->Options ? item->Options->ValueToLabel(value) : std::move(value);
  }
}

void KvSNMPRequest::DecodeRowIndexes(const std::string &rowInstance) {
  std::string rest = rowInstance;
  for (int k = 0; k < VarList.KeyCount && k < VarList.GetCount(); ++k) {
    if (rest.empty()) RaiseLibrary(LibraryMsg::BadKeyCount);
    if (!VarList.IsReadable(k)) VarList.GetItem(k)->Instance = BaseOid(k) + "." + rowInstance;
    rest = DecodeIndex(k, rest);
  }
}

std::string KvSNMPRequest::DecodeIndex(int k, const std::string &instance) {
  std::vector<uint32_t> subids;
  if (!ParseOid(instance, subids)) BadSyntax();
  KvSNMPVarItem *item = VarList.GetItem(k);
  const bool implied = k == VarList.KeyCount - 1 && VarList.IsImpliedKey(k);
  size_t pos = 0;
  std::string value = DecodeIndexValue(item->Syntax, implied, subids, pos);
  item->Value = item->Options ? item->Options->ValueToLabel(value) : value;
  return OidToText(std::vector<uint32_t>(subids.begin() + static_cast<long>(pos), subids.end()));
}

std::string KvSNMPRequest::EncodeIndex(int k) {
  const bool implied = k == VarList.KeyCount - 1 && VarList.IsImpliedKey(k);
  std::vector<uint32_t> subids;
  EncodeIndexValue(VarList.GetItem(k)->Syntax, implied, ItemValue(k), subids);
  return OidToText(subids);
}

void KvSNMPRequest::StoreVbValue(int k, const SnmpVb &vb) {
  KvSNMPVarItem *item = VarList.GetItem(k);
  const SnmpValue &v = vb.Value;
  const unsigned syntax = item->Syntax;
  const bool fits = v.HasValue() && Fits(syntax, v.Type());
  std::string text;
  switch (syntax) {
    case Syntax::Boolean: text = v.AsInteger() ? "true" : "false"; break;
    case Syntax::Integer: text = std::to_string(static_cast<int32_t>(v.AsInteger())); break;
    case Syntax::BitStr:
    case Syntax::OctetStr:
    case Syntax::Opaque:
    case Syntax::MacAddress: text = fits ? OctetsToPrintableHex(v.AsOctets()) : "(NULL)"; break;
    case Syntax::Null: text = "(NULL)"; break;
    case Syntax::ObjectId: text = OidToText(v.AsOid()); break;
    case Syntax::IpAddress:
    case Syntax::NsapAddr: text = IpAddressToText(v.AsOctets()); break;
    case Syntax::Counter:
    case Syntax::Gauge:
    case Syntax::UInteger: text = std::to_string(static_cast<uint32_t>(v.AsUnsigned())); break;
    case Syntax::TimeTicks: text = TimeTicksToText(static_cast<uint32_t>(v.AsUnsigned())); break;
    case Syntax::Counter64: text = Counter64ToText(v.AsUnsigned()); break;
    // Values shorter than their syntax needs read as no value.
    case Syntax::Double: text = v.AsOctets().size() >= 8 ? FormatReal(OctetsDouble(v.AsOctets())) : ""; break;
    case Syntax::DateTime:
      text = v.AsOctets().size() >= 11 ? KvDateTime::FromOctets(v.AsOctets()).ToText() : "";
      break;
    case Syntax::BcDateTime:
      text = v.AsOctets().size() >= 8 ? FormatBcDateTime(OctetsDouble(v.AsOctets())) : "";
      break;
    case Syntax::DisplayStr: text = v.AsOctets(); break;
    case Syntax::PortList: text = fits ? PortListToText(v.AsOctets()) : "(NULL)"; break;
    default: BadSyntax();
  }
  // An empty octet string is a value of its own; a missing value or one of another type
  // is none. Only a display string shows a missing value as empty text.
  const bool octetKind = IsOctetKind(syntax) || syntax == Syntax::MacAddress;
  if (!fits && v.HasValue()) text = "(NULL)";
  else if (!octetKind && (!fits || text.empty())) text = syntax == Syntax::DisplayStr ? "" : "(NULL)";
  item->Value = item->Options ? item->Options->ValueToLabel(text) : text;
}

void KvSNMPRequest::LoadVbValue(int k, SnmpVb &vb) {
  const unsigned syntax = VarList.GetItem(k)->Syntax;
  const std::string value = ItemValue(k);
  if (value == "(NULL)") {
    vb.Value = SnmpValue::Null();
    return;
  }
  switch (syntax) {
    case Syntax::Boolean: vb.Value = SnmpValue::Integer(value == "true" ? 1 : 0); return;
    case Syntax::Integer: vb.Value = SnmpValue::Integer(StrToInt(value)); return;
    case Syntax::BitStr:
    case Syntax::OctetStr:
    case Syntax::MacAddress: vb.Value = SnmpValue::Octets(PrintableHexToOctets(value)); return;
    case Syntax::Opaque: vb.Value = SnmpValue::Octets(PrintableHexToOctets(value), SnmpType::Opaque); return;
    case Syntax::Null: vb.Value = SnmpValue::Null(); return;
    case Syntax::ObjectId: {
      std::vector<uint32_t> oid;
      if (!ParseOid(value, oid)) RaiseCode(SnmpStatus::InvalidOid - 400);
      vb.Value = SnmpValue::ObjectId(oid);
      return;
    }
    case Syntax::IpAddress:
    case Syntax::NsapAddr: {
      std::string octets;
      if (!ParseIpAddress(value, octets)) RaiseLibrary(LibraryMsg::InvalidAddress);
      vb.Value = SnmpValue::IpAddress(octets);
      return;
    }
    case Syntax::Counter: vb.Value = SnmpValue::Unsigned(SnmpType::Counter32, StrToUInt(value)); return;
    case Syntax::Gauge:
    case Syntax::UInteger: vb.Value = SnmpValue::Unsigned(SnmpType::Gauge32, StrToUInt(value)); return;
    case Syntax::TimeTicks: {
      uint32_t ticks = 0;
      if (!TextToTimeTicks(value, ticks)) StrToUInt(value);  // raises the conversion error
      vb.Value = SnmpValue::Unsigned(SnmpType::TimeTicks, ticks);
      return;
    }
    case Syntax::Counter64: {
      uint64_t v = 0;
      if (!TextToCounter64(value, v)) StrToUInt(value);
      vb.Value = SnmpValue::Counter64(v);
      return;
    }
    case Syntax::Double: vb.Value = SnmpValue::Octets(DoubleOctets(StrToFloat(value))); return;
    case Syntax::DateTime: vb.Value = SnmpValue::Octets(KvDateTime(value).ToOctets()); return;
    case Syntax::BcDateTime: {
      double days = 0;
      if (!ParseBcDateTime(value, days)) StrToFloat(value);
      vb.Value = SnmpValue::Octets(DoubleOctets(days));
      return;
    }
    case Syntax::DisplayStr: vb.Value = SnmpValue::Octets(value); return;
    case Syntax::PortList: {
      std::string octets;
      if (!ParsePortList(value, octets)) RaiseLibrary(LibraryMsg::BadAssocValue);
      vb.Value = SnmpValue::Octets(octets);
      return;
    }
    default: BadSyntax();
  }
}

void KvSNMPRequest::DeriveValue(int k, bool afterRead) {
  KvSNMPVarItem *item = VarList.GetItem(k);
  const std::optional<std::string> &expression = afterRead ? item->GetExpression : item->SetExpression;
  if (!expression) return;
  const double number = EvaluateArithmetic(SubstituteValues(*expression, false, "$"));
  std::string text;
  switch (item->Syntax) {
    case Syntax::Boolean: text = number != 0 ? "true" : "false"; break;
    case Syntax::Integer: text = std::to_string(static_cast<int64_t>(number)); break;
    case Syntax::Counter:
    case Syntax::Gauge:
    case Syntax::UInteger: text = std::to_string(static_cast<uint32_t>(static_cast<int64_t>(number))); break;
    case Syntax::TimeTicks: text = TimeTicksToText(static_cast<uint32_t>(static_cast<int64_t>(number))); break;
    case Syntax::Counter64: text = Counter64ToText(static_cast<uint64_t>(number < 0 ? 0 : number)); break;
    case Syntax::Double: text = FormatReal(number); break;
    case Syntax::BcDateTime: text = FormatBcDateTime(number); break;
    default: RaiseLibrary(LibraryMsg::BadSyntaxInExpression);
  }
  item->Value = item->Options ? item->Options->ValueToLabel(text) : text;
}

std::string KvSNMPRequest::SubstituteValues(const std::string &expression, bool quoteText,
                                            const std::string &marker) {
  if (marker.empty()) return expression;
  std::string text = expression;
  size_t from = 0;
  for (size_t at; (at = text.find(marker, from)) != std::string::npos;) {
    size_t end = at + marker.size();
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
    const std::string digits = text.substr(at + marker.size(), end - at - marker.size());
    int n = -1;
    if (!ParseDecimalInt(digits, n) || n < 0 || n >= VarList.GetCount())
      RaiseCommon(CommonMsg::BadLogicOperand);
    const std::string value = ItemValue(n);
    if (value == "(NULL)") RaiseLibrary(LibraryMsg::NullInExpression);
    std::string converted;
    switch (VarList.GetItem(n)->Syntax) {
      case Syntax::Boolean:
      case Syntax::Bool8:
      case Syntax::Bool16: converted = value == "true" ? "1" : "0"; break;
      case Syntax::Integer:
      case Syntax::Counter:
      case Syntax::Gauge:
      case Syntax::Counter64:
      case Syntax::UInteger:
      case Syntax::Double:
      case Syntax::Int8:
      case Syntax::UInt8:
      case Syntax::Int16:
      case Syntax::UInt16: converted = value; break;
      case Syntax::TimeTicks: {
        uint32_t ticks = 0;
        TextToTimeTicks(value, ticks);
        converted = std::to_string(ticks);
        break;
      }
      case Syntax::BcDateTime: {
        double days = 0;
        ParseBcDateTime(value, days);
        converted = FormatReal(days);
        break;
      }
      default:
        if (!quoteText) RaiseLibrary(LibraryMsg::BadSyntaxInExpression);
        converted = "\"" + value + "\"";
    }
    text.replace(at, end - at, converted);
    // Inserted values are not searched for markers again.
    from = at + converted.size();
  }
  return text;
}

bool KvSNMPRequest::MatchesFilter(const std::string &condition) {
  if (condition.empty()) return true;
  return EvaluateCondition(SubstituteValues(condition, true, "$"));
}

bool KvSNMPRequest::IsPastColumn(const std::string &columnOid, const std::string &previousOid,
                                 const std::string &receivedOid) {
  if (!IsTable()) return false;
  const bool inside = receivedOid.size() > columnOid.size() &&
                      receivedOid.compare(0, columnOid.size(), columnOid) == 0 &&
                      receivedOid[columnOid.size()] == '.';
  return !inside || receivedOid == previousOid;
}

void KvSNMPRequest::PrepareSet(const std::string &selection, const std::vector<std::string> *values) {
  if (!selection.empty()) {
    KvNumList<int> picked(',');
    picked.Parse(selection);
    for (int i = 0; i < VarList.GetCount(); ++i) {
      KvSNMPVarItem *item = VarList.GetItem(i);
      const int p = picked.IndexOf(i);
      if (p < 0) {
        item->Access |= Access::Invalid;
        continue;
      }
      item->Access &= ~Access::Invalid;
      if (values && static_cast<size_t>(p) < values->size()) item->Value = (*values)[p];
    }
  }
  for (int i = 0; i < VarList.GetCount(); ++i) DeriveValue(i, false);
}

bool KvSNMPRequest::Set(bool readBack, const std::string &selection,
                        const std::vector<std::string> *values) {
  if (!enabled_) return false;
  ForgetRows();  // what was read ahead may be what this writes
  const KvSNMPVarList saved = VarList;
  SnmpTarget target;
  SnmpPdu pdu;
  std::shared_ptr<KvJournalWrite> write;
  try {
    PrepareSet(selection, values);
    target = Settings.BuildTarget();
    std::vector<int> written;
    pdu = BuildPdu(Write, &written);
    write = StartJournalWrite(written, pdu);
  } catch (...) {
    VarList = saved;
    throw;
  }
  VarList = saved;
  SnmpPdu response;
  int code;
  std::string text;
  if (write) {
    JournaledSet(target, pdu, *write, response, code, text);
  } else {
    MapSnmpStatus(Session().Set(target, pdu, response), code, text);
  }
  if (code != 0) throw KvException(text, code);
  if (!readBack) return false;
  bool finished = false;
  return ProcessResponse(code, text, response, Write, finished);
}

void KvSNMPRequest::GetAsync(KvSNMPCallback callback, void *userData, bool first) {
  if (!enabled_) return;
  if (first) {
    ForgetRows();
    ended_.clear();
    walkRepetitions_ = 0;
  }
  ReadAsync(std::move(callback), userData, first ? ReadFirst : ReadOnwards);
}

void KvSNMPRequest::ReadAsync(KvSNMPCallback callback, void *userData, PduKind kind) {
  const SnmpOperation op = ReadOperation();
  const SnmpPdu pdu = BuildPdu(kind);
  partlyRead_ = false;
  if (op == SnmpOperation::Get) {
    GetLeavingOutMissingAsync(
        Settings.BuildTarget(), pdu,
        [callback = std::move(callback), userData](KvSNMPRequest &request, int status, const SnmpPdu &response,
                                                   const std::vector<size_t> &missing) {
          request.Complete(status, response, callback, userData, true, ReadFirst, missing);
        },
        std::make_shared<std::vector<size_t>>());
    ++pendingCount_;
    return;
  }
  if (op != SnmpOperation::GetNext || !IsTable()) {
    SendAsync(op, Settings.BuildTarget(), kind, pdu, std::move(callback), userData, true);
    return;
  }
  ReadRowsAsync(kind, pdu, std::move(callback), userData);
  ++pendingCount_;
}

void KvSNMPRequest::SetAsync(KvSNMPCallback callback, void *userData, bool readBack,
                             const std::string &selection, const std::vector<std::string> *values) {
  if (!enabled_) return;
  ForgetRows();
  const KvSNMPVarList saved = VarList;
  SnmpPdu pdu;
  SnmpTarget target;
  std::shared_ptr<KvJournalWrite> write;
  try {
    PrepareSet(selection, values);
    target = Settings.BuildTarget();  // fails early, before the list is touched any further
    std::vector<int> written;
    pdu = BuildPdu(Write, &written);
    write = StartJournalWrite(written, pdu);
  } catch (...) {
    VarList = saved;
    throw;
  }
  VarList = saved;
  if (write) return JournaledSetAsync(target, pdu, std::move(write), std::move(callback), userData, readBack);
  SendAsync(SnmpOperation::Set, target, Write, pdu, std::move(callback), userData, readBack);
}

void KvSNMPRequest::SendAsync(SnmpOperation op, const SnmpTarget &target, PduKind kind, const SnmpPdu &pdu,
                              KvSNMPCallback callback, void *userData, bool readBack) {
  Launch(op, target, pdu,
         [callback = std::move(callback), userData, readBack, kind](KvSNMPRequest &request, int status,
                                                                     const SnmpPdu &response) {
           request.Complete(status, response, callback, userData, readBack, kind);
         });
  ++pendingCount_;
}

void KvSNMPRequest::Launch(SnmpOperation op, const SnmpTarget &target, const SnmpPdu &pdu, Answered answered,
                           const SnmpPdu *post) {
  auto self = self_;
  auto id = std::make_shared<SnmpRequestId>(0);
  SnmpCompletion done = [self, id, answered = std::move(answered)](int status, const SnmpPdu &response) {
    KvSNMPRequest *request = *self;
    if (!request) return;  // the request is gone
    request->outstanding_.erase(*id);
    answered(*request, status, response);
  };
  if (post) {
    Session().Post(SnmpStatus::Success, *post, std::move(done), id.get());
  } else {
    const int status = Session().SendAsync(op, target, pdu, std::move(done), id.get());
    int code;
    std::string text;
    MapSnmpStatus(status, code, text);
    if (code != 0) throw KvException(text, code);
  }
  outstanding_.insert(*id);
}

// ---------------------------------------------------------------------------------
// The bulk walk.

int KvSNMPRequest::BulkRepetitions(const SnmpTarget &target, int columns) const {
  if ((target.Version != 1 && target.Version != 3) || Settings.Timing.MaxRepetitions == 0 || columns <= 0) return 0;
  const SnmpBulkState &state = Session().BulkState(target);
  if (state.Refused) return 0;
  const int32_t asked = Settings.Timing.MaxRepetitions;
  int repetitions;
  if (asked > 0) {
    repetitions = std::min(asked, kMaxRepetitionsLimit);
  } else if (walkRepetitions_ > 0) {
    repetitions = walkRepetitions_;
  } else {
    // A walk starts from what the agent's answers held before, else from a size that
    // agents take.
    repetitions = std::max(1, std::max(kBulkValuesPerAnswer, state.ValuesPerAnswer) / columns);
    repetitions = std::min(repetitions, kMaxRepetitionsLimit);
  }
  if (state.MostRepetitions > 0) repetitions = std::min(repetitions, state.MostRepetitions);
  return repetitions;
}

namespace {
// Octets that BER takes for a length or a sub-identifier of `value`.
size_t LengthOctets(size_t value) { return value < 128 ? 1 : value < 256 ? 2 : value < 65536 ? 3 : 4; }
size_t SubIdOctets(uint32_t value) {
  size_t n = 1;
  while (value >= 128) {
    value >>= 7;
    ++n;
  }
  return n;
}
size_t OidOctets(const std::vector<uint32_t> &oid) {
  size_t n = oid.size() > 1 ? 1 : oid.size();
  for (size_t i = 2; i < oid.size(); ++i) n += SubIdOctets(oid[i]);
  return 1 + LengthOctets(n) + n;
}

// About the octets one binding takes in a message.
size_t EncodedSize(const SnmpVb &vb) {
  const SnmpValue &v = vb.Value;
  size_t value = 2;
  switch (v.Type()) {
    case SnmpType::OctetString:
    case SnmpType::Opaque:
    case SnmpType::IpAddress: value = 1 + LengthOctets(v.AsOctets().size()) + v.AsOctets().size(); break;
    case SnmpType::ObjectId: value = OidOctets(v.AsOid()); break;
    case SnmpType::Integer:
    case SnmpType::Counter32:
    case SnmpType::Gauge32:
    case SnmpType::TimeTicks: value = 2 + 5; break;
    case SnmpType::Counter64: value = 2 + 9; break;
    default: break;
  }
  const size_t content = OidOctets(vb.Oid) + value;
  return 1 + LengthOctets(content) + content;
}

// What a message around the bindings takes at most (version, community or USM
// parameters, PDU header).
constexpr size_t kMessageOverhead = 160;
constexpr size_t kLargestDatagram = 65507;
}  // namespace

void KvSNMPRequest::LearnAnswerSize(SnmpBulkState &state, const SnmpPdu &pdu, int repetitions,
                                    const SnmpPdu &answer) {
  // Only a walk that chooses its own repetitions grows them: while answers come back
  // whole it asks for twice as many rows, up to what the agent's largest message holds;
  // an answer cut short tells how many fit.
  if (answer.AgentMaxSize > 0) {
    const int most = std::max(0, answer.AgentMaxSize - static_cast<int>(kMessageOverhead));
    state.MaxBytes = state.MaxBytes > 0 ? std::min(state.MaxBytes, most) : most;
  }
  if (Settings.Timing.MaxRepetitions >= 0) return;
  const size_t columns = pdu.Vbs.size();
  const size_t values = answer.Vbs.size();
  bool atEnd = false;
  size_t bytes = 0;
  for (const SnmpVb &vb : answer.Vbs) {
    atEnd = atEnd || vb.Value.Type() == SnmpType::EndOfMibView;
    bytes += EncodedSize(vb);
  }
  if (atEnd) return;  // the walk is at the end of the agent's view: nothing to learn
  const int rows = static_cast<int>(values / columns);
  if (values < static_cast<size_t>(repetitions) * columns) {
    // As many as fit: the next ones ask for a little more, which such an agent cuts
    // short at no cost, so that every answer is as full as it can be.
    state.CutsShort = true;
    state.ValuesPerAnswer = static_cast<int>(values);
    walkRepetitions_ = std::max(1, rows + rows / 8 + 1);
    return;
  }
  state.ValuesPerAnswer = std::max(state.ValuesPerAnswer, static_cast<int>(values));
  const size_t perRow = std::max<size_t>(1, bytes / static_cast<size_t>(std::max(rows, 1)));
  const size_t room = state.MaxBytes > 0 ? static_cast<size_t>(state.MaxBytes) : kLargestDatagram - kMessageOverhead;
  const int fits = static_cast<int>(std::max<size_t>(1, room / perRow));
  walkRepetitions_ = std::max(repetitions, std::min({repetitions * 2, fits, static_cast<int>(kMaxRepetitionsLimit)}));
}

SnmpPdu KvSNMPRequest::BulkPdu(const SnmpPdu &pdu, int repetitions) {
  SnmpPdu bulk = pdu;
  bulk.NonRepeaters = 0;
  bulk.MaxRepetitions = repetitions;
  return bulk;
}

namespace {
// Whether rows read with `a` answer reads with `b`: the same agent, credentials and context.
bool SameAgent(const KvSNMPSettings &a, const KvSNMPSettings &b) {
  const KvSNMPSecurity &x = a.Security, &y = b.Security;
  return a.Device.Address == b.Device.Address && a.Device.Port == b.Device.Port && x.Version == y.Version &&
         x.ReadCommunity == y.ReadCommunity && x.WriteCommunity == y.WriteCommunity &&
         x.SecurityModel == y.SecurityModel && x.SecurityLevel == y.SecurityLevel && x.SecurityName == y.SecurityName &&
         x.AuthPassword == y.AuthPassword && x.PrivPassword == y.PrivPassword && x.AuthProtocol == y.AuthProtocol &&
         x.PrivProtocol == y.PrivProtocol && a.Scope.ContextEngineId == b.Scope.ContextEngineId &&
         a.Scope.ContextName == b.Scope.ContextName;
}

SnmpPdu WithBindings(const SnmpPdu &header, const std::vector<const SnmpVb *> &vbs) {
  SnmpPdu pdu = header;
  pdu.Vbs.reserve(vbs.size());
  for (const SnmpVb *vb : vbs) pdu.Vbs.push_back(*vb);
  return pdu;
}
}  // namespace

int KvSNMPRequest::ReadRows(const SnmpTarget &target, const SnmpPdu &pdu, SnmpPdu &response) {
  if (AnswerFromRows(pdu, response)) return SnmpStatus::Success;
  ForgetRows();
  for (;;) {
    const int repetitions = BulkRepetitions(target, static_cast<int>(pdu.Vbs.size()));
    if (repetitions <= 1) return Session().Send(SnmpOperation::GetNext, target, pdu, response);
    SnmpPdu answer;
    const int status = Session().Send(SnmpOperation::GetBulk, target, BulkPdu(pdu, repetitions), answer);
    switch (TakeBulkAnswer(target, pdu, repetitions, status, answer)) {
      case BulkOutcome::Kept:
        if (AnswerFromRows(pdu, response)) return SnmpStatus::Success;
        return Session().Send(SnmpOperation::GetNext, target, pdu, response);
      case BulkOutcome::AskAgain: continue;
      case BulkOutcome::Unanswered: {
        const int next = Session().Send(SnmpOperation::GetNext, target, pdu, response);
        NoteOneRowAnswer(target, next);
        return next;
      }
      case BulkOutcome::Failed: response = std::move(answer); return status;
    }
  }
}

void KvSNMPRequest::NoteOneRowAnswer(const SnmpTarget &target, int status) {
  // An agent that answers GetNext where a GetBulk went unanswered does not take GetBulk.
  if (status != SnmpStatus::Timeout) Session().BulkState(target).Refused = true;
}

void KvSNMPRequest::ReadRowsAsync(PduKind kind, const SnmpPdu &pdu, KvSNMPCallback callback, void *userData) {
  Bindings rows;
  std::vector<SnmpVb> ends;
  if (sideBySide_) {
    if (AnswerFromStreams(pdu, rows, ends)) return HandOut(kind, pdu, std::move(rows), std::move(ends), std::move(callback), userData);
    if (!sideBySide_->Failed && !sideBySide_->Waiting) {
      sideBySide_->Waiting = std::make_unique<Parked>(Parked{std::move(callback), userData, kind, pdu});
      AskStreams();
      return;
    }
    StopSideBySide();
  } else if (AnswerFromRows(pdu, rows, ends)) {
    return HandOut(kind, pdu, std::move(rows), std::move(ends), std::move(callback), userData);
  }
  ForgetRows();
  if (kind == ReadOnwards && StartSideBySide(pdu)) {
    sideBySide_->Waiting = std::make_unique<Parked>(Parked{std::move(callback), userData, kind, pdu});
    AskStreams();
    return;
  }
  AskInBulkAsync(Settings.BuildTarget(), kind, pdu, std::move(callback), userData);
}

void KvSNMPRequest::HandOut(PduKind kind, const SnmpPdu &pdu, Bindings rows, std::vector<SnmpVb> ends,
                            KvSNMPCallback callback, void *userData) {
  if (handingOut_ && !queued_ &&
      std::chrono::steady_clock::now() - handOutStart_ < std::chrono::milliseconds(kHandOutMs)) {
    queued_ = std::make_unique<Queued>(Queued{std::move(callback), userData, kind, std::move(rows), std::move(ends)});
    return;
  }
  // Handed out from a later round of the event pump, as an answer would be, so that
  // the caller's events run between rows.
  const SnmpPdu response = WithBindings(aheadAnswer_, rows);
  Launch(SnmpOperation::GetNext, SnmpTarget{}, pdu,
         [callback = std::move(callback), userData, kind](KvSNMPRequest &request, int status, const SnmpPdu &answer) {
           request.Complete(status, answer, callback, userData, true, kind);
         },
         &response);
}

// ---------------------------------------------------------------------------------
// Columns read side by side.

bool KvSNMPRequest::StartSideBySide(const SnmpPdu &pdu) {
  const int inFlight = std::min(Settings.Timing.InFlight, kMaxInFlight);
  if (inFlight < 2 || pdu.Vbs.size() < 2 || Settings.Timing.MaxRepetitions == 0) return false;
  SnmpTarget target = Settings.BuildTarget();
  if (target.Version != 1 && target.Version != 3) return false;
  const SnmpBulkState &state = Session().BulkState(target);
  // Only an agent known to answer GetBulk whole, and that lost none of a walk's requests.
  if (state.Refused || !state.Answered || state.OneAtATime || state.MostRepetitions > 0) return false;
  auto side = std::make_unique<SideBySide>();
  side->Generation = ++sideGeneration_;
  side->Target = std::move(target);
  side->InFlight = inFlight;
  size_t binding = 0;
  for (int i = 0; i < VarList.GetCount() && binding < pdu.Vbs.size(); ++i) {
    if (!Asks(i, ReadOnwards)) continue;
    Stream stream;
    stream.Item = i;
    stream.From = pdu.Vbs[binding++].Oid;
    side->Streams.push_back(std::move(stream));
  }
  if (side->Streams.size() != pdu.Vbs.size()) return false;
  aheadSettings_ = Settings;
  aheadAnswer_ = SnmpPdu{};
  aheadAnswer_.AgentAddress = side->Target.Address.Host;
  aheadAnswer_.AgentPort = side->Target.Address.Port;
  sideBySide_ = std::move(side);
  return true;
}

void KvSNMPRequest::AskStreams() {
  SideBySide &side = *sideBySide_;
  const SnmpBulkState &state = Session().BulkState(side.Target);
  // One column per answer: as many of its rows as the answers of all columns held values.
  int repetitions = std::max(kBulkValuesPerAnswer, state.ValuesPerAnswer);
  if (state.CutsShort) repetitions += repetitions / 8 + 1;
  if (Settings.Timing.MaxRepetitions > 0) repetitions = Settings.Timing.MaxRepetitions * static_cast<int>(side.Streams.size());
  repetitions = std::min(repetitions, static_cast<int>(kMaxRepetitionsLimit));
  int asking = 0;
  for (const Stream &s : side.Streams) asking += s.Asking;
  for (size_t k = 0; k < side.Streams.size() && asking < side.InFlight; ++k) {
    Stream &stream = side.Streams[k];
    if (stream.Ended || stream.Asking || stream.Facts.size() >= kStreamAhead * static_cast<size_t>(repetitions)) continue;
    SnmpPdu pdu;
    Settings.PreparePdu(pdu);
    pdu.Vbs.emplace_back(stream.From);
    pdu.MaxRepetitions = repetitions;
    try {
      Launch(SnmpOperation::GetBulk, side.Target, pdu,
             [k, generation = side.Generation](KvSNMPRequest &request, int status, const SnmpPdu &answer) {
               if (request.sideBySide_ && request.sideBySide_->Generation == generation)
                 request.TakeStreamAnswer(k, status, answer);
             });
    } catch (const KvException &) {
      side.Failed = true;
      return;
    }
    stream.Asking = true;
    ++asking;
  }
}

void KvSNMPRequest::TakeStreamAnswer(size_t k, int status, const SnmpPdu &answer) {
  if (!sideBySide_ || k >= sideBySide_->Streams.size()) return;
  SideBySide &side = *sideBySide_;
  Stream &stream = side.Streams[k];
  stream.Asking = false;
  // An answer that came only after the request was sent again means one was lost.
  if (status == SnmpStatus::Timeout || answer.Resent) {
    Session().BulkState(side.Target).OneAtATime = true;
    side.Failed = true;
  } else if (status != SnmpStatus::Success || answer.Vbs.empty()) {
    side.Failed = true;
  } else {
    const std::vector<uint32_t> &column = columns_[static_cast<size_t>(stream.Item)];
    const std::vector<uint32_t> *from = &stream.From;
    for (const SnmpVb &vb : answer.Vbs) {
      Next next{*from, vb, vb.Value.Type() == SnmpType::EndOfMibView, false};
      if (!next.EndOfView && !(*from < vb.Oid)) {
        side.Failed = true;  // the agent does not advance: the one-request walk tells how
        break;
      }
      stream.Facts.push_back(std::move(next));
      from = &stream.Facts.back().Vb.Oid;
      if (stream.Facts.back().EndOfView || !HasPrefix(vb.Oid, column)) {
        stream.Ended = true;
        break;
      }
    }
    if (!side.Failed) stream.From = *from;
  }
  if (side.Waiting) {
    Bindings rows;
    std::vector<SnmpVb> ends;
    if (!side.Failed && AnswerFromStreams(side.Waiting->Pdu, rows, ends)) {
      std::unique_ptr<Parked> parked = std::move(side.Waiting);
      AskStreams();
      Complete(SnmpStatus::Success, aheadAnswer_, parked->Callback, parked->UserData, true, parked->Kind, {}, &rows);
      return;
    }
    if (side.Failed) return StopSideBySide();
  }
  if (!side.Failed) AskStreams();
}

bool KvSNMPRequest::AnswerFromStreams(const SnmpPdu &pdu, Bindings &answer, std::vector<SnmpVb> &ends) {
  if (!sideBySide_ || sideBySide_->Failed || !SameAgent(Settings, aheadSettings_)) return false;
  answer.clear();
  answer.reserve(pdu.Vbs.size());
  ends.clear();
  ends.reserve(pdu.Vbs.size());
  size_t binding = 0;
  bool passed = false;
  for (Stream &stream : sideBySide_->Streams) {
    if (!Asks(stream.Item, ReadOnwards)) continue;
    if (binding >= pdu.Vbs.size()) return false;
    const std::vector<uint32_t> &asked = pdu.Vbs[binding++].Oid;
    // What lies before the OID asked for is passed: the walk asks each column onwards.
    while (stream.Facts.size() > 1 && !(asked < stream.Facts.front().Vb.Oid) && !stream.Facts.front().EndOfView) {
      stream.Facts.pop_front();
      passed = true;
    }
    if (stream.Facts.empty()) return false;
    const Next &next = stream.Facts.front();
    if (asked < next.From) return false;
    if (next.EndOfView) {
      ends.emplace_back(asked, SnmpValue::Exception(SnmpType::EndOfMibView));
      answer.push_back(&ends.back());
    } else if (asked < next.Vb.Oid) {
      answer.push_back(&next.Vb);
    } else {
      return false;  // asked past what the stream read: it reads on
    }
  }
  if (binding != pdu.Vbs.size()) return false;
  if (passed && !sideBySide_->Waiting) AskStreams();
  return true;
}

void KvSNMPRequest::StopSideBySide() {
  if (!sideBySide_) return;
  std::unique_ptr<SideBySide> side = std::move(sideBySide_);
  // Answers on their way for the streams are dropped (TakeStreamAnswer finds none).
  std::unique_ptr<Parked> parked = std::move(side->Waiting);
  if (!parked) return;
  try {
    AskInBulkAsync(side->Target, parked->Kind, parked->Pdu, parked->Callback, parked->UserData);
  } catch (const KvException &) {
    Complete(SnmpStatus::Error, aheadAnswer_, parked->Callback, parked->UserData, true, parked->Kind);
  }
}

void KvSNMPRequest::PostQueued() {
  if (!queued_) return;
  std::unique_ptr<Queued> q = std::move(queued_);
  const SnmpPdu response = WithBindings(aheadAnswer_, q->Rows);
  Launch(SnmpOperation::GetNext, SnmpTarget{}, SnmpPdu{},
         [callback = std::move(q->Callback), userData = q->UserData, kind = q->Kind](
             KvSNMPRequest &request, int status, const SnmpPdu &answer) {
           request.Complete(status, answer, callback, userData, true, kind);
         },
         &response);
}

void KvSNMPRequest::AskInBulkAsync(const SnmpTarget &target, PduKind kind, const SnmpPdu &pdu,
                                   KvSNMPCallback callback, void *userData) {
  Answered complete = [callback, userData, kind](KvSNMPRequest &request, int status, const SnmpPdu &response) {
    request.Complete(status, response, callback, userData, true, kind);
  };
  const int repetitions = BulkRepetitions(target, static_cast<int>(pdu.Vbs.size()));
  if (repetitions <= 1) {
    Launch(SnmpOperation::GetNext, target, pdu, std::move(complete));
    return;
  }
  Launch(SnmpOperation::GetBulk, target, BulkPdu(pdu, repetitions),
         [target, kind, pdu, repetitions, callback, userData, complete](KvSNMPRequest &request, int status,
                                                                        const SnmpPdu &answer) {
           const BulkOutcome outcome = request.TakeBulkAnswer(target, pdu, repetitions, status, answer);
           if (outcome == BulkOutcome::Failed) return complete(request, status, answer);
           Bindings rows;
           std::vector<SnmpVb> ends;
           if (outcome == BulkOutcome::Kept && request.AnswerFromRows(pdu, rows, ends))
             return request.Complete(status, request.aheadAnswer_, callback, userData, true, kind, {}, &rows);
           // A request going away hands nothing on; Complete only counts the answer.
           if (!request.enabled_) return complete(request, status, answer);
           try {
             if (outcome == BulkOutcome::AskAgain)
               request.AskInBulkAsync(target, kind, pdu, callback, userData);
             else
               request.Launch(SnmpOperation::GetNext, target, pdu,
                              [target, complete, outcome](KvSNMPRequest &r, int st, const SnmpPdu &resp) {
                                if (outcome == BulkOutcome::Unanswered) r.NoteOneRowAnswer(target, st);
                                complete(r, st, resp);
                              });
           } catch (const KvException &) {
             complete(request, status == SnmpStatus::Success ? kTooBigStatus : status, answer);
           }
         });
}

KvSNMPRequest::BulkOutcome KvSNMPRequest::TakeBulkAnswer(const SnmpTarget &target, const SnmpPdu &pdu,
                                                         int repetitions, int status, const SnmpPdu &answer) {
  SnmpBulkState &state = Session().BulkState(target);
  // An answer without even one binding per column did not fit either.
  if (status == kTooBigStatus || (status == SnmpStatus::Success && answer.Vbs.size() < pdu.Vbs.size())) {
    const int half = std::max(1, repetitions / 2);
    state.MostRepetitions = state.MostRepetitions > 0 ? std::min(state.MostRepetitions, half) : half;
    walkRepetitions_ = std::min(walkRepetitions_, state.MostRepetitions);
    return BulkOutcome::AskAgain;
  }
  // Any other error-status, even one outside the protocol's: the agent will not be
  // asked in bulk again.
  if ((status > 0 && status < SnmpStatus::UsmError) || status == SnmpStatus::BadErrorStatus) {
    state.Refused = true;
    return BulkOutcome::AskAgain;
  }
  // Some agents ignore GetBulk: the read is asked once more one row at a time. One that
  // answered GetBulk before is not answering at all: its time-out is the read's.
  if (status == SnmpStatus::Timeout) return state.Answered ? BulkOutcome::Failed : BulkOutcome::Unanswered;
  if (status != SnmpStatus::Success) return BulkOutcome::Failed;
  state.Answered = true;
  LearnAnswerSize(state, pdu, repetitions, answer);
  KeepRows(pdu, answer);
  return BulkOutcome::Kept;
}

void KvSNMPRequest::ForgetRows() {
  PostQueued();  // a row asked for already is answered from what was kept when it was asked
  StopSideBySide();
  ahead_.clear();
}

void KvSNMPRequest::KeepRows(const SnmpPdu &pdu, const SnmpPdu &answer) {
  ForgetRows();
  aheadSettings_ = Settings;
  aheadAnswer_ = SnmpPdu{};
  aheadAnswer_.AgentAddress = answer.AgentAddress;
  aheadAnswer_.AgentPort = answer.AgentPort;
  // The answer holds the columns' next OIDs round by round: column c of round r at
  // r * columns + c, each the next of the one before it in its column.
  const size_t columns = pdu.Vbs.size();
  ahead_.reserve(answer.Vbs.size() + columns);
  for (size_t c = 0; c < columns; ++c) {
    const std::vector<uint32_t> *from = &pdu.Vbs[c].Oid;
    for (size_t k = c; k < answer.Vbs.size(); k += columns) {
      const SnmpVb &vb = answer.Vbs[k];
      Next next{*from, vb, vb.Value.Type() == SnmpType::EndOfMibView, false};
      next.ExactOnly = !next.EndOfView && !(*from < vb.Oid);
      ahead_.push_back(std::move(next));
      if (ahead_.back().EndOfView) break;
      from = &vb.Oid;
    }
  }
  // By From; of the same From, the one kept first.
  std::stable_sort(ahead_.begin(), ahead_.end(), [](const Next &x, const Next &y) { return x.From < y.From; });
  ahead_.erase(std::unique(ahead_.begin(), ahead_.end(), [](const Next &x, const Next &y) { return x.From == y.From; }),
               ahead_.end());
  aheadHint_.assign(columns, 0);
}

const KvSNMPRequest::Next *KvSNMPRequest::FindAhead(const std::vector<uint32_t> &oid, size_t &hint) const {
  // The last From at or before `oid`: where the binding's last answer was, or the one
  // after it, as a walk goes on row by row; else searched for.
  const auto fits = [&](size_t at) {
    return at < ahead_.size() && !(oid < ahead_[at].From) && (at + 1 == ahead_.size() || oid < ahead_[at + 1].From);
  };
  if (!fits(hint)) {
    if (fits(hint + 1)) {
      ++hint;
    } else {
      auto it = std::upper_bound(ahead_.begin(), ahead_.end(), oid,
                                 [](const std::vector<uint32_t> &o, const Next &n) { return o < n.From; });
      if (it == ahead_.begin()) return nullptr;
      hint = static_cast<size_t>(std::prev(it) - ahead_.begin());
    }
  }
  return &ahead_[hint];
}

bool KvSNMPRequest::AnswerFromRows(const SnmpPdu &pdu, Bindings &answer, std::vector<SnmpVb> &ends) {
  if (ahead_.empty() || pdu.Vbs.empty() || !SameAgent(Settings, aheadSettings_)) return false;
  if (aheadHint_.size() < pdu.Vbs.size()) aheadHint_.resize(pdu.Vbs.size(), 0);
  answer.clear();
  answer.reserve(pdu.Vbs.size());
  ends.clear();
  ends.reserve(pdu.Vbs.size());  // never moved while `answer` points into it
  for (size_t b = 0; b < pdu.Vbs.size(); ++b) {
    const SnmpVb &asked = pdu.Vbs[b];
    const Next *next = FindAhead(asked.Oid, aheadHint_[b]);
    if (!next) return false;
    if (next->EndOfView) {
      ends.emplace_back(asked.Oid, SnmpValue::Exception(SnmpType::EndOfMibView));
      answer.push_back(&ends.back());
    } else if (next->From == asked.Oid || (!next->ExactOnly && asked.Oid < next->Vb.Oid)) {
      answer.push_back(&next->Vb);
    } else {
      return false;
    }
  }
  return true;
}

bool KvSNMPRequest::AnswerFromRows(const SnmpPdu &pdu, SnmpPdu &response) {
  Bindings rows;
  std::vector<SnmpVb> ends;
  if (!AnswerFromRows(pdu, rows, ends)) return false;
  response = WithBindings(aheadAnswer_, rows);
  return true;
}

void KvSNMPRequest::Complete(int status, const SnmpPdu &response, const KvSNMPCallback &callback, void *userData,
                             bool readBack, PduKind asked, const std::vector<size_t> &missing, const Bindings *rows) {
  // While the callbacks run, a next row that the rows kept answer is queued rather
  // than sent through the event pump, and handed out here when the callback returns.
  const std::shared_ptr<KvSNMPRequest *> alive = self_;
  const bool outer = !handingOut_;
  if (outer) {
    handingOut_ = true;
    handOutStart_ = std::chrono::steady_clock::now();
  }
  try {
    CompleteOne(status, response, rows, callback, userData, readBack, asked, missing);
    while (outer && *alive && queued_) {
      std::unique_ptr<Queued> q = std::move(queued_);
      CompleteOne(SnmpStatus::Success, aheadAnswer_, &q->Rows, q->Callback, q->UserData, true, q->Kind, {});
    }
  } catch (...) {
    if (*alive && outer) {
      handingOut_ = false;
      PostQueued();
    }
    throw;
  }
  if (*alive && outer) handingOut_ = false;
}

void KvSNMPRequest::CompleteOne(int status, const SnmpPdu &response, const Bindings *rows,
                                const KvSNMPCallback &callback, void *userData, bool readBack, PduKind asked,
                                const std::vector<size_t> &missing) {
  // Counted down first: a callback that closes the window destroys this request, and its
  // destructor must not wait for the answer it is being called from.
  --pendingCount_;
  if (status == SnmpStatus::SessionClosed || !enabled_) return;

  KvSNMPError error;
  MapSnmpStatus(status, error.Code, error.Message);
  error.ErrorIndex = response.ErrorIndex;
  error.AgentAddress = response.AgentAddress.empty() ? Settings.Device.Address : response.AgentAddress;
  error.AgentPort = response.AgentAddress.empty() ? Settings.Device.Port : response.AgentPort;
  error.Done = true;
  if ((error.Code == 0 && readBack) || (error.Code == kNoSuchName && IsTable())) {
    try {
      if (error.Code == kNoSuchName && EndColumnAt(response, asked)) {
        ReadAsync(callback, userData, asked);
        return;
      }
      bool finished = false;
      bool more;
      if (rows) {
        if (asked == ReadFirst) rowsRead_ = 0;
        more = ProcessRow(error.Code, error.Message, *rows, asked, finished);
      } else {
        more = ProcessResponse(error.Code, error.Message, response, asked, finished);
      }
      if (finished && error.Code == kNoSuchName) MapSnmpStatus(0, error.Code, error.Message);
      error.Done = !more;
      if (!missing.empty()) {
        partlyRead_ = error.PartlyRead = true;
        error.Code = kNoSuchName;
        error.Message = MissingText(missing);
      }
    } catch (const KvException &e) {
      error.Code = e.Code();
      error.Message = e.what();
      error.Done = true;
    }
  }
  if (callback) callback(userData, &error, &VarList);
}
