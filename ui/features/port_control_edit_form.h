#pragma once
// The editor of one port control row: the row's values in fields, each writable field
// with a selector box. "Set Checked" takes the selected fields into the edited row,
// which the table window reads once the editor has closed and writes. The editor never
// talks to the agent and knows nothing of the table window.

#include "base_form.h"

#include <QString>

#include <array>
#include <optional>

class KvOptionList;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// One row of the port control window as its list shows it.
struct TPortControlRow {
  QString Index, UnitIndex, AdminState, NwayState, FlowControlState, LearningState, Description;
  bool operator==(const TPortControlRow &) const = default;
};

class TfrmPortControlEdit : public TBaseForm {
  Q_OBJECT
public:
  // The editor of `row`. The drop-down lists of the admin, Nway, flow control and
  // learning states offer the labels of `stateOptions` (null: none), "other" left out.
  TfrmPortControlEdit(QWidget *owner, const TPortControlRow &row,
                      const std::array<const KvOptionList *, 4> &stateOptions);

  // The row with the fields that "Set Checked" last took; empty when it was not pressed.
  const std::optional<TPortControlRow> &EditedRow() const { return edited_; }

  void FormShow();
  void btnSetCheckedClick();
  void btnCheckAllClick();
  void btnClearChecksClick();
  void btnCloseClick();
  void ckAminStateClick();

  QLineEdit *edtIndex;
  QLineEdit *edtUnitIndex;
  QCheckBox *ckAminState;
  QComboBox *cbAdminState;
  QCheckBox *ckNwayState;
  QComboBox *cbNwayState;
  QCheckBox *ckFlowControl;
  QComboBox *cbFlowControlState;
  QCheckBox *ckLearningState;
  QComboBox *cbLearningState;
  QCheckBox *ckPortDiscription;
  QLineEdit *edtPortDiscription;
  QPushButton *btnSetChecked;
  QPushButton *btnCheckAll;
  QPushButton *btnClearChecks;
  QPushButton *btnClose;

protected:
  void showEvent(QShowEvent *event) override;

private:
  void BuildControls(const std::array<const KvOptionList *, 4> &stateOptions);

  QCheckBox *selectors_[5] = {};
  TPortControlRow row_;
  std::optional<TPortControlRow> edited_;
};
