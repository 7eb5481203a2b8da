#pragma once
// A table's panel: its rows in a list view with the sample counter, Refresh, Edit, Add,
// Delete and Close. Add and Edit lend the edit rows to a small dialog that writes one
// row; Delete destroys the selected row through its RowStatus column.

#include "snmp_editor_panel.h"

#include <functional>
#include <string>
#include <vector>

class QAction;
class QTreeView;
class TListViewPanel;

class TSNMPListViewPanel : public TSNMPEditorPanel {
  Q_OBJECT
public:
  TSNMPListViewPanel(QWidget *parent, KvSNMPRequest2Edits *binding);
  ~TSNMPListViewPanel() override;

  // The RowStatus entry (of the row at `index`) that creates a row, or destroys one;
  // raises when the row's combo box has no such entry.
  void SetAddStatus(int index, const std::string &value);
  void SetDeleteStatus(int index, const std::string &value);

  // The button handlers, also for windows that press them by code.
  void ListRefresh();
  void EditClick(QObject *sender);
  void AddClick(QObject *sender);
  void DeleteClick();
  // The list as CSV text on the clipboard, or in a file the operator names (the path
  // written, "" when cancelled; a failure is shown in a message box). Both are also in
  // the list's context menu.
  void CopyAsCsv();
  std::string SaveAsCsv();

  TListViewPanel *ListPanel;
  // Tables whose rows are made in two steps (an EntryStatus "createRequest", then
  // "valid"): written to the new row's status after the Add's Set went through; empty
  // for one-step tables.
  std::string AddCompleteValue;
  QAction *CopyCsvAction;
  QAction *SaveCsvAction;
  // Run around the dialogs with the pressed button; OnBeforeAdd starts as ClearRows.
  std::function<void(QObject *sender)> OnBeforeAdd;
  std::function<void(QObject *sender)> OnAfterAdd;
  std::function<void(QObject *sender)> OnBeforeEdit;
  std::function<void(QObject *sender)> OnAfterEdit;

private:
  enum class DialogKind { Add, Edit };
  void RunRowDialog(DialogKind kind);
  void CompleteAddedRow();
  void ListSelectionChanged();
  void ShowSampleCount();
  bool eventFilter(QObject *watched, QEvent *event) override;

  bool quietSelection_ = false;
};

// The hint of a list view row: per column its caption, tabs up to the length of the
// longest caption, two spaces, the row's text and a line feed.
std::string ListRowHint(const QTreeView *listView, int row);
