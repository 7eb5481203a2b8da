#pragma once
// The editor of one port control row: the row's values in fields, each writable field
// with a selector box. "Set Checked" copies the selected fields into the row of the
// table window (found through frmPortControl) and marks the row edited; the table
// window writes it once the editor has closed. The editor never talks to the agent.

#include "base_form.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// Set by "Set Checked", read and cleared by the table window's Edit.
extern bool PortControlRowEdited;

class TfrmPortControlEdit : public TBaseForm {
  Q_OBJECT
public:
  explicit TfrmPortControlEdit(QWidget *owner);

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
  void BuildControls();

  QCheckBox *selectors_[5] = {};
};
