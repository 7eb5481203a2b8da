#include "set_transaction.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

namespace {
// RowStatus (SNMPv2-TC) and EntryStatus (RMON) values.
constexpr int64_t kActive = 1, kNotInService = 2, kNotReady = 3, kCreateAndGo = 4, kCreateAndWait = 5, kDestroy = 6;
constexpr int64_t kValid = 1, kCreateRequest = 2, kUnderCreation = 3, kInvalid = 4;

bool IsStatus(const Table *t, const Oid &oid) {
  return t && t->statusKind != StatusKind::None && oid[t->entry.size()] == t->statusColumn;
}
}  // namespace

int SetTransaction::Add(const Oid &oid, const Value &value) {
  SubId column = 0;
  Oid row;
  const Table *table = model_.Data().TableOf(oid, &column, &row);
  const auto &instances = model_.Data().instances;
  auto it = instances.find(oid);
  if (it != instances.end()) {
    const Instance &inst = it->second;
    if (inst.access == Access::ReadOnly) return SNMP_ERR_NOTWRITABLE;
    if (inst.value.type != value.type) return SNMP_ERR_WRONGTYPE;
    if (const int err = CheckConstraints(inst.constraints, value)) return err;
  } else {
    if (!table || table->statusKind == StatusKind::None) return SNMP_ERR_NOCREATION;
    auto col = table->columns.find(column);
    if (col == table->columns.end() || !table->IndexValid(row)) return SNMP_ERR_NOCREATION;
    if (col->second.access == Access::ReadOnly) return SNMP_ERR_NOTWRITABLE;
    if (col->second.defaultValue.type != value.type) return SNMP_ERR_WRONGTYPE;
    if (const int err = CheckConstraints(col->second.constraints, value)) return err;
  }
  if (IsStatus(table, oid)) {
    const int64_t s = value.Signed();
    if (table->statusKind == StatusKind::RowStatus && (s < kActive || s > kDestroy || s == kNotReady))
      return SNMP_ERR_WRONGVALUE;
    if (table->statusKind == StatusKind::EntryStatus && (s < kValid || s > kInvalid)) return SNMP_ERR_WRONGVALUE;
  }
  writes_.push_back({oid, value, table && table->statusKind != StatusKind::None ? table : nullptr, row});
  return SNMP_ERR_NOERROR;
}

std::vector<SetTransaction::RowPlan> SetTransaction::Plan(std::pair<int, size_t> *error) {
  std::vector<RowPlan> plans;
  auto planFor = [&](const Write &w) -> RowPlan & {
    for (auto &p : plans)
      if (p.table == w.table && p.row == w.row) return p;
    RowPlan p;
    p.table = w.table;
    p.row = w.row;
    Oid status = Concat(w.table->entry, {w.table->statusColumn});
    p.exists = model_.Data().instances.count(Concat(status, w.row)) > 0;
    plans.push_back(p);
    return plans.back();
  };
  for (const Write &w : writes_)
    if (w.table && IsStatus(w.table, w.oid)) planFor(w).status = w.value.Signed();

  for (size_t i = 0; i < writes_.size() && error->first == SNMP_ERR_NOERROR; ++i) {
    const Write &w = writes_[i];
    if (!w.table) continue;
    RowPlan &p = planFor(w);
    const bool rowStatus = p.table->statusKind == StatusKind::RowStatus;
    const bool statusWrite = IsStatus(w.table, w.oid);
    auto fail = [&](int status) { *error = {status, i}; };
    if (p.exists) {
      if (statusWrite && p.status &&
          (rowStatus ? (*p.status == kCreateAndGo || *p.status == kCreateAndWait) : *p.status == kCreateRequest))
        fail(SNMP_ERR_INCONSISTENTVALUE);
      else if (statusWrite)
        p.remove = *p.status == (rowStatus ? kDestroy : kInvalid);
      else if (!rowStatus) {
        // RMON: a locked column cannot change while its row is valid.
        SubId column = w.oid[w.table->entry.size()];
        auto col = w.table->columns.find(column);
        const auto current = model_.Read(Concat(Concat(w.table->entry, {w.table->statusColumn}), w.row));
        const bool validAfter = !p.status || *p.status == kValid;
        if (col != w.table->columns.end() && col->second.constraints.lockedWhileValid && current &&
            current->Signed() == kValid && validAfter)
          fail(SNMP_ERR_INCONSISTENTVALUE);
      }
    } else if (!p.status) {
      fail(SNMP_ERR_INCONSISTENTNAME);  // could be created, but not by this PDU
    } else if (rowStatus) {
      if (*p.status == kCreateAndGo || *p.status == kCreateAndWait) p.create = true;
      else if (*p.status == kDestroy) p.ignore = true;
      else if (statusWrite) fail(SNMP_ERR_INCONSISTENTVALUE);
    } else {
      if (*p.status == kCreateRequest) p.create = true;
      else if (*p.status == kInvalid) p.ignore = true;
      else if (statusWrite) fail(SNMP_ERR_INCONSISTENTVALUE);
    }
  }
  return plans;
}

