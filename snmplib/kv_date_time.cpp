#include "kv_date_time.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

#include "kv_text.h"

KvDateTime::KvDateTime() {
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  Year = static_cast<uint16_t>(tm.tm_year + 1900);
  Month = static_cast<uint8_t>(tm.tm_mon + 1);
  Day = static_cast<uint8_t>(tm.tm_mday);
  Hour = static_cast<uint8_t>(tm.tm_hour);
  Minute = static_cast<uint8_t>(tm.tm_min);
  Second = static_cast<uint8_t>(tm.tm_sec);
}

KvDateTime::KvDateTime(const std::string &text) {
  int f[9] = {};
  const char *s = text.c_str();
  if (std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5],
                  &f[6], &f[7], &f[8]) == 9) {
    UtcDirection = '+';
  } else if (std::fill(f, f + 9, 0),
             std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", &f[0], &f[1], &f[2], &f[3], &f[4],
                         &f[5], &f[6], &f[7], &f[8]) == 9) {
    UtcDirection = '-';
  } else {
    std::fill(f, f + 9, 0);
    std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5], &f[6]);
    UtcDirection = '+';
  }
  Year = static_cast<uint16_t>(f[0]);
  Month = static_cast<uint8_t>(f[1]);
  Day = static_cast<uint8_t>(f[2]);
  Hour = static_cast<uint8_t>(f[3]);
  Minute = static_cast<uint8_t>(f[4]);
  Second = static_cast<uint8_t>(f[5]);
  DeciSecond = static_cast<uint8_t>(f[6]);
  UtcHours = static_cast<uint8_t>(f[7]);
  UtcMinutes = static_cast<uint8_t>(f[8]);
}

std::string KvDateTime::ToText() const {
  char buf[96];
  if ((UtcHours || UtcMinutes) && (UtcDirection == '+' || UtcDirection == '-'))
    std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d,%c%d:%d", Year, Month, Day, Hour, Minute,
                  Second, DeciSecond, UtcDirection, UtcHours, UtcMinutes);
  else
    std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d", Year, Month, Day, Hour, Minute, Second,
                  DeciSecond);
  return buf;
}

void KvDateTime::SwapYearBytes() { Year = static_cast<uint16_t>(Year << 8 | Year >> 8); }

std::string KvDateTime::ToOctets() const {
  std::string o(11, '\0');
  o[0] = static_cast<char>(Year >> 8);
  o[1] = static_cast<char>(Year & 0xFF);
  o[2] = static_cast<char>(Month);
  o[3] = static_cast<char>(Day);
  o[4] = static_cast<char>(Hour);
  o[5] = static_cast<char>(Minute);
  o[6] = static_cast<char>(Second);
  o[7] = static_cast<char>(DeciSecond);
  o[8] = UtcDirection;
  o[9] = static_cast<char>(UtcHours);
  o[10] = static_cast<char>(UtcMinutes);
  return o;
}

KvDateTime KvDateTime::FromOctets(const std::string &octets) {
  KvDateTime d{Empty{}};
  auto at = [&](size_t i) { return i < octets.size() ? static_cast<uint8_t>(octets[i]) : uint8_t{0}; };
  d.Year = static_cast<uint16_t>(at(0) << 8 | at(1));
  d.Month = at(2);
  d.Day = at(3);
  d.Hour = at(4);
  d.Minute = at(5);
  d.Second = at(6);
  d.DeciSecond = at(7);
  d.UtcDirection = octets.size() > 8 ? octets[8] : '+';
  d.UtcHours = at(9);
  d.UtcMinutes = at(10);
  return d;
}

double NowAsDays() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t t = system_clock::to_time_t(now);
  std::tm tm{};
  localtime_r(&t, &tm);
  // Local wall-clock time as seconds since 1970-01-01 00:00 local.
  const double localSeconds =
      static_cast<double>(t + tm.tm_gmtoff) +
      duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000 / 1000.0;
  constexpr double kDaysFrom1899To1970 = 25569.0;
  return kDaysFrom1899To1970 + localSeconds / 86400.0;
}

