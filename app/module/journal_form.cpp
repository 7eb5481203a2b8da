#include "journal_form.h"

#include "journal_undo.h"
#include "kv_exception.h"
#include "kv_message_box.h"
#include "kv_status_bar.h"
#include "list_csv.h"
#include "window_layout.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>

namespace {
constexpr size_t kPreviewLines = 25;

QString Q(const std::string &text) { return QString::fromStdString(text); }

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

bool Matches(const std::string &text, const std::string &filter) {
  return filter.empty() || Lower(text).find(filter) != std::string::npos;
}

// A value as the list shows it: texts in quotes, numbers as they are, the window's name
// for a value before it, an object that did not exist as such.
std::string Shown(const std::optional<SnmpValue> &value, bool secret, const std::string &label) {
  if (secret) return "(concealed)";
  if (!value) return "(not read)";
  if (!value->HasValue()) return value->Type() == SnmpType::Null ? "(null)" : "(did not exist)";
  std::string text;
  switch (value->Type()) {
    case SnmpType::OctetString: {
      const std::string quoted = JournalValueText(value, false);
      text = quoted.substr(quoted.find(':') + 1);
      break;
    }
    case SnmpType::Integer: text = std::to_string(value->AsInteger()); break;
    default: {
      const std::string typed = JournalValueText(value, false);
      text = typed.substr(typed.find(':') + 1);
    }
  }
  return label.empty() ? text : label + " (" + text + ")";
}

// The time in the list, UTC: "2026-12-09 23:30:01".
std::string ShownTime(const std::string &iso) {
  if (iso.size() < 19) return iso;
  return iso.substr(0, 10) + " " + iso.substr(11, 8);
}

std::string Lines(size_t n, const char *one, const char *many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}
}  // namespace

// ---------------------------------------------------------------------------------
// Creation

TJournalForm::TJournalForm(QWidget *owner, const KvSNMPSettings &settings)
    : TBaseForm(owner), settings_(settings), agent_(JournalAgentOf(settings)) {
  SetCaption("Change journal : " + settings.Device.Address);
  resize(1180, 500);
  QHBoxLayout *row = MakeWindowRow(this, StatusBar1);
  auto *left = new QVBoxLayout;
  left->setContentsMargins(8, 8, 0, 0);
  auto *filters = new QGridLayout;
  ED_Window = Named(new QLineEdit(this), "ED_Window");
  ED_Object = Named(new QLineEdit(this), "ED_Object");
  ED_Window->setPlaceholderText("any window");
  ED_Object->setPlaceholderText("any object");
  ED_Window->setClearButtonEnabled(true);
  ED_Object->setClearButtonEnabled(true);
  AddLabelled(filters, 0, "Window:", ED_Window, 0);
  AddLabelled(filters, 0, "Object:", ED_Object, 2);
  filters->setHorizontalSpacing(6);
  filters->setColumnMinimumWidth(2, 60);
  filters->setColumnStretch(1, 1);
  filters->setColumnStretch(3, 1);
  left->addLayout(filters);
  LV_Journal = MakeGridListView(this, "LV_Journal");
  LV_Journal->setHeaderLabels({"Time (UTC)", "User", "Window", "Object", "Before", "Sent", "Outcome"});
  const int widths[] = {140, 80, 150, 170, 150, 150};
  for (int c = 0; c < 6; ++c) LV_Journal->header()->resizeSection(c, widths[c]);
  LV_Journal->header()->setStretchLastSection(true);
  left->addWidget(LV_Journal, 1);
  row->addLayout(left, 1);

  QVBoxLayout *buttons = AddButtonColumn(row, 140);
  BT_Refresh = AddButton(buttons, "Refresh", "BT_Refresh");
  BT_Export = AddButton(buttons, "Save as CSV...", "BT_Export");
  BT_Undo = AddButton(buttons, "Undo last change...", "BT_Undo");
  buttons->addStretch(1);
  BT_Close = AddButton(buttons, "Close", "BT_Close");

  Handle(BT_Refresh, &QPushButton::clicked, nullptr, [this] { Reload(); });
  Handle(BT_Export, &QPushButton::clicked, nullptr, [this] { BT_ExportClick(); });
  Handle(BT_Undo, &QPushButton::clicked, nullptr, [this] { BT_UndoClick(); });
  Handle(ED_Window, &QLineEdit::textChanged, nullptr, [this] { ApplyFilters(); });
  Handle(ED_Object, &QLineEdit::textChanged, nullptr, [this] { ApplyFilters(); });
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
  Guarded(nullptr, [this] { Reload(); });
}

void TJournalForm::Status(const std::string &text) { StatusBar1->SetSimpleText(text); }

void TJournalForm::Report(KvSNMPRequest2Controls *, const std::string &message) { Status(message); }

// ---------------------------------------------------------------------------------
// The list

void TJournalForm::Reload() {
  reading_ = ReadJournalFile(JournalFileFor(agent_), agent_);
  ApplyFilters();
}

