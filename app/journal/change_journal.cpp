#include "change_journal.h"

#include "kv_exception.h"
#include "kv_local_file.h"
#include "kv_messages.h"
#include "kv_mib_secrets.h"
#include "snmp_printable.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The part of a journal that is read: its last lines, however long it has grown.
constexpr off_t kMaxReadBytes = off_t{64} << 20;

[[noreturn]] void Fail(int message, const std::string &fileName, int error) {
  throw KvException(LibraryMessage(message) + " (" + fileName + ": " + std::strerror(error) + ")",
                    -500 - message);
}

std::string UserAtHost() {
  std::string user;
  if (const passwd *pw = getpwuid(getuid())) user = pw->pw_name;
  if (user.empty()) user = std::to_string(getuid());
  char host[256] = {};
  if (gethostname(host, sizeof host - 1) != 0) host[0] = 0;
  return user + "@" + (host[0] ? host : "localhost");
}

std::string UtcNow() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm tm{};
  gmtime_r(&seconds, &tm);
  char text[96];  // room for any int the compiler imagines in the fields
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", tm.tm_year + 1900, tm.tm_mon + 1,
                tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, static_cast<int>(ms));
  return text;
}

bool Bare(const std::string &text) {
  if (text.empty()) return false;
  for (unsigned char c : text)
    if (c <= ' ' || c >= 0x7f || c == '"' || c == '\\' || c == '=') return false;
  return true;
}

std::string Quoted(const std::string &text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < ' ' || c >= 0x7f) {
          char hex[5];
          std::snprintf(hex, sizeof hex, "\\x%02x", c);
          out += hex;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string Field(const std::string &text) { return Bare(text) ? text : Quoted(text); }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Reads a value from `at`: bare characters and quoted parts up to the next space.
bool ReadValue(const std::string &line, size_t &at, std::string &out) {
  out.clear();
  while (at < line.size() && line[at] != ' ') {
    const char c = line[at++];
    if (c != '"') {
      out += c;
      continue;
    }
    for (;;) {
      if (at >= line.size()) return false;
      const char q = line[at++];
      if (q == '"') break;
      if (q != '\\') {
        out += q;
        continue;
      }
      if (at >= line.size()) return false;
      const char e = line[at++];
      switch (e) {
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'x': {
          if (at + 2 > line.size()) return false;
          const int hi = HexDigit(line[at]), lo = HexDigit(line[at + 1]);
          if (hi < 0 || lo < 0) return false;
          out += static_cast<char>(hi * 16 + lo);
          at += 2;
          break;
        }
        default: out += e;
      }
    }
  }
  return true;
}

bool ParseUnsigned(const std::string &text, uint64_t max, uint64_t &value) {
  if (text.empty() || text.size() > 20) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    const uint64_t digit = static_cast<uint64_t>(c - '0');
    if (value > (max - digit) / 10) return false;
    value = value * 10 + digit;
  }
  return true;
}

bool ParseSubIds(const std::string &text, std::vector<uint32_t> &subids) {
  subids.clear();
  size_t from = 0;
  while (from <= text.size()) {
    const size_t dot = std::min(text.find('.', from), text.size());
    uint64_t n = 0;
    if (!ParseUnsigned(text.substr(from, dot - from), 0xffffffffu, n)) return false;
    subids.push_back(static_cast<uint32_t>(n));
    from = dot + 1;
  }
  return !subids.empty();
}

struct TypeName {
  const char *Name;
  SnmpType Type;
};
constexpr TypeName kTypes[] = {
    {"Integer", SnmpType::Integer},       {"OctetString", SnmpType::OctetString}, {"Null", SnmpType::Null},
    {"ObjectId", SnmpType::ObjectId},     {"IpAddress", SnmpType::IpAddress},     {"Counter32", SnmpType::Counter32},
    {"Gauge32", SnmpType::Gauge32},       {"TimeTicks", SnmpType::TimeTicks},     {"Opaque", SnmpType::Opaque},
    {"Counter64", SnmpType::Counter64},   {"noSuchObject", SnmpType::NoSuchObject},
    {"noSuchInstance", SnmpType::NoSuchInstance}, {"endOfMibView", SnmpType::EndOfMibView},
};

const char *NameOf(SnmpType type) {
  for (const TypeName &t : kTypes)
    if (t.Type == type) return t.Name;
  return "Null";
}

