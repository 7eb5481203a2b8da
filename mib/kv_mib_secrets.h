#pragma once
// The objects whose values are secrets: keys, passwords, communities and SNMPv3 key
// changes. Their values never go into a file (a snapshot, the change journal).

#include <string>

// True for a secret column or scalar given without instance, and for any instance of one.
bool IsSecretObject(const std::string &oid);
