#include "kv_mib_dump.h"

#include "kv_mib_core_set.h"
#include "kv_option_list.h"

#include <cstdio>
#include <string>

namespace {
std::string Label(const std::string &label) {
  return label.find(' ') == std::string::npos ? label : "\"" + label + "\"";
}

std::string Hex(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%02x", value);
  return text;
}
}  // namespace

void DumpMibTable(std::ostream &out, const KvMibTable &table) {
  out << table.Name << ' ' << table.Count << '\n';
  for (int i = 0; i < table.Count; ++i) {
    const KvSNMPVarDef &def = table.Defs[i];
    out << "  \"" << def.Oid << "\" \"" << def.Name << "\" "
        << SyntaxOptions.ValueToLabel(std::to_string(def.Syntax)) << ' ' << Hex(def.Access);
    if (def.Options)
      for (int k = 0; k < def.Options->GetCount(); ++k) {
        const KvOption &option = def.Options->GetItem(k);
        out << ' ' << option.Value << '=' << Label(option.Label);
      }
    out << '\n';
  }
}

void DumpLedColorMap(std::ostream &out, const char *name, const KvSNMPLedColorMapList &map) {
  out << name << ' ' << map.GetCount() << '\n';
  for (int i = 0; i < map.GetCount(); ++i) {
    const KvLedColorPair &pair = map.GetEntry(i);
    out << "  " << pair.Value << " (" << (pair.Color & 0xff) << ',' << ((pair.Color >> 8) & 0xff) << ','
        << ((pair.Color >> 16) & 0xff) << ")\n";
  }
}

void DumpCatalogue(std::ostream &out) {
  for (const KvMibSet *set : MibSets())
    for (const KvMibTable &table : set->Tables) DumpMibTable(out, table);
  DumpLedColorMap(out, "PortLedColors", PortLedColors);
  DumpLedColorMap(out, "ActivityLedColors", ActivityLedColors);
}