void TJournalForm::ApplyFilters() {
  const std::string window = Lower(ED_Window->text().toStdString());
  const std::string object = Lower(ED_Object->text().toStdString());
  LV_Journal->setUpdatesEnabled(false);
  LV_Journal->clear();
  QList<QTreeWidgetItem *> items;
  size_t matching = 0;
  for (auto it = reading_.Lines.rbegin(); it != reading_.Lines.rend(); ++it) {
    const KvJournalLine &line = *it;
    const KvJournalObject &o = line.Object;
    const std::string name = o.Name + "." + o.Index;
    if (!Matches(line.Window, window) || !(Matches(name, object) || Matches(o.Oid, object))) continue;
    if (++matching > kMaxListed) continue;
    const std::string sent = o.Sent ? Shown(o.Value, o.Secret, o.ValueLabel) : "(kept to create the row again)";
    std::string outcome = line.Outcome;
    if (!line.Undoes.empty()) outcome += " (Undo)";
    auto *item = new QTreeWidgetItem(QStringList{Q(ShownTime(line.Time)), Q(line.User), Q(line.Window), Q(name),
                                                 Q(Shown(o.Before, o.Secret, o.BeforeLabel)), Q(sent), Q(outcome)});
    item->setToolTip(3, Q(o.Oid));
    item->setToolTip(0, Q(line.Time + "  " + line.Program));
    items.push_back(item);
  }
  LV_Journal->addTopLevelItems(items);
  LV_Journal->setUpdatesEnabled(true);

  std::string text;
  if (!reading_.Error.empty()) {
    text = "The journal cannot be read: " + reading_.Error;
  } else if (reading_.Lines.empty()) {
    text = "No change of " + agent_ + " has been journaled on this desktop";
  } else {
    text = Lines(reading_.Lines.size(), "object written", "objects written") + " to " + agent_;
    if (matching != reading_.Lines.size()) text += ", " + std::to_string(matching) + " shown";
    if (matching > kMaxListed) text += " (the newest " + std::to_string(kMaxListed) + " listed)";
  }
  if (reading_.Unreadable > 0)
    text += "; " + Lines(static_cast<size_t>(reading_.Unreadable), "line", "lines") + " of the file could not be read";
  Status(text + ".");
}

// ---------------------------------------------------------------------------------
// The handlers

void TJournalForm::BT_ExportClick() {
  const std::string path = SaveListViewCsv(this, LV_Journal, settings_.Device.Address + "-journal.csv");
  if (!path.empty()) Status("Saved " + Lines(static_cast<size_t>(LV_Journal->topLevelItemCount()), "line", "lines") +
                            " to " + path + ".");
}

void TJournalForm::BT_UndoClick() {
  const std::string outcome = UndoLastChange(this, settings_);
  Reload();
  if (!outcome.empty()) Status(outcome);
}

std::string TJournalForm::UndoLastChange(QWidget *owner, const KvSNMPSettings &settings) {
  const std::string agent = JournalAgentOf(settings);
  const KvJournalReading reading = ReadJournalFile(JournalFileFor(agent), agent);
  const std::string caption = kUndoWindow;
  if (!reading.Error.empty()) {
    const std::string text = "The journal cannot be read: " + reading.Error;
    Platform::ShowMessageBox(owner, text, caption, Platform::MsgButtons::Ok, Platform::MsgIcon::Error);
    return text;
  }
  const KvUndoPlan plan = PlanUndo(reading.Lines, agent);
  const std::string change =
      "the change made in \"" + (plan.Window.empty() ? std::string("(no window)") : plan.Window) + "\" at " +
      ShownTime(plan.Time) + " UTC";
  if (!plan.CanUndo()) {
    std::string text;
    if (plan.Group.empty()) {
      text = "There is no change of " + agent + " to take back.";
    } else {
      text = "Undo cannot take back " + change + ":";
      for (const std::string &why : plan.Refusals) text += "\n- " + why;
    }
    Platform::ShowMessageBox(owner, text, caption, Platform::MsgButtons::Ok, Platform::MsgIcon::Information);
    return plan.Group.empty() ? text : "Undo cannot take back " + change + ".";
  }
  const std::vector<std::string> sets = plan.Describe();
  std::string question = "Take back " + change + "? Undo sends:\n";
  for (size_t i = 0; i < sets.size() && i < kPreviewLines; ++i) question += "\n" + sets[i];
  if (sets.size() > kPreviewLines) question += "\n... and " + std::to_string(sets.size() - kPreviewLines) + " more";
  if (Platform::ShowMessageBox(owner, question, caption, Platform::MsgButtons::YesNo, Platform::MsgIcon::Question) !=
      Platform::MsgResult::Yes)
    return "Undo cancelled; nothing was sent.";
  try {
    ExecuteUndo(plan, settings);
  } catch (const KvException &e) {
    const std::string text = "Undo failed: " + std::string(e.what());
    Platform::ShowMessageBox(owner, text, caption, Platform::MsgButtons::Ok, Platform::MsgIcon::Error);
    return text;
  }
  const std::string done = "Took back " + change + " (" + Lines(sets.size(), "value", "values") + " sent).";
  Platform::ShowMessageBox(owner, done, caption, Platform::MsgButtons::Ok, Platform::MsgIcon::Information);
  return done;
}
