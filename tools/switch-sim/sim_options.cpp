#include "sim_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>

const char *UsageText() {
  return "usage: ms2416x-sim [options]\n"
         "A simulated MS-2416X switch agent (SNMP v1, v2c and v3).\n"
         "\n"
         "  --listen ADDR            transport address (default udp:127.0.0.1:16100)\n"
         "  --port N                 same as --listen udp:127.0.0.1:N\n"
         "  --read-community TEXT    read-only community (default rdwalk)\n"
         "  --write-community TEXT   read-write community (default wrtgate)\n"
         "  --user NAME[:AUTH:AUTHPASS[:PRIV:PRIVPASS]]\n"
         "                           SNMPv3 user with read-write access, repeatable;\n"
         "                           AUTH MD5, SHA, SHA-224, SHA-256, SHA-384 or SHA-512,\n"
         "                           PRIV DES, AES, AES-192 or AES-256; passwords of at\n"
         "                           least 8 characters\n"
         "  --data FILE              the switch's objects (default: the bundled data)\n"
         "  --state-dir DIR          where net-snmp keeps its files (engine boots, users);\n"
         "                           default: a temporary directory removed at exit\n"
         "  --log FILE               one JSON line per request received\n"
         "  --rows N                 add N generated IGMP snooping groups in VLAN 1\n"
         "                           (swL2IGMPInfoTable, the \"IGMP Information\" list)\n"
         "  --generate ENTRY:ROWS    add ROWS read-only rows (up to 16,000,000) to the table\n"
         "                           whose entry OID is ENTRY, copies of its last row with\n"
         "                           the index counted on; made when read, so that large\n"
         "                           tables cost no memory; repeatable\n"
         "  --delay-ms N             answer every request N ms late\n"
         "  --drop-every N           answer nothing to every N-th request\n"
         "  --too-big N              answer tooBig to a request that asks for more than\n"
         "                           N values (a GetBulk asks for its non-repeaters and\n"
         "                           max-repetitions times each further binding)\n"
         "  --bulk-error N           answer every GetBulk with error-status N (1 to 18)\n"
         "  --wrong-type OID         answer the instances under OID with a wrong type\n"
         "                           (numbers as OCTET STRING, strings as INTEGER)\n"
         "  --short OID:LEN          cut octet strings under OID to LEN octets\n"
         "  --link-down PORT[@SEC]   the cable of PORT (1 to 24) is pulled SEC seconds\n"
         "                           after start (default 0), repeatable\n"
         "  --no-traffic             the ports carry no traffic: counters stand still and\n"
         "                           no link LED blinks\n"
         "  --help                   this text\n"
         "\n"
         "ACL access profiles (the Ethernet, IP and packet-content masks) are created and\n"
         "destroyed through their RowStatus; destroying a profile destroys its rules too.\n"
         "\n"
         "It stops on SIGTERM or SIGINT with status 0. Exit statuses: 2 bad command line,\n"
         "3 bad data file, 4 agent could not start, 5 state directory, 6 request log.\n";
}

namespace {

int ToCount(const std::string &option, const std::string &text, int max) {
  int v = -1;
  const auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (text.empty() || ec != std::errc() || p != text.data() + text.size() || v < 0 || v > max)
    throw SimError(kSimErrUsage, option + " wants a number from 0 to " + std::to_string(max) + ", not '" + text + "'");
  return v;
}

Oid ToOid(const std::string &option, const std::string &text) {
  auto oid = ParseOid(text);
  if (!oid) throw SimError(kSimErrUsage, option + " wants a numeric OID, not '" + text + "'");
  return *oid;
}

bool PlainWord(const std::string &s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isgraph(c) && c != '"' && c != '\\' && c != '#'; });
}

std::string Upper(std::string s) {
  for (auto &c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

SimUser ParseUser(const std::string &spec) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t colon; (colon = spec.find(':', start)) != std::string::npos; start = colon + 1)
    parts.push_back(spec.substr(start, colon - start));
  parts.push_back(spec.substr(start));
  auto bad = [&](const std::string &why) { return SimError(kSimErrUsage, "--user " + spec + ": " + why); };
  if (parts.size() != 1 && parts.size() != 3 && parts.size() != 5)
    throw bad("give NAME, NAME:AUTH:AUTHPASS or NAME:AUTH:AUTHPASS:PRIV:PRIVPASS");
  SimUser u;
  u.name = parts[0];
  if (!PlainWord(u.name) || u.name.size() > 32) throw bad("the name is 1 to 32 printable characters without blanks");
  if (parts.size() >= 3) {
    const std::string a = Upper(parts[1]);
    static const char *const kAuth[] = {"MD5", "SHA", "SHA-224", "SHA-256", "SHA-384", "SHA-512"};
    if (std::none_of(std::begin(kAuth), std::end(kAuth), [&](const char *k) { return a == k; }) && a != "SHA1")
      throw bad("unknown authentication protocol '" + parts[1] + "'");
    u.auth = a == "SHA1" ? "SHA" : a;
    u.authPass = parts[2];
  }
  if (parts.size() == 5) {
    const std::string p = Upper(parts[3]);
    if (p == "DES") u.priv = "DES";
    else if (p == "AES" || p == "AES128" || p == "AES-128") u.priv = "AES";
    else if (p == "AES192" || p == "AES-192") u.priv = "AES192";
    else if (p == "AES256" || p == "AES-256") u.priv = "AES256";
    else throw bad("unknown privacy protocol '" + parts[3] + "'");
    u.privPass = parts[4];
  }
  auto weak = [](const std::string &pass) { return pass.size() < 8 || !PlainWord(pass); };
  if ((!u.auth.empty() && weak(u.authPass)) || (!u.priv.empty() && weak(u.privPass)))
    throw bad("passwords are at least 8 printable characters without blanks");
  return u;
}

