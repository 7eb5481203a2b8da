#pragma once
// The views of the companion program, as constant data: for each view argument
// ("/TMIB_IFTable" names the view MIB_IFTable) its window title and its pages, each page
// naming its definition table by identifier. The tables are looked up in the catalogue
// when a view opens, so that a view whose table is missing fails with a message rather
// than at link time.

#include "kv_row_status.h"
#include "window_entry.h"

#include <memory>
#include <span>
#include <string>
#include <vector>


struct KvCompanionPageDef {
  const char *Caption;  // the tab's caption; null for the one page of a plain window
  const char *Table;    // identifier of the definition table
  unsigned char ItemType;
  int KeyCount;
  KvRowStatusKind Status = KvRowStatusKind::None;
  const char *StatusOid = nullptr;  // the status column, found among the table's items
  bool Counters = false;            // a live view with a rate beside each counter
  int EditWidth = 0;                // an editor's field width; 0: the default
};

struct KvCompanionView {
  const char *Name;   // "MIB_IFTable": the view argument without "/T"
  const char *Title;  // the window's caption is Title + " : " + the agent address
  std::span<const KvCompanionPageDef> Pages;
  int Width = 0;  // the window's width once set up; 0: as laid out
};

std::span<const KvCompanionView> CompanionViews();
// The view with that name (case-sensitive), or null.
const KvCompanionView *FindCompanionView(const std::string &name);

// A view made into the generic window's entry: its tables found, the status columns'
// indexes known. Not copyable: the entry's pages point into it.
struct KvCompanionEntry {
  KvMenuEntry Entry{};
  std::vector<KvPageDef> Pages;

  KvCompanionEntry() = default;
  KvCompanionEntry(const KvCompanionEntry &) = delete;
  KvCompanionEntry &operator=(const KvCompanionEntry &) = delete;
};

// Raises std::runtime_error naming the view and the table when a table is not in the
// catalogue or has no item of the status column.
std::unique_ptr<KvCompanionEntry> CompanionEntry(const KvCompanionView &view);
