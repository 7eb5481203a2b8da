#pragma once
// The 50-pixel-high area at the bottom of an editor panel: a memo that receives the
// bindings' status lines.

#include <QWidget>

class QPlainTextEdit;

class TMsgPanel : public QWidget {
  Q_OBJECT
public:
  explicit TMsgPanel(QWidget *parent);

  static constexpr int kHeight = 50;
  QPlainTextEdit *Memo;
};
