#pragma once
// A table's rows in a list view bound to the binding, and the RowStatus entries that
// create and destroy a row (none: the table has no RowStatus column). The rows are in a
// model of their own (Rows), filled by the binding in batches.

#include <QWidget>

#include <string>

class KvListModel;
class KvSNMPRequest2Edits;
class QTreeView;
class TCtrlBtnPanel;

class TListViewPanel : public QWidget {
  Q_OBJECT
public:
  TListViewPanel(QWidget *parent, KvSNMPRequest2Edits *binding);
  ~TListViewPanel() override;

  // Shows the sample counter, Refresh, Edit (disabled) and Close; Add and Delete only
  // with their RowStatus entries.
  virtual void ArrangeCtrlBtn(TCtrlBtnPanel *buttons);

  static constexpr int kMaxWidth = 450;
  static constexpr int kHeight = 350;

  QTreeView *ListView;
  KvListModel *Rows;
  int AddStatusIndex = -1;
  int DeleteStatusIndex = -1;
  std::string AddStatusValue;
  std::string DeleteStatusValue;

  // While rows keep arriving the list takes them in at most once per this many ms (longer
  // for long lists: KvListModel's batches).
  static constexpr int kRepaintIntervalMs = 100;

  // While held, the list keeps showing what it showed before (a live view reading the
  // table again); released, it draws the rows it has now and tells RowsChanged.
  void HoldDrawing(bool hold);
  bool DrawingHeld() const { return drawingHeld_; }

signals:
  // The rows changed: at once for removed rows, batch by batch for added ones.
  void RowsChanged();

protected:
  void resizeEvent(QResizeEvent *event) override;

private:
  bool drawingHeld_ = false;
};
