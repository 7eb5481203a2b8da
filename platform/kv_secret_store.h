#pragma once
// The desktop's secret store (the Secret Service, through libsecret) for the communities
// and pass phrases that a user asked to have remembered for a switch. They are kept
// nowhere else. Tests put a store of their own in its place.

#include <optional>
#include <string>

namespace Platform {

class SecretStore {
public:
  virtual ~SecretStore() = default;
  // Keeps `secret` as the `kind` ("read community", "auth pass phrase"...) of `switchName`
  // ("192.0.2.10:161"); false with the store's reason in `error` when it cannot.
  virtual bool Store(const std::string &switchName, const std::string &kind, const std::string &secret,
                     std::string &error) = 0;
  // The secret kept, if any (none also when the store cannot be reached).
  virtual std::optional<std::string> Lookup(const std::string &switchName, const std::string &kind) = 0;
  // Forgets every secret of the switch.
  virtual void Clear(const std::string &switchName) = 0;
};

// The program's store: the desktop's, unless a test set another. Returns the one set before.
SecretStore &Secrets();
SecretStore *SetSecretStore(SecretStore *store);

}  // namespace Platform
