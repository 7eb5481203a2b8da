#include "kv_registry.h"

#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <QStringList>

#ifdef _WIN32
#include <windows.h>
#endif

namespace Platform {
namespace {
// The key's parts without empty ones: "\SOFTWARE\A\B\C" gives SOFTWARE, A, B, C.
QStringList KeyParts(const std::string &key) {
  QString text = QString::fromLocal8Bit(key);
  text.replace('\\', '/');
  return text.split('/', Qt::SkipEmptyParts);
}

// Maker and product: the two parts after "SOFTWARE"; empty when the key has fewer.
bool MakerAndProduct(const QStringList &parts, QString &maker, QString &product, int &rest) {
  int first = 0;
  if (!parts.isEmpty() && parts[0].compare("SOFTWARE", Qt::CaseInsensitive) == 0) first = 1;
  if (parts.size() < first + 2) return false;
  maker = parts[first];
  product = parts[first + 1];
  rest = first + 2;
  return true;
}

QStringList ConfigFolders() {
  QStringList folders =
      QString::fromLocal8Bit(qgetenv("XDG_CONFIG_DIRS")).split(':', Qt::SkipEmptyParts);
  if (folders.isEmpty()) folders << "/etc/xdg";
  return folders;
}
}  // namespace

std::string MachineSettingsFile(const std::string &key) {
  QString maker, product;
  int rest = 0;
  if (!MakerAndProduct(KeyParts(key), maker, product, rest)) return {};
  for (const QString &folder : ConfigFolders()) {
    const QString file = folder + '/' + maker + '/' + product + ".conf";
    if (QFileInfo(file).isFile()) return file.toLocal8Bit().toStdString();
  }
  return {};
}

std::string MachineSettingsGroup(const std::string &key) {
  QString maker, product;
  int rest = 0;
  const QStringList parts = KeyParts(key);
  if (!MakerAndProduct(parts, maker, product, rest)) return {};
  return parts.mid(rest).join('/').toLocal8Bit().toStdString();
}

bool ReadMachineString(const std::string &key, const std::string &valueName, std::string &value) {
#ifdef _WIN32
  HKEY handle = nullptr;
  std::string path = key;
  while (!path.empty() && path.front() == '\\') path.erase(0, 1);
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
    return false;
  char buffer[4096];
  DWORD size = sizeof buffer - 1, type = 0;
  const LONG result = RegQueryValueExA(handle, valueName.c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE *>(buffer), &size);
  RegCloseKey(handle);
  if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
  buffer[size] = '\0';
  value = buffer;
  return true;
#else
  const std::string file = MachineSettingsFile(key);
  if (file.empty()) return false;
  QSettings settings(QString::fromLocal8Bit(file), QSettings::IniFormat);
  if (settings.status() != QSettings::NoError) return false;
  const QString group = QString::fromLocal8Bit(MachineSettingsGroup(key));
  if (!group.isEmpty()) settings.beginGroup(group);
  const QString name = QString::fromLocal8Bit(valueName);
  if (!settings.contains(name)) return false;
  const QVariant read = settings.value(name);
  // An unquoted value with commas reads as a list: put the commas back.
  const QString text = read.typeId() == QMetaType::QStringList ? read.toStringList().join(',')
                                                              : read.toString();
  value = text.toLocal8Bit().toStdString();
  return true;
#endif
}

}  // namespace Platform
