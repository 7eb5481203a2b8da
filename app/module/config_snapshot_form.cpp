#include "config_snapshot_form.h"

#include "kv_file_dialog.h"
#include "kv_message_box.h"
#include "kv_program_info.h"
#include "kv_status_bar.h"
#include "restore_plan.h"
#include "snapshot_agent.h"
#include "window_layout.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr const char *kFilter = "Configuration snapshots (*.snapshot);;All files (*)";
constexpr size_t kPreviewLines = 25;

std::string Sets(size_t n) { return std::to_string(n) + (n == 1 ? " Set" : " Sets"); }
}  // namespace

// ---------------------------------------------------------------------------------
// Creation

TConfigSnapshotForm::TConfigSnapshotForm(QWidget *owner, const std::string &addressText) : TBaseForm(owner) {
  SetCaption("Configuration snapshot : " + addressText);
  resize(760, 460);
  QHBoxLayout *row = MakeWindowRow(this, StatusBar1);
  auto *left = new QVBoxLayout;
  left->setContentsMargins(8, 8, 0, 0);
  left->addWidget(ST_Compared = Named(new QLabel("Nothing compared yet.", this), "ST_Compared"));
  LV_Changes = MakeGridListView(this, "LV_Changes");
  LV_Changes->setHeaderLabels({"Object", "On the switch", "In the file"});
  LV_Changes->header()->resizeSection(0, 300);
  LV_Changes->header()->resizeSection(1, 180);
  LV_Changes->header()->setStretchLastSection(true);
  left->addWidget(LV_Changes, 1);
  row->addLayout(left, 1);

  QVBoxLayout *buttons = AddButtonColumn(row, 130);
  BT_Save = AddButton(buttons, "Save...", "BT_Save");
  BT_Compare = AddButton(buttons, "Compare...", "BT_Compare");
  BT_CompareFiles = AddButton(buttons, "Compare files...", "BT_CompareFiles");
  BT_Restore = AddButton(buttons, "Restore...", "BT_Restore");
  buttons->addStretch(1);
  BT_Close = AddButton(buttons, "Close", "BT_Close");
  BT_Restore->setEnabled(false);
  Status("Save the switch's configuration to a file, or compare the switch with one.");

  Handle(BT_Save, &QPushButton::clicked, nullptr, [this] { BT_SaveClick(); });
  Handle(BT_Compare, &QPushButton::clicked, nullptr, [this] { BT_CompareClick(); });
  Handle(BT_CompareFiles, &QPushButton::clicked, nullptr, [this] { BT_CompareFilesClick(); });
  Handle(BT_Restore, &QPushButton::clicked, nullptr, [this] { BT_RestoreClick(); });
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
}

void TConfigSnapshotForm::Status(const std::string &text) { StatusBar1->SetSimpleText(text); }

// A handler's failure (a file that cannot be read or written, a switch that does not
// answer) is the window's status line; the wait cursor and the status of each request
// are the blocking wait's.
void TConfigSnapshotForm::Report(KvSNMPRequest2Controls *, const std::string &message) { Status(message); }

KvSnapshot TConfigSnapshotForm::ReadSwitch() {
  return ReadSnapshot(SNMPSettings, [this](size_t done, size_t total, const std::string &what) {
    Status("Reading " + what + " (" + std::to_string(done + 1) + " of " + std::to_string(total) + ")...");
  });
}

// ---------------------------------------------------------------------------------
// The handlers

void TConfigSnapshotForm::BT_SaveClick() {
  const std::string file =
      Platform::AskSaveFileName(this, "Save the configuration", SNMPDevice.Address + ".snapshot", kFilter);
  if (file.empty()) return;
  const KvSnapshot live = ReadSwitch();
  SaveSnapshot(live, file);
  Status("Saved " + std::to_string(live.ValueCount()) + " values to " + file + ".");
}

void TConfigSnapshotForm::BT_CompareClick() {
  const std::string file = Platform::AskOpenFileName(this, "Compare the switch with", kFilter);
  if (file.empty()) return;
  KvSnapshot saved = LoadSnapshot(file);
  const KvSnapshot live = ReadSwitch();
  ShowChanges(DiffSnapshots(live, saved), "On the switch", "In " + file);
  ST_Compared->setText(QString::fromLocal8Bit(("The switch against " + file).c_str()));
  target_ = std::move(saved);
  targetFile_ = file;
  BT_Restore->setEnabled(true);
}

