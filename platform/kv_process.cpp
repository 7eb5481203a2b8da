#include "kv_process.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#ifdef _WIN32
#include <windows.h>
#endif

namespace Platform {

bool StartCommandLine(const std::string &commandLine) {
#ifdef _WIN32
  return WinExec(commandLine.c_str(), SW_SHOWNORMAL) > 31;
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
    return QProcess::startDetached(info.absoluteFilePath(), arguments);
  }
  return false;
#endif
}

}  // namespace Platform
