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

// Calendar date-times held as a day count since 30 December 1899 00:00, the fraction
// being the time of day (0.5 = noon). Before that date the count is negative and the
// fraction still runs forward from midnight: -1.25 is 29 December 1899, 06:00.
//
// Text form: "yyyy/mm/dd hh:nn:ss am/pm" on the 12-hour clock, every field zero-padded
// and the designator in lower case, e.g. "2004/05/17 01:45:30 pm"; midnight is
// "12:00:00 am", noon "12:00:00 pm". The time of day is rounded to the nearest
// millisecond and then shown in whole seconds.
//
// Gives "" for a count that is not finite or lies outside the years 1 to 9999.
std::string FormatBcDateTime(double days);

// The day count of a text in the form above. Also accepted: "am"/"pm" in any case,
// a 24-hour time without designator, "hh:nn" without seconds, a date alone (midnight),
// and "-" as date separator; blanks around the text are ignored. False (days untouched)
// for anything else, including fields out of range such as 2003/02/29 or 13:00:00 pm.
bool ParseBcDateTime(const std::string &text, double &days);
