#pragma once
// One Set PDU against the switch, all or nothing: each binding is checked on its own
// (type, writability, enumeration, range, size), then the PDU as a whole (row creation and
// deletion through RowStatus or RMON EntryStatus, the switch's own row rules), then applied
// with an undo record until it is committed.

#include "switch_model.h"

#include <optional>
#include <vector>

class SetTransaction {
public:
  explicit SetTransaction(SwitchModel &model) : model_(model) {}

  // First phase, per binding: an SNMP error status (SNMP_ERR_NOERROR when accepted).
  int Add(const Oid &oid, const Value &value);
  // Second phase, the whole PDU: an error status and the position (order of Add) of the
  // binding it belongs to.
  std::pair<int, size_t> Check();
  void Apply();
  void Undo();
  void Commit();

private:
  struct Write {
    Oid oid;
    Value value;
    const Table *table = nullptr;
    Oid row;
  };
  struct RowPlan {
    const Table *table = nullptr;
    Oid row;
    bool exists = false;
    std::optional<int64_t> status;  // written status value
    bool create = false, remove = false, ignore = false;
  };

  std::vector<RowPlan> Plan(std::pair<int, size_t> *error);
  void Remember(const Oid &oid);

  SwitchModel &model_;
  std::vector<Write> writes_;
  std::vector<RowPlan> plan_;
  std::vector<std::pair<Oid, std::optional<Instance>>> undo_;
  std::vector<Change> changes_;
  bool applied_ = false;
};