std::string StatusName(KvRowStatusKind kind) {
  return kind == KvRowStatusKind::RowStatus ? "RowStatus" : kind == KvRowStatusKind::EntryStatus ? "EntryStatus" : "";
}

// An open journal file, locked for this process's append.
class LockedFile {
public:
  explicit LockedFile(const std::string &fileName, int failure) : name_(fileName), failure_(failure) {
    fd_ = open(fileName.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd_ < 0) Fail(failure_, name_, errno);
    struct stat st{};
    if (fstat(fd_, &st) != 0) Fail(failure_, name_, errno);
    if (!S_ISREG(st.st_mode)) Fail(failure_, name_, EINVAL);
    if (st.st_uid != geteuid()) Fail(failure_, name_, EPERM);
    if ((st.st_mode & 077) != 0 && fchmod(fd_, 0600) != 0) Fail(failure_, name_, errno);
    while (flock(fd_, LOCK_EX) != 0)
      if (errno != EINTR) Fail(failure_, name_, errno);
  }
  ~LockedFile() {
    if (fd_ >= 0) close(fd_);  // also releases the lock
  }
  LockedFile(const LockedFile &) = delete;
  LockedFile &operator=(const LockedFile &) = delete;

  void Append(const std::string &bytes) {
    // A line cut by a crash of an earlier writer is ended first, so that this write's
    // lines stay whole.
    struct stat st{};
    if (fstat(fd_, &st) == 0 && st.st_size > 0) {
      char last = '\n';
      if (pread(fd_, &last, 1, st.st_size - 1) == 1 && last != '\n') WriteAll("\n");
    }
    WriteAll(bytes);
    if (fdatasync(fd_) != 0) Fail(failure_, name_, errno);
  }

private:
  void WriteAll(const std::string &bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) Fail(failure_, name_, n < 0 ? errno : EIO);
      done += static_cast<size_t>(n);
    }
  }
  std::string name_;
  int failure_;
  int fd_ = -1;
};

bool MakeFolder(const std::string &folder) {
  if (mkdir(folder.c_str(), 0700) == 0) return true;
  struct stat st{};
  return errno == EEXIST && stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
}  // namespace

std::string JournalValueText(const std::optional<SnmpValue> &value, bool secret) {
  if (secret) return "concealed";
  if (!value) return "unread";
  const SnmpType type = value->Type();
  switch (type) {
    case SnmpType::Integer: return std::string("Integer:") + std::to_string(value->AsInteger());
    case SnmpType::Counter32:
    case SnmpType::Gauge32:
    case SnmpType::TimeTicks:
    case SnmpType::Counter64: return std::string(NameOf(type)) + ":" + std::to_string(value->AsUnsigned());
    case SnmpType::OctetString:
    case SnmpType::Opaque: return std::string(NameOf(type)) + ":" + Quoted(value->AsOctets());
    case SnmpType::IpAddress:
    case SnmpType::ObjectId: return std::string(NameOf(type)) + ":" + value->ToPrintable();
    default: return NameOf(type);
  }
}

bool ParseJournalValue(const std::string &text, std::optional<SnmpValue> &value, bool &concealed) {
  concealed = false;
  value.reset();
  if (text == "unread") return true;
  if (text == "concealed") return concealed = true;
  const size_t colon = text.find(':');
  const std::string name = text.substr(0, colon);
  const std::string payload = colon == std::string::npos ? "" : text.substr(colon + 1);
  const TypeName *type = nullptr;
  for (const TypeName &t : kTypes)
    if (name == t.Name) type = &t;
  if (!type) return false;
  uint64_t n = 0;
  switch (type->Type) {
    case SnmpType::Integer: {
      const bool negative = !payload.empty() && payload[0] == '-';
      if (!ParseUnsigned(negative ? payload.substr(1) : payload, negative ? 0x80000000u : 0x7fffffffu, n)) return false;
      value = SnmpValue::Integer(negative ? static_cast<int32_t>(-static_cast<int64_t>(n)) : static_cast<int32_t>(n));
      return true;
    }
    case SnmpType::Counter32:
    case SnmpType::Gauge32:
    case SnmpType::TimeTicks:
      if (!ParseUnsigned(payload, 0xffffffffu, n)) return false;
      value = SnmpValue::Unsigned(type->Type, static_cast<uint32_t>(n));
      return true;
    case SnmpType::Counter64:
      if (!ParseUnsigned(payload, UINT64_MAX, n)) return false;
      value = SnmpValue::Counter64(n);
      return true;
    case SnmpType::OctetString:
    case SnmpType::Opaque: value = SnmpValue::Octets(payload, type->Type); return true;
    case SnmpType::IpAddress: {
      std::vector<uint32_t> parts;
      if (!ParseSubIds(payload, parts) || parts.size() != 4) return false;
      std::string octets;
      for (uint32_t p : parts) {
        if (p > 255) return false;
        octets += static_cast<char>(p);
      }
      value = SnmpValue::IpAddress(octets);
      return true;
    }
    case SnmpType::ObjectId: {
      std::vector<uint32_t> subids;
      if (!ParseSubIds(payload, subids)) return false;
      value = SnmpValue::ObjectId(subids);
      return true;
    }
    case SnmpType::Null: value = SnmpValue::Null(); return payload.empty();
    default: value = SnmpValue::Exception(type->Type); return payload.empty();
  }
}

