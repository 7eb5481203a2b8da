#include "restore_plan.h"

#include "snapshot_tables.h"

#include <algorithm>

namespace {
const KvSnapshotTable &TableAt(int t) { return SnapshotTables()[static_cast<size_t>(t)]; }

std::vector<std::pair<int, std::string>> ColumnsOf(const KvSnapshotTable &t, const KvSnapshotRow &row) {
  std::vector<std::pair<int, std::string>> values;
  for (const auto &[column, value] : row)
    if (column != t.StatusColumn) values.emplace_back(column, value);
  return values;
}

struct Planner {
  const KvSnapshot &Live, &Target;
  std::vector<KvRestoreSet> Scalars, DestroyDependents, CreateParents, Changes, DestroyParents, CreateDependents;
  std::vector<std::string> Impossible;

  void Create(int t, const KvRowIndex &row, const KvSnapshotRow &values, std::vector<KvRestoreSet> &into) {
    const KvSnapshotTable &table = TableAt(t);
    if (table.Status == KvSnapshotStatus::None) {
      Impossible.push_back(CellName(t, row) + ": the switch has no such row, and rows of " + table.Name() +
                           " cannot be created");
      return;
    }
    const auto status = values.find(table.StatusColumn);
    const std::string wanted = status == values.end() ? ActiveValue(table) : status->second;
    KvRestoreSet create{KvRestoreSet::Create, t, row, {{table.StatusColumn, CreateValue(table)}}};
    for (auto &v : ColumnsOf(table, values)) create.Values.push_back(v);
    into.push_back(create);
    // createAndGo puts the row in service at once.
    if (CreateValue(table) != "createAndGo" && InService(table, wanted))
      into.push_back({KvRestoreSet::Activate, t, row, {{table.StatusColumn, wanted}}});
  }

  void Destroy(int t, const KvRowIndex &row, std::vector<KvRestoreSet> &into) {
    const KvSnapshotTable &table = TableAt(t);
    if (table.Status == KvSnapshotStatus::None) {
      Impossible.push_back(CellName(t, row) + ": the switch has a row that the file lacks, and rows of " +
                           table.Name() + " cannot be destroyed");
      return;
    }
    into.push_back({KvRestoreSet::Destroy, t, row, {{table.StatusColumn, DestroyValue(table)}}});
  }

  void Change(int t, const KvRowIndex &row, const KvSnapshotRow &now, const KvSnapshotRow &wanted) {
    const KvSnapshotTable &table = TableAt(t);
    std::vector<std::pair<int, std::string>> values;
    std::string status;
    for (const auto &[column, value] : wanted) {
      const auto current = now.find(column);
      if (current != now.end() && current->second == value) continue;
      if (column == table.StatusColumn) status = value;
      else values.emplace_back(column, value);
    }
    if (values.empty() && status.empty()) return;
    const auto nowStatus = table.StatusColumn >= 0 ? now.find(table.StatusColumn) : now.end();
    if (table.Status == KvSnapshotStatus::EntryStatus && !values.empty() && nowStatus != now.end() &&
        InService(table, nowStatus->second)) {
      Changes.push_back({KvRestoreSet::Destroy, t, row, {{table.StatusColumn, DestroyValue(table)}}});
      Create(t, row, wanted, Changes);
      return;
    }
    // Out of service before the columns change; back in service after.
    const bool activate = !status.empty() && InService(table, status);
    if (!status.empty() && !activate) Changes.push_back({KvRestoreSet::Write, t, row, {{table.StatusColumn, status}}});
    if (!values.empty()) Changes.push_back({KvRestoreSet::Write, t, row, values});
    if (activate) Changes.push_back({KvRestoreSet::Activate, t, row, {{table.StatusColumn, status}}});
  }

  void Table(int t) {
    static const std::map<KvRowIndex, KvSnapshotRow> kNoRows;
    const KvSnapshotTable &table = TableAt(t);
    const auto a = Live.Tables.find(t), b = Target.Tables.find(t);
    const auto &now = a == Live.Tables.end() ? kNoRows : a->second;
    const auto &wanted = b == Target.Tables.end() ? kNoRows : b->second;
    if (table.Scalar()) {
      static const KvSnapshotRow kNone;
      const auto n = now.find({});
      const auto w = wanted.find({});
      if (w == wanted.end()) return;
      std::vector<std::pair<int, std::string>> values;
      for (const auto &[column, value] : w->second) {
        const bool same = n != now.end() && n->second.count(column) && n->second.at(column) == value;
        if (!same) values.emplace_back(column, value);
      }
      if (!values.empty()) Scalars.push_back({KvRestoreSet::Write, t, {}, values});
      return;
    }
    const bool dependent = table.Depth > 0;
    for (const auto &[row, values] : now)
      if (!wanted.count(row)) Destroy(t, row, dependent ? DestroyDependents : DestroyParents);
    for (const auto &[row, values] : wanted) {
      const auto current = now.find(row);
      if (current == now.end()) Create(t, row, values, dependent ? CreateDependents : CreateParents);
      else Change(t, row, current->second, values);
    }
  }
};

void StableByDepth(std::vector<KvRestoreSet> &sets, bool deepestFirst) {
  std::stable_sort(sets.begin(), sets.end(), [deepestFirst](const KvRestoreSet &x, const KvRestoreSet &y) {
    const int dx = TableAt(x.Table).Depth, dy = TableAt(y.Table).Depth;
    return deepestFirst ? dx > dy : dx < dy;
  });
}
}  // namespace

KvRestorePlan PlanRestore(const KvSnapshot &live, const KvSnapshot &target) {
  Planner p{live, target, {}, {}, {}, {}, {}, {}, {}};
  for (size_t t = 0; t < SnapshotTables().size(); ++t) p.Table(static_cast<int>(t));
  StableByDepth(p.DestroyDependents, true);
  StableByDepth(p.Changes, false);
  StableByDepth(p.CreateDependents, false);
  KvRestorePlan plan;
  for (auto *phase : {&p.Scalars, &p.DestroyDependents, &p.CreateParents, &p.Changes, &p.DestroyParents, &p.CreateDependents})
    plan.Sets.insert(plan.Sets.end(), phase->begin(), phase->end());
  plan.Impossible = std::move(p.Impossible);
  return plan;
}

std::string SetText(const KvRestoreSet &set) {
  static const char *const kVerbs[] = {"set", "create", "activate", "destroy"};
  const KvSnapshotTable &table = TableAt(set.Table);
  std::string text = std::string(kVerbs[set.What]) + " " + CellName(set.Table, set.Row) + ":";
  bool first = true;
  for (const auto &[column, value] : set.Values) {
    text += (first ? " " : ", ") + table.ColumnNames[static_cast<size_t>(column)] + "=" + QuotedValue(value);
    first = false;
  }
  return text;
}