SimOptions ParseOptions(const std::vector<std::string> &args) {
  SimOptions o;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string &a = args[i];
    if (a == "--help" || a == "-h") {
      o.help = true;
      continue;
    }
    if (a == "--no-traffic") {
      o.noTraffic = true;
      continue;
    }
    static const char *const kOptions[] = {"--listen", "--port", "--read-community", "--write-community", "--user",
                                           "--data", "--state-dir", "--log", "--rows", "--generate", "--delay-ms", "--drop-every",
                                           "--too-big", "--bulk-error", "--wrong-type", "--short", "--link-down"};
    if (std::none_of(std::begin(kOptions), std::end(kOptions), [&](const char *o) { return a == o; }))
      throw SimError(kSimErrUsage, "unknown option '" + a + "' (see --help)");
    if (i + 1 >= args.size()) throw SimError(kSimErrUsage, a + " needs a value (see --help)");
    const std::string &v = args[++i];
    if (a == "--listen") o.listen = v;
    else if (a == "--port") o.listen = "udp:127.0.0.1:" + std::to_string(ToCount(a, v, 65535));
    else if (a == "--read-community") o.readCommunity = v;
    else if (a == "--write-community") o.writeCommunity = v;
    else if (a == "--user") o.users.push_back(ParseUser(v));
    else if (a == "--data") o.dataFile = v;
    else if (a == "--state-dir") o.stateDir = v;
    else if (a == "--log") o.logFile = v;
    else if (a == "--rows") o.rows = ToCount(a, v, 1000000);
    else if (a == "--generate") {
      const size_t colon = v.rfind(':');
      if (colon == std::string::npos) throw SimError(kSimErrUsage, "--generate wants ENTRY:ROWS, not '" + v + "'");
      o.generate.emplace_back(ToOid(a, v.substr(0, colon)), static_cast<uint64_t>(ToCount(a, v.substr(colon + 1), 16000000)));
    }
    else if (a == "--delay-ms") o.delayMs = ToCount(a, v, 600000);
    else if (a == "--drop-every") o.dropEvery = ToCount(a, v, 1000000);
    else if (a == "--too-big") o.tooBigAbove = ToCount(a, v, 1000000);
    else if (a == "--bulk-error") {
      o.bulkError = ToCount(a, v, 18);
      if (o.bulkError == 0) throw SimError(kSimErrUsage, "--bulk-error wants an error-status from 1 to 18");
    }
    else if (a == "--wrong-type") o.wrongType.push_back(ToOid(a, v));
    else if (a == "--short") {
      const size_t colon = v.rfind(':');
      if (colon == std::string::npos) throw SimError(kSimErrUsage, "--short wants OID:LEN, not '" + v + "'");
      o.shortened.emplace_back(ToOid(a, v.substr(0, colon)), static_cast<size_t>(ToCount(a, v.substr(colon + 1), 65535)));
    } else if (a == "--link-down") {
      const size_t at = v.find('@');
      const int port = ToCount(a, v.substr(0, at), 24);
      if (port == 0) throw SimError(kSimErrUsage, "--link-down wants a port from 1 to 24, not '" + v + "'");
      const int after = at == std::string::npos ? 0 : ToCount(a, v.substr(at + 1), 86400);
      o.linkDown.emplace_back(port, static_cast<double>(after));
    }
  }
  if (o.listen.empty()) throw SimError(kSimErrUsage, "--listen wants an address");
  for (const std::string *c : {&o.readCommunity, &o.writeCommunity})
    if (!PlainWord(*c)) throw SimError(kSimErrUsage, "communities are printable text without blanks or quotes");
  if (o.readCommunity == o.writeCommunity) throw SimError(kSimErrUsage, "the read and write communities must differ");
  if (o.dropEvery == 1) throw SimError(kSimErrUsage, "--drop-every 1 would answer nothing; use 2 or more");
  return o;
}
