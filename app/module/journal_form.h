#pragma once
// The change journal window: the writes made to this switch by every program on this
// desktop, newest first, narrowed by window and by object, saved as CSV as the list views
// are, and the last change taken back. Every outcome is a status line.
//
//   ShowFeatureWindow<TJournalForm>(owner, settings);   // window_layout.h
//   TJournalForm::UndoLastChange(owner, settings);       // the menu's "Undo last change"

#include "base_form.h"
#include "change_journal.h"

#include <string>
#include <vector>

class KvStatusBar;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class TJournalForm : public TBaseForm {
  Q_OBJECT
public:
  TJournalForm(QWidget *owner, const KvSNMPSettings &settings);

  // Reads the journal again and lists what the filters let through.
  void Reload();
  void ApplyFilters();
  void BT_ExportClick();
  void BT_UndoClick();

  // Shows what the Undo of the last change of the agent will send and asks first; a
  // change that cannot be taken back says why. The outcome as a line of text.
  static std::string UndoLastChange(QWidget *owner, const KvSNMPSettings &settings);

  // The newest lines listed at most.
  static constexpr size_t kMaxListed = 10000;

  QLineEdit *ED_Window;
  QLineEdit *ED_Object;
  QTreeWidget *LV_Journal;
  QPushButton *BT_Refresh;
  QPushButton *BT_Export;
  QPushButton *BT_Undo;
  QPushButton *BT_Close;
  KvStatusBar *StatusBar1;

protected:
  void Report(KvSNMPRequest2Controls *binding, const std::string &message) override;

private:
  void Status(const std::string &text);

  KvSNMPSettings settings_;
  std::string agent_;
  KvJournalReading reading_;
};
