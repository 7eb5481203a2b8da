#pragma once
// Printable forms of SNMP values and their parsers: the texts that values travel as
// through the library (octets as hex, time ticks, counters, object identifiers).

#include <cstdint>
#include <string>
#include <vector>

// Two upper-case hex digits per octet, no separators ("\x0a\xff" -> "0AFF").
std::string OctetsToPrintableHex(const std::string &octets);

// The octets of hex text. Blanks (spaces, tabs, line breaks) are skipped; when the
// count of digits is odd, the first digit alone is the first octet ("ABC" -> 0A BC).
// Returns false, leaving `octets` untouched, when the text holds anything else.
bool ParsePrintableHex(const std::string &text, std::string &octets);

// As ParsePrintableHex; text that is not hex gives no octets.
std::string PrintableHexToOctets(const std::string &text);

// "H:MM:SS.hh", "1 day H:MM:SS.hh" or "N days, H:MM:SS.hh" (ticks are hundredths of
// a second).
std::string TimeTicksToText(uint32_t ticks);

// Reads the form TimeTicksToText writes (the hundredths may be left out, blanks around
// the parts are allowed), or a plain decimal tick count. False for anything else or a
// value beyond 32 bits; `ticks` is then untouched.
bool TextToTimeTicks(const std::string &text, uint32_t &ticks);

// Decimal.
std::string Counter64ToText(uint64_t value);

// Decimal text of 0 to 2^64-1, blanks around allowed.
bool TextToCounter64(const std::string &text, uint64_t &value);

// Dotted sub-identifiers, an optional leading dot ("1.3.6" or ".1.3.6"), each fitting
// 32 bits. False for empty text, empty parts or anything else; `subids` is then
// untouched.
bool ParseOid(const std::string &text, std::vector<uint32_t> &subids);

// Dotted, no leading dot; "" for no sub-identifiers.
std::string OidToText(const std::vector<uint32_t> &subids);
// The same written over `text`, whose storage is reused.
void AssignOidText(std::string &text, const uint32_t *subids, size_t count);

// Dotted quad of four octets ("" when `octets` does not hold exactly four).
std::string IpAddressToText(const std::string &octets);

// Four decimal parts 0 to 255 into four octets. False for anything else.
bool ParseIpAddress(const std::string &text, std::string &octets);

// Port lists: port p (counted from 1) is bit 0x80 >> ((p - 1) % 8) of octet (p - 1) / 8.
// The text names the ports in rising order, runs of two or more as "first-last", joined
// by commas ("1-8,10,12-13"); no port gives "none".
inline constexpr unsigned kMaxPortListPort = 4096;
std::string PortListToText(const std::string &octets);

// Port numbers and "first-last" runs, separated by commas or blanks, in any order and
// overlapping, or "none" (as "" gives no port); each port from 1 to kMaxPortListPort. The octets hold every port named,
// at least 4 octets (32 ports), more when a higher port needs them. False for anything
// else (a port 0, a run that goes down, stray characters); `octets` is then untouched.
bool ParsePortList(const std::string &text, std::string &octets);
