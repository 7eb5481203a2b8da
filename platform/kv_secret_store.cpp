// libsecret (GLib) comes before anything of Qt: its headers use names that Qt defines as
// macros.
#include <libsecret/secret.h>

#include "kv_secret_store.h"

#include <dlfcn.h>

namespace Platform {
namespace {
const SecretSchema kSchema = {"com.korvane.ms2416x.Secret",
                              SECRET_SCHEMA_NONE,
                              {{"switch", SECRET_SCHEMA_ATTRIBUTE_STRING},
                               {"kind", SECRET_SCHEMA_ATTRIBUTE_STRING},
                               {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}},
                              0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};

// libsecret and what it brings (GIO, D-Bus and a dozen libraries more) are loaded when a
// secret is first stored or looked up, not at every start of the programs.
struct Keyring {
  using StoreFn = gboolean (*)(const SecretSchema *, const gchar *, const gchar *, const gchar *, GCancellable *,
                               GError **, ...);
  using LookupFn = gchar *(*)(const SecretSchema *, GCancellable *, GError **, ...);
  using ClearFn = gboolean (*)(const SecretSchema *, GCancellable *, GError **, ...);
  using FreeFn = void (*)(gchar *);
  using ErrorFreeFn = void (*)(GError *);

  StoreFn Store = nullptr;
  LookupFn Lookup = nullptr;
  ClearFn Clear = nullptr;
  FreeFn Free = nullptr;
  ErrorFreeFn ErrorFree = nullptr;
  std::string Missing;  // why there is no keyring; "" when every function was found

  Keyring() {
    void *library = dlopen("libsecret-1.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library) {
      const char *why = dlerror();
      Missing = std::string("the keyring library could not be loaded: ") + (why ? why : "libsecret-1.so.0");
      return;
    }
    Store = reinterpret_cast<StoreFn>(dlsym(library, "secret_password_store_sync"));
    Lookup = reinterpret_cast<LookupFn>(dlsym(library, "secret_password_lookup_sync"));
    Clear = reinterpret_cast<ClearFn>(dlsym(library, "secret_password_clear_sync"));
    Free = reinterpret_cast<FreeFn>(dlsym(library, "secret_password_free"));
    ErrorFree = reinterpret_cast<ErrorFreeFn>(dlsym(library, "g_error_free"));
    if (!Store || !Lookup || !Clear || !Free || !ErrorFree) {
      Missing = "the keyring library lacks the functions of libsecret 0.18";
      Store = nullptr;
      Lookup = nullptr;
      Clear = nullptr;
    }
    // Kept loaded for the rest of the process: GLib's types cannot be unloaded.
  }
  bool Ready() const { return Missing.empty(); }
};

const Keyring &Library() {
  static const Keyring keyring;
  return keyring;
}

std::string Reason(GError *error) {
  std::string text = error && error->message ? error->message : "the keyring did not answer";
  if (error) Library().ErrorFree(error);
  return text;
}

class DesktopSecretStore : public SecretStore {
public:
  bool Store(const std::string &switchName, const std::string &kind, const std::string &secret,
             std::string &error) override {
    const Keyring &keyring = Library();
    if (!keyring.Ready()) {
      error = keyring.Missing;
      return false;
    }
    GError *failure = nullptr;
    const std::string label = "MS-2416X " + switchName + " " + kind;
    const gboolean ok = keyring.Store(&kSchema, SECRET_COLLECTION_DEFAULT, label.c_str(), secret.c_str(),
                                                   nullptr, &failure, "switch", switchName.c_str(), "kind",
                                                   kind.c_str(), nullptr);
    if (ok) return true;
    error = Reason(failure);
    return false;
  }

  std::optional<std::string> Lookup(const std::string &switchName, const std::string &kind) override {
    const Keyring &keyring = Library();
    if (!keyring.Ready()) return std::nullopt;
    GError *failure = nullptr;
    gchar *found = keyring.Lookup(&kSchema, nullptr, &failure, "switch", switchName.c_str(), "kind", kind.c_str(),
                                  nullptr);
    if (failure) keyring.ErrorFree(failure);
    if (!found) return std::nullopt;
    std::string secret = found;
    keyring.Free(found);
    return secret;
  }

  void Clear(const std::string &switchName) override {
    const Keyring &keyring = Library();
    if (!keyring.Ready()) return;
    GError *failure = nullptr;
    keyring.Clear(&kSchema, nullptr, &failure, "switch", switchName.c_str(), nullptr);
    if (failure) keyring.ErrorFree(failure);
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
