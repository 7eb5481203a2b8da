#pragma once
// The rows of a table for a list view: texts in the program's 8-bit encoding, each row
// one block of memory, added in batches so that a view lays its rows out once per batch
// rather than once per row. A fill starts with Clear and adds rows with Append; they are
// shown at the latest after kBatchMs, longer for long lists, or at once by Flush.
//
//   KvListModel rows;
//   rows.SetCaptions({"Port", "Name"});
//   view->setModel(&rows);
//   rows.Clear();
//   rows.Append({"1", "uplink"});   // shown by the next batch
//   rows.Flush();                   // shown now
//
// While held (Hold(true)) the view keeps the rows it showed before the fill's Clear; the
// release shows what the fill has added by then, in one reset.

#include <QAbstractTableModel>
#include <QTimer>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class KvListModel : public QAbstractTableModel {
  Q_OBJECT
public:
  explicit KvListModel(QObject *parent = nullptr);
  ~KvListModel() override;

  // Rows added in a fill are shown together at most this often.
  static constexpr int kBatchMs = 100;
  // ... and for long lists at most once per this many rows' worth of milliseconds, so that
  // laying out the whole list again stays a small share of the fill.
  static constexpr int kRowsPerBatchMs = 100;
  static constexpr int kLongestBatchMs = 1000;

  // The columns: replaces every caption (the rows keep their texts).
  void SetCaptions(const std::vector<std::string> &captions);
  // Adds a column at the end, its texts aligned as told; returns its index.
  int AddColumn(const std::string &caption, Qt::Alignment alignment = {});
  int ColumnCount() const { return static_cast<int>(captions_.size()); }
  const std::string &Caption(int column) const;

  // The rows shown, and the text of one ("" outside the table).
  int RowCount() const { return static_cast<int>(shown_.size()); }
  std::string_view Text(int row, int column) const;

  // A new fill: the rows go (held: once the hold ends) and the fill's rows follow.
  void Clear();
  void Append(const std::vector<std::string> &cells);
  // The rows of the fill so far, shown or not; SetFilledText changes a cell of one.
  int FilledRows() const;
  void SetFilledText(int filledRow, int column, std::string_view text);
  // Shows the rows added so far (held: nothing until the hold ends).
  void Flush();
  void Hold(bool hold);
  bool Held() const { return held_; }

  int rowCount(const QModelIndex &parent = QModelIndex()) const override;
  int columnCount(const QModelIndex &parent = QModelIndex()) const override;
  QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
  // One row: the end offsets of its cells, then their texts.
  class Row {
  public:
    explicit Row(const std::vector<std::string_view> &cells);
    int Cells() const { return block_ ? static_cast<int>(Ends()[-1]) : 0; }
    std::string_view Cell(int column) const;

  private:
    const uint32_t *Ends() const { return reinterpret_cast<const uint32_t *>(block_.get()) + 1; }
    std::unique_ptr<char[]> block_;
  };
  static Row WithCell(const Row &row, int column, std::string_view text);
  void ScheduleBatch();

  std::vector<std::string> captions_;
  std::vector<Qt::Alignment> alignments_;
  std::vector<Row> shown_;
  std::vector<Row> pending_;  // added, not yet shown
  bool replace_ = false;      // a Clear while held: the pending rows replace the shown ones
  bool held_ = false;
  QTimer batch_;
};
