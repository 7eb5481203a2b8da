#include "kv_mib_secrets.h"

#include <cstring>

namespace {
const char *const kSecretObjects[] = {
    "1.3.6.1.4.1.171.12.5.5.1.4",    // swAACServerAuthKey
    "1.3.6.1.4.1.171.12.8.1.3.1.9",  // swSingleIPMSPassword
    "1.3.6.1.6.3.15.1.2.2.1.6",      // usmUserAuthKeyChange
    "1.3.6.1.6.3.15.1.2.2.1.7",      // usmUserOwnAuthKeyChange
    "1.3.6.1.6.3.15.1.2.2.1.9",      // usmUserPrivKeyChange
    "1.3.6.1.6.3.15.1.2.2.1.10",     // usmUserOwnPrivKeyChange
    "1.3.6.1.2.1.16.9.1.1.4",        // eventCommunity
    "1.3.6.1.6.3.18.1.1.1.2",        // snmpCommunityName
};
}  // namespace

bool IsSecretObject(const std::string &oid) {
  for (const char *secret : kSecretObjects) {
    const size_t n = std::strlen(secret);
    if (oid.compare(0, n, secret) == 0 && (oid.size() == n || oid[n] == '.')) return true;
  }
  return false;
}
