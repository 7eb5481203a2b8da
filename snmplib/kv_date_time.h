#pragma once
// The SNMP DateAndTime value: 11 octets, year first in network order on the wire.
// Text form: "2004-5-17,13:45:30.0" or with an offset "2004-5-17,13:45:30.0,-8:0".

#include <cstdint>
#include <string>

class KvDateTime {
public:
  KvDateTime();  // now, local time, offset +0:0
  explicit KvDateTime(const std::string &text);

  std::string ToText() const;
  void SwapYearBytes();

  // The 11 wire octets (year most significant byte first), and back. Fewer than 11
  // octets leave the missing fields 0.
  std::string ToOctets() const;
  static KvDateTime FromOctets(const std::string &octets);

  uint16_t Year = 0;  // host order while a program works with it
  uint8_t Month = 0;
  uint8_t Day = 0;
  uint8_t Hour = 0;
  uint8_t Minute = 0;
  uint8_t Second = 0;
  uint8_t DeciSecond = 0;
  char UtcDirection = '+';
  uint8_t UtcHours = 0;
  uint8_t UtcMinutes = 0;

private:
  struct Empty {};
  explicit KvDateTime(Empty) {}
};

// The current local date and time as a day count since 30 December 1899, the
// fraction being the time of day.
double NowAsDays();