void TConfigSnapshotForm::BT_CompareFilesClick() {
  const std::string first = Platform::AskOpenFileName(this, "Compare the file", kFilter);
  if (first.empty()) return;
  const std::string second = Platform::AskOpenFileName(this, "with the file", kFilter);
  if (second.empty()) return;
  ShowChanges(DiffSnapshots(LoadSnapshot(first), LoadSnapshot(second)), "In " + first, "In " + second);
  ST_Compared->setText(QString::fromLocal8Bit((first + " against " + second).c_str()));
  // Two files tell nothing about the switch: there is nothing to restore from them.
  target_.reset();
  BT_Restore->setEnabled(false);
}

void TConfigSnapshotForm::BT_RestoreClick() {
  if (!target_) return;
  const KvSnapshot live = ReadSwitch();
  const KvRestorePlan plan = PlanRestore(live, *target_);
  if (plan.Sets.empty()) {
    ShowChanges({}, "On the switch", "In " + targetFile_);
    Status("The switch already equals " + targetFile_ + ": nothing to send.");
    return;
  }
  std::string preview = Sets(plan.Sets.size()) + " to make the switch equal to " + targetFile_ + ":\n\n";
  for (size_t i = 0; i < plan.Sets.size() && i < kPreviewLines; ++i) preview += SetText(plan.Sets[i]) + "\n";
  if (plan.Sets.size() > kPreviewLines)
    preview += "... and " + std::to_string(plan.Sets.size() - kPreviewLines) + " more\n";
  for (const std::string &impossible : plan.Impossible) preview += "Cannot be restored: " + impossible + "\n";
  preview += "\nSend them?";
  if (Platform::ShowMessageBox(this, preview, "Restore", Platform::MsgButtons::OkCancel,
                               Platform::MsgIcon::Question) != Platform::MsgResult::Ok) {
    Status("Restore cancelled: nothing sent.");
    return;
  }
  const KvRestoreOutcome outcome =
      ExecuteRestore(plan, SNMPSettings, [this](size_t done, size_t total, const std::string &) {
        Status("Sending Set " + std::to_string(done + 1) + " of " + std::to_string(total) + "...");
      });
  // What the switch holds now.
  ShowChanges(DiffSnapshots(ReadSwitch(), *target_), "On the switch", "In " + targetFile_);
  if (outcome.Ok())
    Status("Restored: " + Sets(outcome.Sent.size()) + " sent, the switch equals " + targetFile_ + ".");
  else
    Status("Restore stopped: " + Sets(outcome.Sent.size()) + " went through, the switch refused " +
           outcome.Refused + " (" + outcome.Error + "), " + std::to_string(outcome.NotSent.size()) +
           " not sent. Restore again once the cause is removed.");
}

// ---------------------------------------------------------------------------------

void TConfigSnapshotForm::ShowChanges(const std::vector<KvSnapshotChange> &changes, const std::string &left,
                                      const std::string &right) {
  LV_Changes->clear();
  LV_Changes->setHeaderLabels({"Object", QString::fromLocal8Bit(left.c_str()), QString::fromLocal8Bit(right.c_str())});
  for (const KvSnapshotChange &c : changes) {
    auto *item = new QTreeWidgetItem(LV_Changes);
    item->setText(0, QString::fromStdString(CellName(c.Table, c.Row, c.Column)));
    const bool leftEmpty = c.What == KvSnapshotChange::Added || c.What == KvSnapshotChange::RowAdded;
    const bool rightEmpty = c.What == KvSnapshotChange::Removed || c.What == KvSnapshotChange::RowRemoved;
    item->setText(1, leftEmpty ? "(none)" : QString::fromStdString(c.From));
    item->setText(2, rightEmpty ? "(none)" : QString::fromStdString(c.To));
    item->setToolTip(0, QString::fromStdString(ChangeText(c)));
  }
  Status(changes.empty() ? "No differences." : std::to_string(changes.size()) + " differences.");
}
