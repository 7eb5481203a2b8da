#include "feature_frame.h"

#include "kv_status_bar.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

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
