#pragma once
// How the rows of a table are created and destroyed: through a status column, told by
// the labels of its option list.

enum class KvRowStatusKind : unsigned char {
  None,         // rows are the agent's own; they are not created from a window
  RowStatus,    // SNMPv2-TC RowStatus: active(1) ... createAndGo(4), createAndWait(5), destroy(6)
  EntryStatus,  // RMON EntryStatus: valid(1), createRequest(2), underCreation(3), invalid(4)
};
