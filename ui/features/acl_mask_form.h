#pragma once
// What the three ACL mask windows share: the list of profiles on top, the labelled
// fields in two columns below it, the port picker at the bottom, the button column, the
// status bar; the idle and row-selected states, the clearing of the fields and the write
// sequence (columns left out, the row status chosen, one request, then a refresh).
// A window derives from it, adds its fields and buttons, and names its key edit.

#include "base_form.h"
#include "window_layout.h"

#include <QSize>

#include <functional>
#include <string>
#include <vector>

class KvSNMPRequest2Edits;
class KvStatusBar;
class KvWriteScope;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class TStackingPortUitForm;
struct KvSNMPVarDef;

class TAclMaskForm : public TBaseForm {
  Q_OBJECT
public:
  static constexpr int kPortBoxes = 32;
  static constexpr int kVisiblePorts = 24;
  static constexpr int kBoxesPerRow = 12;
  // Row status entries of the row status boxes, by position.
  enum RowStatusPosition { Active = 0, NotInService = 1, NotReady = 2, CreateAndGo = 3, CreateAndWait = 4, Destroy = 5 };

  KvSNMPRequest2Edits *Binding() const { return binding_; }
  // True in the row-selected state.
  bool RowSelected() const { return rowSelected_; }

  QTreeWidget *ListView1;
  QWidget *StackingPortPanel;
  TStackingPortUitForm *StackingPortForm;
  KvStatusBar *StatusBar1;

protected:
  TAclMaskForm(QWidget *owner, QSize size, int pickerHeight);

  // Creation, in this order: labelled fields (column 0 left, 1 right), the picker, the
  // binding on `defs` with the port list item bound to the picker, the buttons' roles.
  QLineEdit *AddEdit(int column, const char *label, const char *name);
  QComboBox *AddCombo(int column, const char *label, const char *name);
  QPushButton *AddButton(const char *caption, const char *name);
  void BuildPicker();
  void CreateBinding(const KvSNMPVarDef *defs, int portItem);
  void SetRoles(QLineEdit *keyEdit, QPushButton *modify, QPushButton *add, QPushButton *remove,
                std::vector<QLineEdit *> freeEdits);
  // The first refresh, idle state, clear fields.
  void Start();

  // Refresh: walk the table, idle state, clear fields; failures in status panel 0.
  void RefreshList();
  void IdleState();
  void ClearFields();
  // The row click: row-selected state when a row is selected, else idle.
  virtual void ListView1Click();

  // True when a row's caption (its key) equals `id`.
  bool IdInList(const QString &id) const;
  bool AnyPortChecked() const;
  // A validation message box; focus moves to `focus` when given.
  void Refuse(const char *text, QWidget *focus = nullptr);

  // The write sequence: `prepare` leaves columns out and selects the row status; one
  // request with the controls' values; the flags come back; Refresh; idle; clear. On a
  // failure the flags come back, (with `refreshOnFailure`) a Refresh runs, idle, clear,
  // and the message goes to status panel 0.
  void Write(const std::function<void(KvWriteScope &)> &prepare, bool refreshOnFailure = false);

  void Report(KvSNMPRequest2Controls *binding, const std::string &message) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  QGridLayout *fields_;
  FeatureFrame frame_;
  std::vector<int> fieldRows_{0, 0};
  KvSNMPRequest2Edits *binding_ = nullptr;
  QLineEdit *keyEdit_ = nullptr;
  QPushButton *modify_ = nullptr, *add_ = nullptr, *remove_ = nullptr;
  std::vector<QLineEdit *> freeEdits_;
  bool rowSelected_ = false;
};
