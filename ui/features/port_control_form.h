#pragma once
// The port control window: one row per port joining the maker's port control table
// (admin, Nway, flow control and learning state) with the port's interface alias, and
// the editor (TfrmPortControlEdit) that changes one row. After the editor closes with
// a changed row, the window writes the row to both tables. Every outcome is a line of
// the log memo under the list.
//
//   ShowFeatureWindow<TfrmPortControl>(owner, addressText);   // window_layout.h

#include "base_form.h"

#include <string>

class KvSNMPRequest2Edits;
struct TPortControlRow;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class TfrmPortControl : public TBaseForm {
  Q_OBJECT
public:
  // Columns of lvwMain; the description is the window's own last column.
  enum Column { IndexColumn = 0, UnitIndexColumn, AdminColumn, NwayColumn, FlowControlColumn, LearningColumn,
                DescriptionColumn, ColumnCount };

  // FormCreate: both bindings and the first load of both tables; then the caption
  // "Port Control Table : <address>".
  TfrmPortControl(QWidget *owner, const std::string &addressText);

  void btnRefreshClick();
  void btnEditClick();
  void lvwMainSelectItem();
  void lvwMainDblClick();

  // The row of lvwPortDiscriptionTemp for the interface of `portRow` (same index text),
  // or null when the interface table has none.
  QTreeWidgetItem *DescriptionRowOf(const QTreeWidgetItem *portRow) const;
  QTreeWidgetItem *SelectedPortRow() const;
  KvSNMPRequest2Edits *PortBinding() const { return portBinding_; }
  KvSNMPRequest2Edits *DescriptionBinding() const { return descriptionBinding_; }

  QTreeWidget *lvwMain;
  QTreeWidget *lvwPortDiscriptionTemp;  // hidden: the interface aliases
  QPlainTextEdit *memLeftPanelBottom;
  QLabel *stDisplayItems;
  QPushButton *btnRefresh;
  QPushButton *btnEdit;
  QPushButton *btnClose;

private:
  void BuildControls();
  // Reads both tables and pairs each port with the alias of its own interface.
  void LoadTables();
  // The row of the list as the editor takes it, and the editor's row shown in the list
  // (the alias also in the interface's row).
  static TPortControlRow RowOf(const QTreeWidgetItem &portRow);
  void ShowEditedRow(QTreeWidgetItem &portRow, const TPortControlRow &row);
  void WriteEditedRow();
  void Log(const std::string &text);

  KvSNMPRequest2Edits *portBinding_ = nullptr;
  KvSNMPRequest2Edits *descriptionBinding_ = nullptr;
};
