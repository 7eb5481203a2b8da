#include "kv_process.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/prctl.h>
#include <sys/resource.h>
#endif

namespace Platform {

bool StartCommandLine(const std::string &commandLine) { return StartCommandLine(commandLine, {}); }

bool StartCommandLine(const std::string &commandLine, const std::vector<EnvironmentChange> &environment) {
#ifdef _WIN32
  for (const EnvironmentChange &change : environment)
    SetEnvironmentVariableA(change.Name.c_str(), change.Value ? change.Value->c_str() : nullptr);
  const bool started = WinExec(commandLine.c_str(), SW_SHOWNORMAL) > 31;
  for (const EnvironmentChange &change : environment) SetEnvironmentVariableA(change.Name.c_str(), nullptr);
  return started;
#else
  // Each end of a word is a place where the program's path may end; the path keeps the
  // blanks inside it exactly as written.
  const QString line = QString::fromLocal8Bit(commandLine).trimmed();
  const auto blank = [](QChar c) { return c == ' ' || c == '\t'; };
  for (qsizetype end = 0; end <= line.size(); ++end) {
    if (end < line.size() && !(blank(line[end]) && end > 0 && !blank(line[end - 1]))) continue;
    const QFileInfo info(line.left(end));
    if (!info.isFile() || !info.isExecutable()) continue;
    const QStringList arguments =
        line.mid(end).split(QRegularExpression("[ \t]+"), Qt::SkipEmptyParts);
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const EnvironmentChange &change : environment) {
      const QString name = QString::fromLocal8Bit(change.Name);
      if (change.Value)
        variables.insert(name, QString::fromLocal8Bit(*change.Value));
      else
        variables.remove(name);
    }
    QProcess process;
    process.setProgram(info.absoluteFilePath());
    process.setArguments(arguments);
    process.setProcessEnvironment(variables);
    return process.startDetached();
  }
  return false;
#endif
}

bool ForbidCoreDumps() {
#ifdef _WIN32
  return true;  // Windows writes no core files of its own accord
#else
  const struct rlimit none {0, 0};
  const bool limited = ::setrlimit(RLIMIT_CORE, &none) == 0;
  return ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) == 0 && limited;
#endif
}

}  // namespace Platform