std::string FormatJournalWrite(const KvJournalWrite &write, const std::string &program, const std::string &user,
                               const std::string &time) {
  std::string head = time + " user=" + Field(user) + " agent=" + Field(write.Agent) + " program=" + Field(program) +
                     " window=" + Field(write.Window) + " group=" + Field(write.Group);
  const std::string id = NewJournalGroup();
  head += " write=" + id;
  if (!write.Undoes.empty()) head += " undoes=" + Field(write.Undoes);
  std::string out;
  for (const KvJournalObject &o : write.Objects) {
    std::string line = head + " object=" + Field(o.Name) + " index=" + Field(o.Index) + " oid=" + Field(o.Oid);
    if (o.Status != KvRowStatusKind::None) line += " status=" + StatusName(o.Status);
    if (!o.Sent) line += " kept=row";
    line += " before=" + JournalValueText(o.Before, o.Secret);
    if (o.Sent) line += " sent=" + JournalValueText(o.Value, o.Secret);
    if (!o.Secret && !o.BeforeLabel.empty()) line += " was=" + Field(o.BeforeLabel);
    if (!o.Secret && o.Sent && !o.ValueLabel.empty()) line += " now=" + Field(o.ValueLabel);
    line += " code=" + std::to_string(write.Code) + " outcome=" + Field(write.Outcome);
    out += line + "\n";
  }
  return out;
}

bool ParseJournalLine(const std::string &line, KvJournalLine &out) {
  out = KvJournalLine{};
  size_t at = line.find(' ');
  if (at == std::string::npos || at < 20) return false;
  out.Time = line.substr(0, at);
  bool hasSent = false, hasBefore = false, hasCode = false, hasOid = false;
  while (at < line.size()) {
    if (line[at] != ' ') return false;
    ++at;
    const size_t eq = line.find('=', at);
    if (eq == std::string::npos) return false;
    const std::string key = line.substr(at, eq - at);
    at = eq + 1;
    std::string value;
    if (!ReadValue(line, at, value)) return false;
    KvJournalObject &o = out.Object;
    bool concealed = false;
    if (key == "user") out.User = value;
    else if (key == "agent") out.Agent = value;
    else if (key == "program") out.Program = value;
    else if (key == "window") out.Window = value;
    else if (key == "group") out.Group = value;
    else if (key == "write") out.Write = value;
    else if (key == "undoes") out.Undoes = value;
    else if (key == "object") o.Name = value;
    else if (key == "index") o.Index = value;
    else if (key == "oid") {
      std::vector<uint32_t> subids;
      if (!ParseSubIds(value, subids)) return false;
      o.Oid = value;
      hasOid = true;
    } else if (key == "status") {
      o.Status = value == "RowStatus" ? KvRowStatusKind::RowStatus
                 : value == "EntryStatus" ? KvRowStatusKind::EntryStatus
                                          : KvRowStatusKind::None;
    } else if (key == "kept") {
      o.Sent = false;
    } else if (key == "before") {
      if (!ParseJournalValue(value, o.Before, concealed)) return false;
      o.Secret |= concealed;
      hasBefore = true;
    } else if (key == "sent") {
      std::optional<SnmpValue> sent;
      if (!ParseJournalValue(value, sent, concealed)) return false;
      o.Secret |= concealed;
      o.Value = sent.value_or(SnmpValue::Null());
      hasSent = true;
    } else if (key == "was") o.BeforeLabel = value;
    else if (key == "now") o.ValueLabel = value;
    else if (key == "code") {
      const bool negative = !value.empty() && value[0] == '-';
      uint64_t n = 0;
      if (!ParseUnsigned(negative ? value.substr(1) : value, 1000000, n)) return false;
      out.Code = negative ? -static_cast<int>(n) : static_cast<int>(n);
      hasCode = true;
    } else if (key == "outcome") out.Outcome = value;
    // Fields of later versions are passed over.
  }
  return hasOid && hasBefore && hasCode && !out.Agent.empty() && !out.Group.empty() &&
         (hasSent || !out.Object.Sent);
}

