// libsecret (GLib) comes before anything of Qt: its headers use names that Qt defines as
// macros.
#include <libsecret/secret.h>

#include "kv_secret_store.h"

namespace Platform {
namespace {
const SecretSchema kSchema = {"com.korvane.ms2416x.Secret",
                              SECRET_SCHEMA_NONE,
                              {{"switch", SECRET_SCHEMA_ATTRIBUTE_STRING},
                               {"kind", SECRET_SCHEMA_ATTRIBUTE_STRING},
                               {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
                              0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};

std::string Reason(GError *error) {
  std::string text = error && error->message ? error->message : "the keyring did not answer";
  if (error) g_error_free(error);
  return text;
}

class DesktopSecretStore : public SecretStore {
public:
  bool Store(const std::string &switchName, const std::string &kind, const std::string &secret,
             std::string &error) override {
    GError *failure = nullptr;
    const std::string label = "MS-2416X " + switchName + " " + kind;
    const gboolean ok = secret_password_store_sync(&kSchema, SECRET_COLLECTION_DEFAULT, label.c_str(), secret.c_str(),
                                                   nullptr, &failure, "switch", switchName.c_str(), "kind",
                                                   kind.c_str(), nullptr);
    if (ok) return true;
    error = Reason(failure);
    return false;
  }

  std::optional<std::string> Lookup(const std::string &switchName, const std::string &kind) override {
    GError *failure = nullptr;
    gchar *found = secret_password_lookup_sync(&kSchema, nullptr, &failure, "switch", switchName.c_str(), "kind",
                                               kind.c_str(), nullptr);
    if (failure) g_error_free(failure);
    if (!found) return std::nullopt;
    std::string secret = found;
    secret_password_free(found);
    return secret;
  }

  void Clear(const std::string &switchName) override {
    GError *failure = nullptr;
    secret_password_clear_sync(&kSchema, nullptr, &failure, "switch", switchName.c_str(), nullptr);
    if (failure) g_error_free(failure);
  }
};

SecretStore &Desktop() {
  static DesktopSecretStore desktop;
  return desktop;
}

SecretStore *&Current() {
  static SecretStore *current = &Desktop();
  return current;
}
}  // namespace

SecretStore &Secrets() { return *Current(); }

SecretStore *SetSecretStore(SecretStore *store) {
  SecretStore *previous = Current();
  Current() = store ? store : &Desktop();
  return previous;
}

}  // namespace Platform
