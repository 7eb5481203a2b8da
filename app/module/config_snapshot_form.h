#pragma once
// The configuration snapshot window: the switch's whole configuration saved to a file,
// compared side by side with the switch (or one file with another), and put back from a
// file after a preview of the Sets and a confirmation. It works with ms2416x-config's
// files and reads and writes as that program does; every outcome is a status line.
//
//   ShowFeatureWindow<TConfigSnapshotForm>(owner, addressText);   // window_layout.h

#include "base_form.h"
#include "config_snapshot.h"

#include <optional>
#include <string>

class KvStatusBar;
class QLabel;
class QPushButton;
class QTreeWidget;

class TConfigSnapshotForm : public TBaseForm {
  Q_OBJECT
public:
  TConfigSnapshotForm(QWidget *owner, const std::string &addressText);

  void BT_SaveClick();
  void BT_CompareClick();
  void BT_CompareFilesClick();
  void BT_RestoreClick();

  // The differences: object, the value on the switch (or in the first file), the value
  // in the file (or the second file).
  QTreeWidget *LV_Changes;
  QLabel *ST_Compared;
  QPushButton *BT_Save;
  QPushButton *BT_Compare;
  QPushButton *BT_CompareFiles;
  QPushButton *BT_Restore;
  QPushButton *BT_Close;
  KvStatusBar *StatusBar1;

protected:
  void Report(KvSNMPRequest2Controls *binding, const std::string &message) override;

private:
  void ShowChanges(const std::vector<KvSnapshotChange> &changes, const std::string &left, const std::string &right);
  void Status(const std::string &text);
  KvSnapshot ReadSwitch();

  // The file last compared with the switch: what Restore puts back.
  std::optional<KvSnapshot> target_;
  std::string targetFile_;
};