KvJournalReading ReadJournalFile(const std::string &fileName, const std::string &agent) {
  KvJournalReading reading;
  const int fd = open(fileName.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno != ENOENT) reading.Error = fileName + ": " + std::strerror(errno);
    return reading;
  }
  struct stat st{};
  std::string bytes;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    reading.Error = fileName + ": " + std::strerror(S_ISREG(st.st_mode) ? errno : EINVAL);
  } else {
    const off_t from = st.st_size > kMaxReadBytes ? st.st_size - kMaxReadBytes : 0;
    bytes.resize(static_cast<size_t>(st.st_size - from));
    size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = pread(fd, bytes.data() + done, bytes.size() - done, from + static_cast<off_t>(done));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    if (from > 0) {
      const size_t first = bytes.find('\n');  // the line the cut fell in
      bytes.erase(0, first == std::string::npos ? bytes.size() : first + 1);
    }
  }
  close(fd);
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    const bool whole = end != std::string::npos;
    if (!whole) end = bytes.size();
    const std::string line = bytes.substr(start, end - start);
    start = end + 1;
    if (line.empty()) continue;
    KvJournalLine parsed;
    if (!whole || !ParseJournalLine(line, parsed)) {
      ++reading.Unreadable;
      continue;
    }
    if (agent.empty() || parsed.Agent == agent) reading.Lines.push_back(std::move(parsed));
  }
  return reading;
}

KvChangeJournal::KvChangeJournal(const std::string &program, const std::string &folder)
    : program_(program), folder_(folder), user_(UserAtHost()) {
  if (folder_.empty()) {
    const std::string state = UserStateFolder();
    if (!state.empty()) folder_ = state + "/journal";
  }
}

void KvChangeJournal::Install() {
  SetWriteJournal(this);
  installed_ = true;
}

KvChangeJournal::~KvChangeJournal() {
  if (installed_ && WriteJournal() == this) SetWriteJournal(nullptr);
}

std::string KvChangeJournal::FileOf(const std::string &agent) const {
  std::string address = agent.substr(0, agent.rfind(':'));
  for (char &c : address)
    if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < ' ') c = '_';
  if (address.empty() || address[0] == '.') address.insert(0, "_");
  return folder_ + "/" + address + ".log";
}

void KvChangeJournal::Ready(const std::string &agent) {
  if (folder_.empty()) Fail(LibraryMsg::JournalNotReady, "$XDG_STATE_HOME", ENOENT);
  if (!MakeFolder(folder_)) Fail(LibraryMsg::JournalNotReady, folder_, errno ? errno : ENOTDIR);
  LockedFile file(FileOf(agent), LibraryMsg::JournalNotReady);
}

void KvChangeJournal::Record(const KvJournalWrite &write) {
  if (write.Objects.empty()) return;
  if (!MakeFolder(folder_)) Fail(LibraryMsg::JournalNotRecorded, folder_, errno ? errno : ENOTDIR);
  LockedFile file(FileOf(write.Agent), LibraryMsg::JournalNotRecorded);
  file.Append(FormatJournalWrite(write, program_, user_, UtcNow()));
}

std::string JournalFileFor(const std::string &agent) {
  if (const auto *installed = dynamic_cast<const KvChangeJournal *>(WriteJournal())) return installed->FileOf(agent);
  return KvChangeJournal("").FileOf(agent);
}

bool KvChangeJournal::IsSecret(const std::string &oid) const { return IsSecretObject(oid); }
