#include "list_csv.h"

#include "kv_controls.h"
#include "kv_file_dialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QSaveFile>
#include <QTreeWidget>

#include <stdexcept>
#include <vector>

std::string CsvField(const std::string &text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string ListViewCsv(const QTreeWidget *listView) {
  const QHeaderView *header = listView->header();
  std::vector<int> columns;
  for (int visual = 0; visual < header->count(); ++visual) {
    const int logical = header->logicalIndex(visual);
    if (logical >= 0 && logical < listView->columnCount() && !listView->isColumnHidden(logical))
      columns.push_back(logical);
  }
  std::string csv;
  const auto line = [&](const QTreeWidgetItem *row) {
    for (size_t c = 0; c < columns.size(); ++c) {
      if (c > 0) csv += ',';
      csv += CsvField(FromQt(row->text(columns[c])));
    }
    csv += "\r\n";
  };
  line(listView->headerItem());
  for (int r = 0; r < listView->topLevelItemCount(); ++r) line(listView->topLevelItem(r));
  return csv;
}

void CopyListViewCsv(const QTreeWidget *listView) {
  if (QClipboard *clipboard = QGuiApplication::clipboard()) clipboard->setText(ToQt(ListViewCsv(listView)));
}

std::string SaveListViewCsv(QWidget *parent, const QTreeWidget *listView, const std::string &suggestedName) {
  const std::string path = Platform::AskSaveFileName(parent, "Save as CSV", suggestedName, "CSV files (*.csv)");
  if (path.empty()) return {};
  const std::string csv = ListViewCsv(listView);
  // Written aside and put in place at the end: a failed write leaves an older file whole.
  QSaveFile file(QString::fromLocal8Bit(path));
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size()) ||
      !file.commit())
    throw std::runtime_error("Can not write " + path + "!");
  return path;
}
