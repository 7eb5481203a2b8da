#include "window_layout.h"

#include "kv_controls.h"
#include "kv_status_bar.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

QVBoxLayout *AddButtonColumn(QBoxLayout *row, int width) {
  auto *panel = new QWidget;
  panel->setFixedWidth(width);
  auto *column = new QVBoxLayout(panel);
  column->setContentsMargins(8, 8, 8, 8);
  column->setAlignment(Qt::AlignTop);
  row->addWidget(panel);
  return column;
}

QPushButton *AddButton(QVBoxLayout *column, const char *caption, const char *name) {
  auto *button = Named(new QPushButton(QString::fromLatin1(caption)), name);
  button->setAutoDefault(false);
  column->addWidget(button);
  return button;
}

QLabel *AddLabelled(QGridLayout *grid, int row, const char *caption, QWidget *field, int column) {
  auto *label = new QLabel(QString::fromLatin1(caption));
  grid->addWidget(label, row, column);
  grid->addWidget(field, row, column + 1);
  return label;
}

QLabel *AddStaticField(QGridLayout *grid, int row, const char *caption, const char *name) {
  QLabel *field = Named(MakeStaticText(nullptr), name);
  field->setMinimumWidth(120);
  // As high as the edits beside it, also while it is empty.
  field->setMinimumHeight(QLineEdit().sizeHint().height());
  AddLabelled(grid, row, caption, field);
  return field;
}

QLineEdit *AddEditField(QGridLayout *grid, int row, const char *caption, const char *name) {
  QLineEdit *edit = Named(new QLineEdit, name);
  AddLabelled(grid, row, caption, edit);
  return edit;
}

QComboBox *AddComboField(QGridLayout *grid, int row, const char *caption, const char *name) {
  QComboBox *box = Named(new QComboBox, name);
  AddLabelled(grid, row, caption, box);
  return box;
}

QHBoxLayout *MakeWindowRow(QWidget *window) {
  auto *row = new QHBoxLayout(window);
  row->setContentsMargins(0, 0, 0, 0);
  return row;
}

QHBoxLayout *MakeWindowRow(QWidget *window, KvStatusBar *&statusBar) {
  auto *outer = new QVBoxLayout(window);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  auto *row = new QHBoxLayout;
  outer->addLayout(row, 1);
  statusBar = AddOnePanelStatusBar(outer, window);
  return row;
}

QLabel *AddSampleCount(QVBoxLayout *column) {
  QLabel *count = Named(MakeStaticText(nullptr), "ST_Count");
  count->setAlignment(Qt::AlignCenter);
  column->addWidget(count);
  auto *samples = new QLabel("Samples");
  samples->setAlignment(Qt::AlignCenter);
  column->addWidget(samples);
  column->addSpacing(8);
  return count;
}

QPlainTextEdit *MakeStatusMemo(QWidget *parent, int height) {
  QPlainTextEdit *memo = Named(MakeMemo(parent), "Memo1");
  memo->setFixedHeight(height);
  return memo;
}

KvStatusBar *AddOnePanelStatusBar(QBoxLayout *layout, QWidget *parent) {
  auto *bar = Named(new KvStatusBar(parent), "StatusBar1");
  bar->AddPanel(0);
  layout->addWidget(bar);
  return bar;
}

QTreeWidget *MakeGridListView(QWidget *parent, const char *name) {
  return Named(MakeListView(parent), name);
}

QPushButton *FeatureFrame::AddButton(QWidget *form, const char *caption, QSize size) {
  auto *button = new QPushButton(caption, form);
  button->setFixedSize(size);
  button->setAutoDefault(false);
  Buttons->insertWidget(Buttons->count() - 1, button);  // before the closing stretch
  return button;
}

FeatureFrame MakeFeatureFrame(QWidget *form, QSize size, bool withStatusBar) {
  form->resize(size);
  FeatureFrame frame;
  auto *outer = new QVBoxLayout(form);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->setSpacing(0);
  auto *body = new QHBoxLayout;
  body->setContentsMargins(6, 6, 6, 6);
  outer->addLayout(body, 1);
  frame.Content = new QVBoxLayout;
  body->addLayout(frame.Content, 1);
  frame.Buttons = new QVBoxLayout;
  frame.Buttons->addStretch(1);
  body->addLayout(frame.Buttons);
  if (withStatusBar) {
    frame.StatusBar = new KvStatusBar(form);
    frame.StatusBar->AddPanel(0);
    outer->addWidget(frame.StatusBar);
  }
  return frame;
}

bool IsListClick(QTreeWidget *list, QObject *watched, QEvent *event) {
  if (watched != list->viewport() || event->type() != QEvent::MouseButtonRelease) return false;
  const auto *mouse = static_cast<QMouseEvent *>(event);
  if (mouse->button() != Qt::LeftButton) return false;
  if (!list->itemAt(mouse->position().toPoint())) list->clearSelection();
  return true;
}
