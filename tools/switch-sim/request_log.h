#pragma once
// The --log file: one JSON object per request received, written as it arrives:
//   {"n":1,"op":"set","version":"2c","community":"wrtgate","dropped":false,
//    "vars":[{"oid":"1.3.6.1...","type":"INTEGER","value":"3"}]}
// A GetBulk carries "nonRepeaters" and "maxRepetitions"; a request answered with tooBig
// (--too-big) carries "tooBig":true.
// SNMPv3 requests carry "user" and "level" instead of "community". Octet strings have
// "value" in hexadecimal ("0xF0000000") and, when printable, "text" as well.

#include <cstdio>
#include <string>

struct snmp_pdu;

class RequestLog {
public:
  // Throws SimError(kSimErrLog) when the file cannot be written.
  explicit RequestLog(const std::string &path);
  ~RequestLog();
  RequestLog(const RequestLog &) = delete;
  RequestLog &operator=(const RequestLog &) = delete;

  void Write(const snmp_pdu &pdu, long number, bool dropped, bool tooBig = false);

  static std::string Line(const snmp_pdu &pdu, long number, bool dropped, bool tooBig = false);

private:
  std::FILE *file_ = nullptr;
};
