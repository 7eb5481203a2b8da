#pragma once
// The binding for edit-style controls: it remembers which control (or group of
// controls) shows which item of the variable list, or which part of it (some bytes, or
// single bits), writes received values into those controls, reads the operator's input
// back into the items before a Set, and can show a table as a list view with one row
// per table row, the selected row being copied back into the items. The rows go into a
// KvListModel, added in batches (the generic window's lists, long tables), or into the
// items of a QTreeWidget, one by one (the small fixed tables of the feature windows).
//
// Controls stay the window's: the binding never deletes one, and one destroyed before
// the binding is skipped. Handlers that the window connected to a control's signals stay
// connected and run as before; the binding only adds its own, beside them, and takes
// them away again in Unbind. Edits bound by AssociateFormat are watched by the binding's
// input constraint.
//
// Failures raise KvException with the library's codes: -516 list of an unknown item
// type, -517 plain check box on a non-boolean value, -518 value too short or not a value
// of its syntax, -519 part, bit or item index outside the value or list, -520 combo box
// or radio group without an option list, -521 control of a kind the binding cannot
// show, -522 too few controls for a split value.

#include "kv_edit_constraint.h"
#include "kv_snmp_request2_controls.h"

#include <QMetaObject>
#include <QPointer>

#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class KvListModel;
class KvOptionList;
class QLineEdit;
class QTreeWidget;
class QTreeView;
class QWidget;

// One association of an item (or a part of it) with its controls.
struct sAssociatedCtrls {
  int ItemIndex = 0;
  int ByteIndex = 0;                     // offset of the part in the raw value; 0 for whole values
  unsigned Syntax = 0;                   // syntax of the part; the item's own for whole values
  const KvOptionList *Options = nullptr; // option list of the part; null: the item's own (whole values)
  int CtrlCount = 0;
  std::vector<int> BitIndexes;           // bit shown by each check box; empty: no bit association
  std::vector<QPointer<QWidget>> Ctrls;
};

class KvSNMPRequest2Edits : public KvSNMPRequest2Controls {
public:
  explicit KvSNMPRequest2Edits(QWidget *ownerForm);
  ~KvSNMPRequest2Edits() override;

  // Shows the list as rows of `listView`; with `disableUntilSelected` the associated
  // controls of a fixed table stay disabled after a Get until a row is selected.
  void BindListView(QTreeWidget *listView, bool disableUntilSelected = true);
  // The same with the rows in `rows`, which the binding sets as the view's model.
  void BindListView(QTreeView *listView, KvListModel *rows, bool disableUntilSelected = true);

  // One label, static text, edit or check box shows the whole item.
  void Associate(int itemIndex, QWidget *control);
  // A combo box made a drop-down list of the item's option labels.
  void AssociateComboBox(int itemIndex, QWidget *comboBox);
  // Edits watched by the constraint with `format`, one specifier per edit ("%i{n0x255}"
  // four times for an IP address), showing the whole item split over them.
  void AssociateFormat(int itemIndex, const std::string &format, std::initializer_list<QLineEdit *> edits);
  void AssociateFormat(int itemIndex, const std::string &format, const std::vector<QLineEdit *> &edits);
  // Check boxes that show single bits of the item: `bitList` holds the comma-separated
  // bit numbers, one per box; bit 0 is the most significant bit of the first octet.
  void AssociateBits(int itemIndex, const std::string &bitList, std::initializer_list<QWidget *> checkBoxes);
  void AssociateBitList(int itemIndex, const std::string &bitList, const std::vector<QWidget *> &checkBoxes);
  // The general form: the part of `syntax` at `byteIndex` of the item's raw value shown
  // in `control` (and `secondControl`: the edit beside a combo box of prefix options).
  void AssociatePart(int itemIndex, int byteIndex, unsigned syntax, const KvOptionList *options,
                     QWidget *control, QWidget *secondControl = nullptr);
  // Removes every association of the item; its edits are no longer watched.
  void Unbind(int itemIndex);
  // The window over which the constraint's messages appear.
  void SetConstraintParent(QWidget *window);

  // Writes the items' values into their controls (-1: every item).
  void ShowValues(int itemIndex = -1);
  // Reads the controls back into the items' values (-1: every editable item).
  void ReadControls(int itemIndex = -1);
  void SetControlsEnabled(bool enabled);

  void BeforeRefresh() override;
  void ShowRow() override;
  void CollectValues(const std::string &selection) override;
  void AfterRefresh() override;
  // Installed as the list view's selection handler: `row` selected, or none (-1).
  virtual void SelectItem(int row);

  QPointer<QTreeView> ListView;
  QPointer<KvListModel> ListRows;  // null: the rows are the items of a QTreeWidget
  std::vector<std::unique_ptr<sAssociatedCtrls>> Associations;
  KvEditConstraint Constraint;
  bool DisableUntilSelected = true;

  // The item shown in each list view column, in column order.
  const std::vector<int> &ColumnItems() const { return columnItems_; }

private:
  const KvOptionList *OptionsOf(const sAssociatedCtrls &a) const;
  void CheckItemIndex(int itemIndex) const;
  void ShowAssociation(const sAssociatedCtrls &a);
  void ReadAssociation(const sAssociatedCtrls &a, std::string &raw);
  // The value the item's controls hold, read on top of `text`; false when no control
  // stands for the item.
  bool ReadItem(int itemIndex, const std::string &text, std::string &value);
  std::string ReadSplitEdits(const sAssociatedCtrls &a);
  void SetUpColumns();
  int SelectedRow() const;
  std::string CellText(int row, int column) const;
  void CopySelectedRow();
  void ListViewSelectionChanged();

  std::vector<int> columnItems_;
  std::vector<int> measuredChars_;  // per list column: the longest text measured in this fill
  // Items shown without a value (a cell the agent lacks): what their controls read then
  // (nothing when reading them failed). Read back unchanged, such an item keeps having no
  // value, and no Set writes it.
  std::map<int, std::optional<std::string>> shownBlank_;
  QMetaObject::Connection selectionConnection_;
  QPointer<QTreeWidget> items_;  // the view when its rows are its items
};
