#pragma once
// One row per variable of a binding: a selection check box, a label with the item's
// name and an edit (a combo box for a writable item with options). Read-only rows and
// the keys of a table show their value greyed and carry no check box. The panel sends
// the checked rows with one Set (SetChecked) and decides which command buttons its host
// shows (ArrangeCtrlBtn).

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class KvSNMPRequest2Edits;
class QCheckBox;
class QLabel;
class QScrollArea;
class TCtrlBtnPanel;

// One row of the panel.
struct TEditRow {
  enum : int { ReadOnlyEdit = 1, WritableEdit = 2, WritableCombo = 3, ReadOnlyOptionEdit = 4 };
  int Kind = 0;
  std::string Format = "%s";
  QWidget *EditCtrl = nullptr;  // QLineEdit, or QComboBox for kind 3
  QCheckBox *CheckBox = nullptr;
  QLabel *RowLabel = nullptr;
  QLabel *RateLabel = nullptr;  // a live view's rate beside the edit, for counters
};

// The row whose value must lie in [Min, Max] before a Set.
struct _sNeedCheckItemRange {
  int ItemIndex = 0;
  int Min = 0;
  int Max = 0;
  std::string Name;
};

class TEditsPanel : public QWidget {
  Q_OBJECT
public:
  TEditsPanel(QWidget *parent, KvSNMPRequest2Edits *binding);
  ~TEditsPanel() override;

  // What one SetChecked came to.
  enum class SetOutcome { Sent, Failed, OutOfRange, Empty };

  // Shows Refresh, Set Checked, Check All, Clear Checks and Close of `buttons` as the
  // rows need them (a single writable row: one "Set" button, no check boxes).
  virtual void ArrangeCtrlBtn(TCtrlBtnPanel *buttons);
  // Places the rows (hidden items skipped) and sizes the panel to them.
  void ArrangeRows();
  // Read-only and key rows lose their check box; the others get one, checked as given.
  void ResetRows(bool checked);
  // One row made read-only (greyed, no check box) or editable (check box unchecked).
  void SetRowReadOnly(int index, bool readOnly);
  // True for a row that is read-only by its item: not editable, or a key of the table.
  bool IsReadOnlyOrKey(int index) const;

  void SetEditWidth(int width);
  void HideRow(int index);
  void UnhideRow(int index);
  void CheckRow(int index);
  void ClearRows();
  void SetRowValue(int index, const std::string &text);
  void SetRangeCheck(const std::string &name, int index, int min, int max);
  // A label right of the row's edit (made once), laid out with the rows.
  QLabel *AddRateLabel(int index);

  // A check box the operator can change: shown and enabled.
  bool IsAvailable(int index) const;
  bool AnyAvailableChecked() const;
  // Checks or unchecks every available box, then enables Set Checked when one is checked.
  void SetAllChecks(bool checked);
  // Writes exactly the checked rows with one blocking Set; failures become status lines.
  SetOutcome SetChecked();

  int RowCount() const { return static_cast<int>(Rows.size()); }
  std::string RowText(int index) const;

  std::vector<TEditRow> Rows;
  KvSNMPRequest2Edits *Binding;
  bool RangeCheckOn = false;
  std::unique_ptr<_sNeedCheckItemRange> RangeCheck;
  int EditWidth = 121;
  QColor ReadOnlyFontColor = Qt::black;
  QColor ReadOnlyColor;
  bool DefaultChecked = false;
  QScrollArea *ScrollBox;
  // The buttons last arranged for this panel; their Set Checked follows the check boxes.
  QPointer<TCtrlBtnPanel> Buttons;

protected:
  void resizeEvent(QResizeEvent *event) override;

private:
  // EditWidth; a combo box gets the room of its longest option when that is wider.
  int FieldWidth(const TEditRow &row) const;
  void UpdateSetButton();
  void PaintRow(int index, bool readOnly);
  bool RangeRefused();
  // Whether Set Checked sends the row: checked, and an item its definition lets be sent.
  bool IsSent(int index) const;

  QWidget *rowsArea_;
  std::vector<bool> boxShownBeforeHide_;
};
