#pragma once
// Conversions between a variable's value text (as it travels through a variable list)
// and its raw octets, so that one value can feed several controls, some of its bytes
// or bits, or an LED. Raw octets are held in a std::string.
//
// Raw form by syntax (LE = least significant byte first, written byte by byte, so the
// result is the same on every build machine; BE = most significant byte first):
//   boolean                                  4 bytes LE, 1 true, 0 false
//   integer, counter, guage, uinteger, timeticks   4 bytes LE
//   bitstr, octetstr, opaque, macaddress     the octets (text: hex, two digits each)
//   null                                     empty
//   objectid                                 4 bytes LE per sub-identifier
//   ipaddress, nsapaddr                      one byte per dotted number
//   counter64                                8 bytes: low 32 bits LE, then high 32 bits LE
//   double                                   8-byte IEEE double LE
//   datetime                                 the 11 DateAndTime octets, year BE
//   bcdatetime                               8-byte IEEE double LE, days since 1899-12-30
//                                            (text "yyyy/mm/dd hh:nn:ss am/pm")
//   displaystr                               the characters
//   bool8, int8, uint8                       1 byte
//   bool16, int16, uint16                    2 bytes BE
// The value text "(NULL)" (no value from the agent) is the empty raw value.
//
// Failures raise KvException: -511 "(KvSNMP++) Bad SNMP syntax!" for a syntax outside
// the list; -518 (bad value) for a raw value too short for its syntax or a text that
// is no value of its syntax; -519 (index out of range) for a part beyond the value.

#include <string>

// Value text to raw octets. Numbers must fit their field, read signed or unsigned
// ("65535" and "-1" both give FF FF for int16).
std::string TextToRaw(const std::string &text, unsigned syntax);

// Raw octets to value text: "(NULL)" for an empty value (displaystr: ""). Integers show
// signed for integer and int8, unsigned for the others, int16 included.
std::string RawToText(const std::string &raw, unsigned syntax);

// The part of a raw value that starts at `byteIndex`, as long as the syntax's raw form
// (to the end for bitstr, octetstr, objectid, opaque and displaystr; empty for null).
// An empty value gives an empty part.
std::string ExtractPart(const std::string &raw, int byteIndex, unsigned syntax);