namespace {
constexpr int64_t kDaysFrom1899To1970 = 25569;
constexpr int64_t kMsPerDay = 86400000;

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int64_t &y, unsigned &m, unsigned &d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = static_cast<int64_t>(yoe) + era * 400 + (m <= 2);
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// Reads 1 to `maxDigits` decimal digits at `p`; false when there is none.
bool ReadNumber(const std::string &s, size_t &p, size_t maxDigits, int &value) {
  size_t n = 0;
  value = 0;
  while (p < s.size() && n < maxDigits && s[p] >= '0' && s[p] <= '9') {
    value = value * 10 + (s[p] - '0');
    ++p;
    ++n;
  }
  return n > 0;
}

bool Skip(const std::string &s, size_t &p, char c) {
  if (p < s.size() && s[p] == c) {
    ++p;
    return true;
  }
  return false;
}
}  // namespace

std::string FormatBcDateTime(double days) {
  const double first = static_cast<double>(DaysFromCivil(1, 1, 1) + kDaysFrom1899To1970);
  const double last = static_cast<double>(DaysFromCivil(9999, 12, 31) + kDaysFrom1899To1970);
  if (!std::isfinite(days) || days <= first - 1 || days >= last + 1) return {};
  int64_t date = static_cast<int64_t>(std::trunc(days));
  int64_t ms = std::llround(std::fabs(days - static_cast<double>(date)) * kMsPerDay);
  if (ms >= kMsPerDay) {  // rounded up to the next midnight
    ms -= kMsPerDay;
    ++date;
  }
  int64_t year;
  unsigned month, day;
  CivilFromDays(date - kDaysFrom1899To1970, year, month, day);
  if (year < 1 || year > 9999) return {};
  const int64_t seconds = ms / 1000;
  const int hour = static_cast<int>(seconds / 3600);
  const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%04d/%02u/%02u %02d:%02d:%02d %s", static_cast<int>(year), month,
                day, hour12, static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60),
                hour < 12 ? "am" : "pm");
  return buf;
}

bool ParseBcDateTime(const std::string &text, double &days) {
  const std::string s = Trim(text);
  size_t p = 0;
  int year, month, day;
  if (!ReadNumber(s, p, 4, year)) return false;
  const char sep = p < s.size() ? s[p] : '\0';
  if (sep != '/' && sep != '-') return false;
  ++p;
  if (!ReadNumber(s, p, 2, month) || !Skip(s, p, sep) || !ReadNumber(s, p, 2, day)) return false;
  if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return false;

  int hour = 0, minute = 0, second = 0;
  if (p < s.size()) {
    if (s[p] != ' ') return false;
    while (Skip(s, p, ' ')) {
    }
    if (!ReadNumber(s, p, 2, hour) || !Skip(s, p, ':') || !ReadNumber(s, p, 2, minute)) return false;
    if (Skip(s, p, ':') && !ReadNumber(s, p, 2, second)) return false;
    if (minute > 59 || second > 59) return false;
    if (p < s.size()) {
      if (s[p] != ' ') return false;
      while (Skip(s, p, ' ')) {
      }
      const std::string designator = s.substr(p);
      const bool pm = EqualsIgnoreCase(designator, "pm");
      if (!pm && !EqualsIgnoreCase(designator, "am")) return false;
      if (hour < 1 || hour > 12) return false;
      hour = hour % 12 + (pm ? 12 : 0);
    } else if (hour > 23) {
      return false;
    }
  }

  const double date = static_cast<double>(DaysFromCivil(year, month, day) + kDaysFrom1899To1970);
  const double time = (hour * 3600 + minute * 60 + second) / 86400.0;
  days = date < 0 ? date - time : date + time;
  return true;
}
