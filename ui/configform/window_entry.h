#pragma once
// A menu entry as constant data: what it does, the definition table or pages of the
// generic window it opens, and that window's size, extras and range check. The module's
// menu table and the companion's view list are made of these; the generic window is
// built from one (generic_entry.h).

#include "kv_snmp_var_def.h"

#include <span>

// What an entry does.
enum class KvEntryKind : unsigned char {
  Generic,  // G: the generic window on one definition table
  Pages,    // P: the generic window with pages
  Module,   // M: starts a companion module
  Special,  // S: an entry with a behaviour of its own
  Device,   // D1, D2: a confirmed Set on the device
  Help,     // D3
  About,    // D4
  Feature,  // F: a window of its own
};

// One page of a multi-page generic window.
struct KvPageDef {
  const char *Caption;
  const KvSNMPVarDef *Defs;
  unsigned char ItemType;
  int KeyCount;
  int RowStatus;  // RowStatus column for Add (createAndGo) and Delete (destroy); -1: none
  bool Editor;    // editor page; else a list-view page
  bool SpinLock;  // the first row's selector box is checked and then hidden
  // The RowStatus entries that create and destroy a row (null: "createAndGo" and
  // "destroy"), and the one written after an Add to finish the new row (null: none).
  const char *AddStatus = nullptr;
  const char *DeleteStatus = nullptr;
  const char *CompleteStatus = nullptr;
  bool LiveCounters = false;  // refreshed by the live view, with a rate beside each counter
  int EditWidth = 0;          // an editor page's SetEditWidth; 0: the default
};

// The row range check of an editor: the row, the name shown in the message, the range.
struct KvRangeCheckDef {
  const char *Name;
  int Row;
  int Min;
  int Max;
};

// Behaviour beyond the table of an entry, as bits.
namespace EntryExtra {
constexpr unsigned None = 0;
constexpr unsigned RefreshRmonMenu = 1;  // after the window closes, the "RMON" menu follows the agent
constexpr unsigned ListViewPanel = 2;    // a list-view panel although the list is a scalar group
constexpr unsigned CommunityHooks = 4;   // the Add hooks of the community table
constexpr unsigned LiveCounters = 8;     // refreshed by the live view, with a rate beside each counter
}  // namespace EntryExtra

struct KvMenuEntry {
  const char *Key;
  KvEntryKind Kind;
  // G, P, S1: the window title; M, S2, F7: the companion's view argument; D1, D2: the
  // confirmation caption; F: the window's class.
  const char *Title;
  bool Address = false;  // the caption is the title + " : " + the agent address
  const KvSNMPVarDef *Defs = nullptr;
  unsigned char ItemType = SVT_SV;
  int KeyCount = 0;
  int RowStatus = -1;           // see KvPageDef
  int Width = 0, Height = 0;    // window size set after the set-up; 0: as laid out
  int EditWidth = 0;            // SetEditWidth on the editor rows; 0: the default
  unsigned Extras = EntryExtra::None;
  const KvRangeCheckDef *RangeCheck = nullptr;
  std::span<const KvPageDef> Pages = {};
  const char *Value = nullptr;  // D1, D2: the value written; F7: the runtime version that has the window
  int Timeout = 0;              // D1, D2: the request's time-out, hundredths of a second
};
