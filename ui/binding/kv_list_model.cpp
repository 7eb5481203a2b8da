#include "kv_list_model.h"

#include <algorithm>
#include <cstring>

KvListModel::Row::Row(const std::vector<std::string_view> &cells) {
  const size_t header = sizeof(uint32_t) * (cells.size() + 1);
  size_t bytes = header;
  for (std::string_view cell : cells) bytes += cell.size();
  block_ = std::make_unique_for_overwrite<char[]>(bytes);
  uint32_t ends[1] = {static_cast<uint32_t>(cells.size())};
  std::memcpy(block_.get(), ends, sizeof ends);
  char *text = block_.get() + header;
  uint32_t end = 0;
  for (size_t c = 0; c < cells.size(); ++c) {
    std::memcpy(text + end, cells[c].data(), cells[c].size());
    end += static_cast<uint32_t>(cells[c].size());
    std::memcpy(block_.get() + sizeof(uint32_t) * (c + 1), &end, sizeof end);
  }
}

std::string_view KvListModel::Row::Cell(int column) const {
  const int cells = Cells();
  if (column < 0 || column >= cells) return {};
  const char *text = block_.get() + sizeof(uint32_t) * (static_cast<size_t>(cells) + 1);
  const uint32_t begin = column == 0 ? 0 : Ends()[column - 1];
  return {text + begin, Ends()[column] - begin};
}

KvListModel::Row KvListModel::WithCell(const Row &row, int column, std::string_view text) {
  std::vector<std::string_view> cells(static_cast<size_t>(std::max(row.Cells(), column + 1)));
  for (int c = 0; c < row.Cells(); ++c) cells[static_cast<size_t>(c)] = row.Cell(c);
  cells[static_cast<size_t>(column)] = text;
  return Row(cells);
}

KvListModel::KvListModel(QObject *parent) : QAbstractTableModel(parent) {
  batch_.setSingleShot(true);
  connect(&batch_, &QTimer::timeout, this, [this] { Flush(); });
}

KvListModel::~KvListModel() = default;

void KvListModel::SetCaptions(const std::vector<std::string> &captions) {
  if (captions.size() != captions_.size()) {
    beginResetModel();
    captions_ = captions;
    alignments_.assign(captions_.size(), {});
    endResetModel();
    return;
  }
  captions_ = captions;
  if (!captions_.empty()) emit headerDataChanged(Qt::Horizontal, 0, ColumnCount() - 1);
}

int KvListModel::AddColumn(const std::string &caption, Qt::Alignment alignment) {
  const int column = ColumnCount();
  beginInsertColumns(QModelIndex(), column, column);
  captions_.push_back(caption);
  alignments_.push_back(alignment);
  endInsertColumns();
  return column;
}

const std::string &KvListModel::Caption(int column) const {
  static const std::string none;
  return column >= 0 && column < ColumnCount() ? captions_[static_cast<size_t>(column)] : none;
}

std::string_view KvListModel::Text(int row, int column) const {
  if (row < 0 || row >= RowCount()) return {};
  return shown_[static_cast<size_t>(row)].Cell(column);
}

void KvListModel::Clear() {
  batch_.stop();
  pending_.clear();
  if (held_) {
    replace_ = true;
    return;
  }
  replace_ = false;
  if (shown_.empty()) return;
  beginResetModel();
  shown_.clear();
  shown_.shrink_to_fit();
  endResetModel();
}

void KvListModel::Append(const std::vector<std::string> &cells) {
  pending_.emplace_back(std::vector<std::string_view>(cells.begin(), cells.end()));
  ScheduleBatch();
}

void KvListModel::ScheduleBatch() {
  if (held_ || batch_.isActive()) return;
  const int rows = RowCount() + static_cast<int>(pending_.size());
  batch_.start(std::clamp(rows / kRowsPerBatchMs, kBatchMs, kLongestBatchMs));
}

int KvListModel::FilledRows() const {
  return (replace_ ? 0 : RowCount()) + static_cast<int>(pending_.size());
}

void KvListModel::SetFilledText(int filledRow, int column, std::string_view text) {
  if (filledRow < 0 || filledRow >= FilledRows() || column < 0) return;
  const size_t before = replace_ ? 0 : shown_.size();
  if (static_cast<size_t>(filledRow) >= before) {
    Row &row = pending_[static_cast<size_t>(filledRow) - before];
    row = WithCell(row, column, text);
    return;
  }
  Row &row = shown_[static_cast<size_t>(filledRow)];
  row = WithCell(row, column, text);
  const QModelIndex cell = index(filledRow, column);
  emit dataChanged(cell, cell, {Qt::DisplayRole});
}

void KvListModel::Flush() {
  batch_.stop();
  if (held_) return;
  if (replace_) {
    replace_ = false;
    beginResetModel();
    shown_ = std::move(pending_);
    pending_.clear();
    endResetModel();
    return;
  }
  if (pending_.empty()) return;
  const int first = RowCount();
  beginInsertRows(QModelIndex(), first, first + static_cast<int>(pending_.size()) - 1);
  shown_.reserve(shown_.size() + pending_.size());
  std::move(pending_.begin(), pending_.end(), std::back_inserter(shown_));
  pending_.clear();
  endInsertRows();
}

void KvListModel::Hold(bool hold) {
  if (hold == held_) return;
  held_ = hold;
  if (hold)
    batch_.stop();
  else
    Flush();
}

int KvListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : RowCount(); }

int KvListModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount(); }

QVariant KvListModel::data(const QModelIndex &index, int role) const {
  if (!index.isValid() || index.row() >= RowCount() || index.column() >= ColumnCount()) return {};
  if (role == Qt::DisplayRole) {
    const std::string_view text = Text(index.row(), index.column());
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
  }
  if (role == Qt::TextAlignmentRole) {
    const Qt::Alignment alignment = alignments_[static_cast<size_t>(index.column())];
    if (alignment) return QVariant::fromValue(alignment);
  }
  return {};
}

QVariant KvListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount()) return {};
  const std::string &caption = captions_[static_cast<size_t>(section)];
  return QString::fromLocal8Bit(caption.data(), static_cast<qsizetype>(caption.size()));
}

Qt::ItemFlags KvListModel::flags(const QModelIndex &index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
