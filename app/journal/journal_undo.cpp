#include "journal_undo.h"

#include "kv_snmp_request.h"

#include <map>
#include <set>

namespace {
constexpr int kActive = 1;         // RowStatus active, EntryStatus valid
constexpr int kCreateAndGo = 4;
constexpr int kCreateAndWait = 5;
constexpr int kCreateRequest = 2;  // EntryStatus

std::string NameOf(const KvJournalObject &o) { return o.Name + "." + o.Index; }

bool Existed(const std::optional<SnmpValue> &before) { return before && before->HasValue(); }

// The row an object is in: its column OID without the instance, less the column.
std::string RowOf(const KvJournalObject &o) {
  std::string column = o.Oid;
  if (!o.Index.empty() && column.size() > o.Index.size() + 1 &&
      column.compare(column.size() - o.Index.size(), o.Index.size(), o.Index) == 0)
    column.resize(column.size() - o.Index.size() - 1);
  const size_t dot = column.rfind('.');
  return (dot == std::string::npos ? column : column.substr(0, dot)) + "|" + o.Index;
}

bool IsInteger(const SnmpValue &v, int64_t n) { return v.Type() == SnmpType::Integer && v.AsInteger() == n; }

// One write of the change, as the journal has it.
struct Write {
  std::vector<KvJournalObject> Objects;
  bool Ok = true;
};

class Planner {
public:
  explicit Planner(KvUndoPlan &plan) : plan_(plan) {}

  void Reverse(const Write &w, const std::set<std::string> &created) {
    const KvJournalObject *status = nullptr;
    for (const KvJournalObject &o : w.Objects)
      if (o.Sent && o.Status != KvRowStatusKind::None) status = &o;
    if (status && CreatesRow(status->Status, status->Value.AsInteger()) && status->Value.Type() == SnmpType::Integer &&
        !Existed(status->Before)) {
      if (!status->Before) return Refuse(NameOf(*status) + " could not be read before the change");
      return Destroy(*status);
    }
    if (status && IsInteger(status->Value, DestroyStatusValue(status->Status))) {
      if (!Existed(status->Before)) return;  // there was no row to destroy
      return Recreate(w, *status);
    }
    KvUndoStep step;
    for (const KvJournalObject &o : w.Objects) {
      if (!o.Sent) continue;
      if (created.count(RowOf(o))) continue;  // the row goes as a whole
      if (o.Secret) {
        Refuse(NameOf(o) + " is a secret, which the journal does not keep");
        continue;
      }
      if (!o.Before) {
        Refuse(NameOf(o) + " could not be read before the change");
        continue;
      }
      if (!o.Before->HasValue()) {
        Refuse(NameOf(o) + " did not exist before the change");
        continue;
      }
      if (*o.Before == o.Value) continue;  // nothing changed
      Add(step, o, *o.Before);
    }
    if (!step.Bindings.empty()) plan_.Steps.push_back(std::move(step));
  }

private:
  void Refuse(const std::string &why) { plan_.Refusals.push_back(why); }

  static void Add(KvUndoStep &step, const KvJournalObject &o, const SnmpValue &value) {
    SnmpPdu scratch;
    scratch.AddVb(o.Oid, value);
    if (scratch.Vbs.empty()) return;
    step.Bindings.push_back(scratch.Vbs.front());
    KvJournalObject named = o;
    named.Before.reset();
    named.Value = value;
    named.BeforeLabel.clear();
    named.ValueLabel = o.BeforeLabel;
    named.Sent = true;
    step.Objects.push_back(std::move(named));
  }

  void Destroy(const KvJournalObject &status) {
    KvUndoStep step;
    KvJournalObject o = status;
    o.BeforeLabel = "";
    Add(step, o, SnmpValue::Integer(DestroyStatusValue(status.Status)));
    step.Objects.back().ValueLabel = status.Status == KvRowStatusKind::EntryStatus ? "invalid" : "destroy";
    plan_.Steps.push_back(std::move(step));
  }

