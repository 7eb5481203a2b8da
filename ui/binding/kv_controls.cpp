#include "kv_controls.h"

#include "kv_option_list.h"
#include "kv_radio_group.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>

#include <algorithm>

QString ToQt(const std::string &text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQt(const QString &text) { return text.toLocal8Bit().toStdString(); }

KvControlKind ControlKindOf(const QWidget *control) {
  if (!control) return KvControlKind::Unknown;
  if (qobject_cast<const QLabel *>(control)) return KvControlKind::Label;
  if (qobject_cast<const QCheckBox *>(control)) return KvControlKind::CheckBox;
  if (qobject_cast<const QComboBox *>(control)) return KvControlKind::ComboBox;
  if (qobject_cast<const KvRadioGroup *>(control)) return KvControlKind::RadioGroup;
  if (qobject_cast<const QLineEdit *>(control)) return KvControlKind::Edit;
  return KvControlKind::Unknown;
}

QLabel *MakeStaticText(QWidget *parent) {
  auto *label = new QLabel(parent);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return label;
}

QTreeWidget *MakeListView(QWidget *parent) {
  auto *listView = new QTreeWidget(parent);
  SetReportStyle(listView);
  return listView;
}

void SetReportStyle(QTreeView *listView) {
  listView->setRootIsDecorated(false);
  listView->setItemsExpandable(false);
  listView->setUniformRowHeights(true);  // rows of one height: adding one costs no re-measure
  listView->setSortingEnabled(false);
  listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
  listView->setSelectionBehavior(QAbstractItemView::SelectRows);
  listView->setSelectionMode(QAbstractItemView::SingleSelection);
  listView->setAllColumnsShowFocus(true);
  listView->header()->setStretchLastSection(false);
  listView->header()->setSectionResizeMode(QHeaderView::Interactive);
  // Grid lines; a style sheet on items takes over their whole look, selection included.
  listView->setStyleSheet("QTreeView::item { border-right: 1px solid palette(midlight);"
                          " border-bottom: 1px solid palette(midlight); }"
                          " QTreeView::item:selected { background-color: palette(highlight);"
                          " color: palette(highlighted-text); }");
}

namespace {
// Widens column `c` for `text` when it is longer than the longest measured so far.
void WidenColumnFor(QTreeView *listView, int c, const QString &text, qsizetype length, std::vector<int> *longest) {
  // The room a cell needs beside its text: the item margins and the grid line.
  constexpr int kCellPadding = 12;
  if (listView->isColumnHidden(c)) return;
  if (longest) {
    int &most = (*longest)[static_cast<size_t>(c)];
    if (length <= most) return;  // measuring every cell of a long table costs more than the walk
    most = static_cast<int>(length);
  }
  const int wanted = std::min(listView->fontMetrics().horizontalAdvance(text) + kCellPadding, kMaxFittedColumnWidth);
  if (wanted > listView->columnWidth(c)) listView->setColumnWidth(c, wanted);
}
}  // namespace

void WidenColumnsFor(QTreeView *listView, const std::vector<std::string> &row, std::vector<int> *longest) {
  const int columns = std::min(listView->model()->columnCount(), static_cast<int>(row.size()));
  if (longest && static_cast<int>(longest->size()) < columns) longest->resize(static_cast<size_t>(columns), 0);
  for (int c = 0; c < columns; ++c) {
    const std::string &text = row[static_cast<size_t>(c)];
    // Bytes, not characters: at worst a text is measured that needed no room.
    if (longest && static_cast<int>(text.size()) <= (*longest)[static_cast<size_t>(c)]) continue;
    WidenColumnFor(listView, c, ToQt(text), static_cast<qsizetype>(text.size()), longest);
  }
}

void WidenColumnsFor(QTreeWidget *listView, const QTreeWidgetItem *row, std::vector<int> *longest) {
  const int columns = std::min(listView->columnCount(), row->columnCount());
  if (longest && static_cast<int>(longest->size()) < columns) longest->resize(static_cast<size_t>(columns), 0);
  for (int c = 0; c < columns; ++c) {
    const QString text = row->text(c);
    WidenColumnFor(listView, c, text, text.size(), longest);
  }
}

void FitWidthToColumns(QWidget *window, QTreeView *list, int maxWidth) {
  int columns = 0;
  for (int c = 0; c < list->model()->columnCount(); ++c)
    if (!list->isColumnHidden(c)) columns += list->columnWidth(c);
  // The window may not be shown yet: lay it out, and count the room of a vertical scroll
  // bar whether or not the rows need one.
  if (QLayout *layout = window->layout()) layout->activate();
  const int frame = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
  const int missing = columns + frame - list->width();
  if (missing <= 0) return;
  int width = window->width() + missing;
  if (const QScreen *screen = window->screen()) width = std::min(width, screen->availableGeometry().width());
  if (maxWidth > 0) width = std::min(width, maxWidth);
  if (width <= window->width()) return;
  window->resize(width, window->height());
  if (QLayout *layout = window->layout()) {
    layout->invalidate();  // a hidden window lays its children out again only when told
    layout->activate();
  }
}

QPlainTextEdit *MakeMemo(QWidget *parent) {
  auto *memo = new QPlainTextEdit(parent);
  memo->setReadOnly(true);
  memo->setMaximumBlockCount(kMemoLines);
  return memo;
}

void FillItems(const KvOptionList &options, QComboBox *box) {
  box->clear();
  for (int i = 0; i < options.GetCount(); ++i) box->addItem(ToQt(options.GetItem(i).Label));
}

void FillItems(const KvOptionList &options, KvRadioGroup *group) {
  std::vector<std::string> labels;
  for (int i = 0; i < options.GetCount(); ++i) labels.push_back(options.GetItem(i).Label);
  group->SetItems(labels);
}

namespace {
int IndexIn(const KvOptionList &options, const std::string &text) {
  const int i = options.IndexOfLabel(text);
  return i >= 0 ? i : options.IndexOfValue(text);
}
}  // namespace

void SelectInControl(const KvOptionList &options, QComboBox *box, const std::string &text) {
  box->setCurrentIndex(IndexIn(options, text));
}

void SelectInControl(const KvOptionList &options, KvRadioGroup *group, const std::string &text) {
  group->SetItemIndex(IndexIn(options, text));
}
