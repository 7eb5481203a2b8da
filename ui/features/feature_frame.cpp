#include "feature_frame.h"

#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>

#include "kv_status_bar.h"

#include <QHBoxLayout>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

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

void FitWidthToColumns(QWidget *window, QTreeWidget *list) {
  int columns = 0;
  for (int c = 0; c < list->columnCount(); ++c)
    if (!list->isColumnHidden(c)) columns += list->columnWidth(c);
  // The window may not be shown yet: lay it out, and count the room of a vertical scroll
  // bar whether or not the rows need one.
  if (QLayout *layout = window->layout()) layout->activate();
  const int frame = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width();
  const int missing = columns + frame - list->width();
  if (missing <= 0) return;
  int width = window->width() + missing;
  if (const QScreen *screen = window->screen()) width = std::min(width, screen->availableGeometry().width());
  if (width <= window->width()) return;
  window->resize(width, window->height());
  if (QLayout *layout = window->layout()) {
    layout->invalidate();  // a hidden window lays its children out again only when told
    layout->activate();
  }
}

bool IsListClick(QTreeWidget *list, QObject *watched, QEvent *event) {
  if (watched != list->viewport() || event->type() != QEvent::MouseButtonRelease) return false;
  const auto *mouse = static_cast<QMouseEvent *>(event);
  if (mouse->button() != Qt::LeftButton) return false;
  if (!list->itemAt(mouse->position().toPoint())) list->clearSelection();
  return true;
}
