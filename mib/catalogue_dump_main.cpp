// catalogue-dump: prints every definition table and LED colour map of the catalogue.

#include "kv_mib_dump.h"

#include <iostream>

int main() {
  DumpCatalogue(std::cout);
  return std::cout ? 0 : 1;
}
