#include "snapshot_agent.h"

#include "kv_exception.h"
#include "kv_snmp_request.h"
#include "snapshot_tables.h"
#include "snmp_printable.h"

#include <ctime>

namespace {
const char *const kNoValue = "(NULL)";
const char *const kNotDone = "(NOTDONE)";

const KvSNMPVarDef kIdentityDefs[] = {
    {"1.3.6.1.2.1.1.1", "sysDescr", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {"1.3.6.1.2.1.1.2", "sysObjectID", Syntax::ObjectId, Access::ReadOnly, nullptr},
    {"1.3.6.1.4.1.171.12.1.1.6", "agentRuntimeSwVersion", Syntax::DisplayStr, Access::ReadOnly, nullptr},
    {nullptr, nullptr, 0, 0, nullptr}};

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &utc);
  return text;
}

bool Kept(const std::string &value) { return value != kNoValue && value != kNotDone; }

KvSnapshotHeader ReadHeader(const KvSNMPSettings &settings) {
  KvSnapshotHeader header;
  header.Agent = settings.Device.Address + ":" + std::to_string(settings.Device.Port);
  header.Date = Today();
  KvSNMPRequest request(settings);
  request.VarList = KvSNMPVarList(kIdentityDefs, SVT_SV, 0);
  try {
    request.Get(true);
  } catch (const KvException &) {
    if (!request.PartlyRead()) throw;  // an SNMPv1 agent without one of them
  }
  auto value = [&](int i) {
    const std::string &v = request.VarList.GetItem(i)->Value;
    return Kept(v) ? v : std::string();
  };
  header.SysDescr = value(0);
  header.SysObjectId = value(1);
  header.Firmware = value(2);
  return header;
}

void ReadTable(const KvSNMPSettings &settings, int index, KvSnapshot &snapshot) {
  const KvSnapshotTable &t = SnapshotTables()[static_cast<size_t>(index)];
  KvSNMPRequest request(settings);
  request.VarList = KvSNMPVarList(t.Defs.data(), t.ItemType, t.KeyCount);
  const KvSNMPVarList &list = request.VarList;
  auto keep = [&](const KvRowIndex &row) {
    KvSnapshotRow values;
    for (int i = t.KeyCount; i < list.GetCount(); ++i)
      if (Kept(list.GetItem(i)->Value)) values.emplace(i, list.GetItem(i)->Value);
    if (!values.empty()) snapshot.Tables[index][row] = std::move(values);
  };
  if (t.Scalar()) {
    try {
      request.Get(true);
    } catch (const KvException &) {
      if (!request.PartlyRead()) throw;
    }
    keep({});
    return;
  }
  for (bool more = request.Get(true); more; more = request.Get(false)) {
    const KvSNMPVarItem *key = list.GetItem(0);
    KvRowIndex row;
    if (key->Instance.size() <= key->Oid.size() || !ParseOid(key->Instance.substr(key->Oid.size() + 1), row)) continue;
    keep(row);
  }
}

std::string Selection(const std::vector<std::pair<int, std::string>> &values, std::vector<std::string> &texts) {
  std::string selection;
  for (const auto &[column, value] : values) {
    if (!selection.empty()) selection += ",";
    selection += std::to_string(column);
    texts.push_back(value);
  }
  return selection;
}

void Send(const KvSNMPSettings &settings, int table, const KvRowIndex &row,
          const std::vector<std::pair<int, std::string>> &values) {
  const KvSnapshotTable &t = SnapshotTables()[static_cast<size_t>(table)];
  KvSNMPRequest request(settings);
  request.VarList = KvSNMPVarList(t.Defs.data(), t.ItemType, t.KeyCount);
  if (!t.Scalar()) request.DecodeRowIndexes(OidToText(row));
  std::vector<std::string> texts;
  const std::string selection = Selection(values, texts);
  request.Set(false, selection, &texts);
}
}  // namespace

KvSnapshot ReadSnapshot(const KvSNMPSettings &settings, const KvSnapshotProgress &progress) {
  KvSnapshot snapshot;
  const size_t total = SnapshotTables().size() + 1;
  if (progress) progress(0, total, "identity");
  snapshot.Header = ReadHeader(settings);
  for (size_t i = 0; i < SnapshotTables().size(); ++i) {
    const KvSnapshotTable &t = SnapshotTables()[i];
    if (progress) progress(i + 1, total, t.Name());
    try {
      ReadTable(settings, static_cast<int>(i), snapshot);
    } catch (const KvException &failure) {
      throw KvException(t.Name() + ": " + failure.what(), failure.Code());
    }
  }
  if (progress) progress(total, total, "");
  return snapshot;
}

KvRestoreOutcome ExecuteRestore(const KvRestorePlan &plan, const KvSNMPSettings &settings,
                                const KvSnapshotProgress &progress) {
  KvRestoreOutcome outcome;
  const size_t total = plan.Sets.size();
  for (size_t i = 0; i < total; ++i) {
    const KvRestoreSet &set = plan.Sets[i];
    if (progress) progress(i, total, SetText(set));
    try {
      try {
        Send(settings, set.Table, set.Row, set.Values);
      } catch (const KvException &) {
        // Created alone, then given its columns, where the agent takes no columns with
        // the status that creates the row.
        if (set.What != KvRestoreSet::Create || set.Values.size() < 2) throw;
        Send(settings, set.Table, set.Row, {set.Values.front()});
        Send(settings, set.Table, set.Row, {set.Values.begin() + 1, set.Values.end()});
      }
      outcome.Sent.push_back(SetText(set));
    } catch (const std::exception &failure) {
      outcome.Refused = SetText(set);
      outcome.Error = failure.what();
      for (size_t j = i + 1; j < total; ++j) outcome.NotSent.push_back(SetText(plan.Sets[j]));
      break;
    }
  }
  if (progress) progress(total, total, "");
  return outcome;
}