std::pair<int, size_t> SetTransaction::Check() {
  std::pair<int, size_t> error{SNMP_ERR_NOERROR, 0};
  plan_ = Plan(&error);
  if (error.first != SNMP_ERR_NOERROR) return error;
  std::vector<std::pair<Oid, Value>> all;
  for (const Write &w : writes_) all.emplace_back(w.oid, w.value);
  const auto [status, oid] = model_.Validate(all);
  if (status != SNMP_ERR_NOERROR) {
    for (size_t i = 0; i < writes_.size(); ++i)
      if (writes_[i].oid == oid) return {status, i};
    return {status, 0};
  }
  return error;
}

void SetTransaction::Remember(const Oid &oid) {
  for (const auto &u : undo_)
    if (u.first == oid) return;
  auto &instances = model_.Data().instances;
  auto it = instances.find(oid);
  undo_.emplace_back(oid, it == instances.end() ? std::nullopt : std::optional<Instance>(it->second));
}

void SetTransaction::Apply() {
  if (applied_) return;
  applied_ = true;
  auto &instances = model_.Data().instances;
  for (const RowPlan &p : plan_)
    for (const auto &[col, column] : p.table->columns) Remember(Concat(Concat(p.table->entry, {col}), p.row));
  for (const Write &w : writes_) Remember(w.oid);

  for (const RowPlan &p : plan_) {
    if (p.create) {
      model_.AddRow(p.table->entry, p.row, {});
      for (const auto &[col, column] : p.table->columns)
        changes_.push_back({Change::Created, Concat(Concat(p.table->entry, {col}), p.row)});
    }
  }
  for (const Write &w : writes_) {
    const RowPlan *p = nullptr;
    for (const auto &candidate : plan_)
      if (w.table && candidate.table == w.table && candidate.row == w.row) p = &candidate;
    if (p && (p->ignore || p->remove)) continue;
    auto it = instances.find(w.oid);
    if (it == instances.end()) continue;
    Value v = w.value;
    if (p && IsStatus(w.table, w.oid)) {
      const int64_t s = v.Signed();
      if (p->table->statusKind == StatusKind::RowStatus)
        v = Value::Int(s == kCreateAndGo ? kActive : s == kCreateAndWait ? kNotInService : s);
      else
        v = Value::Int(s == kCreateRequest ? kUnderCreation : s);
    }
    it->second.value = v;
    it->second.since = model_.Now();
    changes_.push_back({Change::Written, w.oid});
  }
  for (const RowPlan &p : plan_) {
    if (!p.remove) continue;
    for (const auto &[col, column] : p.table->columns) {
      const Oid oid = Concat(Concat(p.table->entry, {col}), p.row);
      instances.erase(oid);
      changes_.push_back({Change::Deleted, oid});
    }
    // Instances of the row that no @column declares go as well.
    for (auto it = instances.lower_bound(p.table->entry); it != instances.end() && HasPrefix(it->first, p.table->entry);) {
      const Oid row(it->first.begin() + static_cast<long>(p.table->entry.size()) + 1, it->first.end());
      if (row == p.row) {
        Remember(it->first);
        changes_.push_back({Change::Deleted, it->first});
        it = instances.erase(it);
      } else
        ++it;
    }
  }
}

void SetTransaction::Undo() {
  if (!applied_) return;
  auto &instances = model_.Data().instances;
  for (auto it = undo_.rbegin(); it != undo_.rend(); ++it) {
    if (it->second) instances[it->first] = *it->second;
    else instances.erase(it->first);
  }
  undo_.clear();
  changes_.clear();
  applied_ = false;
}

void SetTransaction::Commit() {
  if (!applied_) return;
  model_.Committed(changes_);
  undo_.clear();
  changes_.clear();
  applied_ = false;
}
