#pragma once
// Text form of the catalogue, for comparing it with its source line by line. One table
// after the other: its name and record count, then one indented line per record with
// the OID and the name in double quotes, the syntax name, the access value in hex and
// the option list as value=label pairs (labels with blanks in double quotes).

#include "kv_mib_catalogue.h"

#include <ostream>

class KvSNMPLedColorMapList;

void DumpMibTable(std::ostream &out, const KvMibTable &table);

// The name and entry count, then one indented "value (red,green,blue)" line per entry.
void DumpLedColorMap(std::ostream &out, const char *name, const KvSNMPLedColorMapList &map);

// Every table of every set in start-up order, then the two LED colour maps.
void DumpCatalogue(std::ostream &out);
