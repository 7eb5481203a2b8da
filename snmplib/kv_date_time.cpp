#include "kv_date_time.h"

#include <chrono>
#include <cstdio>
#include <ctime>

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
