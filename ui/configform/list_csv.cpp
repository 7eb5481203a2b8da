#include "list_csv.h"

#include "kv_controls.h"
#include "kv_file_dialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QSaveFile>
#include <QTreeView>

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

std::string ListViewCsv(const QTreeView *listView) {
  const QHeaderView *header = listView->header();
  const QAbstractItemModel *model = listView->model();
  std::vector<int> columns;
  for (int visual = 0; visual < header->count(); ++visual) {
    const int logical = header->logicalIndex(visual);
    if (logical >= 0 && logical < model->columnCount() && !listView->isColumnHidden(logical))
      columns.push_back(logical);
  }
  std::string csv;
  const auto line = [&](const auto &text) {
    for (size_t c = 0; c < columns.size(); ++c) {
      if (c > 0) csv += ',';
      csv += CsvField(FromQt(text(columns[c])));
    }
    csv += "\r\n";
  };
  line([&](int c) { return model->headerData(c, Qt::Horizontal).toString(); });
  for (int r = 0; r < model->rowCount(); ++r) line([&](int c) { return model->data(model->index(r, c)).toString(); });
  return csv;
}

void CopyListViewCsv(const QTreeView *listView) {
  if (QClipboard *clipboard = QGuiApplication::clipboard()) clipboard->setText(ToQt(ListViewCsv(listView)));
}

std::string SaveListViewCsv(QWidget *parent, const QTreeView *listView, const std::string &suggestedName) {
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