  void Recreate(const Write &w, const KvJournalObject &status) {
    std::vector<const KvJournalObject *> columns;
    bool refused = false;
    for (const KvJournalObject &o : w.Objects) {
      if (o.Sent) continue;
      if (o.Secret) {
        Refuse("the row " + status.Index + " holds the secret " + o.Name + ", which the journal does not keep");
        refused = true;
      } else if (Existed(o.Before)) {
        columns.push_back(&o);
      }
    }
    if (refused) return;
    const int64_t was = status.Before->AsInteger();
    if (status.Status == KvRowStatusKind::EntryStatus) {
      // Created under creation, completed with its columns, then valid again.
      KvUndoStep create;
      Add(create, status, SnmpValue::Integer(kCreateRequest));
      create.Objects.back().ValueLabel = "createRequest";
      plan_.Steps.push_back(std::move(create));
      KvUndoStep complete;
      for (const KvJournalObject *c : columns) Add(complete, *c, *c->Before);
      Add(complete, status, SnmpValue::Integer(was));
      plan_.Steps.push_back(std::move(complete));
      return;
    }
    KvUndoStep step;
    Add(step, status, SnmpValue::Integer(was == kActive ? kCreateAndGo : kCreateAndWait));
    step.Objects.back().ValueLabel = was == kActive ? "createAndGo" : "createAndWait";
    for (const KvJournalObject *c : columns) Add(step, *c, *c->Before);
    plan_.Steps.push_back(std::move(step));
  }

  KvUndoPlan &plan_;
};
}  // namespace

std::vector<std::string> KvUndoPlan::Describe() const {
  std::vector<std::string> lines;
  for (const KvUndoStep &step : Steps)
    for (size_t b = 0; b < step.Bindings.size() && b < step.Objects.size(); ++b) {
      const KvJournalObject &o = step.Objects[b];
      const std::string value = JournalValueText(step.Bindings[b].Value, false);
      lines.push_back(NameOf(o) + " = " + (o.ValueLabel.empty() ? value : o.ValueLabel + " (" + value + ")"));
    }
  return lines;
}

KvUndoPlan PlanUndo(const std::vector<KvJournalLine> &lines, const std::string &agent) {
  // The changes in order, the Undos among them, and the changes they took back.
  std::vector<std::string> order;
  std::map<std::string, std::vector<const KvJournalLine *>> groups;
  std::map<std::string, std::string> undos;  // an Undo's group: the change it took back
  std::set<std::string> failedUndos;
  for (const KvJournalLine &line : lines) {
    if (line.Agent != agent) continue;
    auto &group = groups[line.Group];
    if (group.empty()) order.push_back(line.Group);
    group.push_back(&line);
    if (!line.Undoes.empty()) {
      undos[line.Group] = line.Undoes;
      if (!line.Ok()) failedUndos.insert(line.Group);
    }
  }
  // A change is taken back by an Undo all of whose Sets went through; one that failed
  // half-way leaves it to be taken back again.
  std::set<std::string> undone;
  for (const auto &[undo, change] : undos)
    if (!failedUndos.count(undo)) undone.insert(change);
  KvUndoPlan plan;
  for (auto g = order.rbegin(); g != order.rend(); ++g) {
    if (undos.count(*g) || undone.count(*g)) continue;
    const auto &group = groups[*g];
    bool anyOk = false;
    for (const KvJournalLine *line : group) anyOk |= line->Ok();
    if (!anyOk) continue;  // nothing of it reached the switch
    plan.Group = *g;
    plan.Window = group.front()->Window;
    plan.Time = group.front()->Time;
    break;
  }
  if (plan.Group.empty()) {
    plan.Refusals.push_back("There is no change to take back.");
    return plan;
  }
  // Its writes that went through, each with its objects.
  std::vector<Write> writes;
  std::string current;
  for (const KvJournalLine *line : groups[plan.Group]) {
    if (!line->Ok()) continue;
    if (writes.empty() || line->Write != current) {
      writes.emplace_back();
      current = line->Write;
    }
    writes.back().Objects.push_back(line->Object);
  }
  // The rows the change created: they are destroyed whole.
  std::set<std::string> created;
  for (const Write &w : writes)
    for (const KvJournalObject &o : w.Objects)
      if (o.Sent && o.Status != KvRowStatusKind::None && o.Value.Type() == SnmpType::Integer &&
          CreatesRow(o.Status, o.Value.AsInteger()) && o.Before && !o.Before->HasValue())
        created.insert(RowOf(o));
  Planner planner(plan);
  for (auto w = writes.rbegin(); w != writes.rend(); ++w) planner.Reverse(*w, created);
  if (plan.Refusals.empty() && plan.Steps.empty())
    plan.Refusals.push_back("The last change set every value to what it was already.");
  if (!plan.Refusals.empty()) plan.Steps.clear();
  return plan;
}

void ExecuteUndo(const KvUndoPlan &plan, const KvSNMPSettings &settings) {
  KvJournalScope scope(kUndoWindow, plan.Group);
  for (const KvUndoStep &step : plan.Steps) {
    KvSNMPRequest request(settings);
    request.SetBindings(step.Bindings, step.Objects);
  }
}
