#include "kv_status_bar.h"

#include "kv_controls.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>

// One line of the bar: a text drawn in the frame, cut short to its width.
class KvStatusLine : public QFrame {
public:
  explicit KvStatusLine(QWidget *parent) : QFrame(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  }

  void SetText(const QString &text) {
    if (text == text_) return;
    text_ = text;
    setAccessibleName(text_);
    Elide();
    update();
  }
  const QString &Text() const { return text_; }

  QSize sizeHint() const override { return {fontMetrics().averageCharWidth() * 8, minimumSizeHint().height()}; }
  QSize minimumSizeHint() const override { return {2 * frameWidth(), fontMetrics().height() + 2 * frameWidth()}; }

protected:
  void paintEvent(QPaintEvent *event) override {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawText(TextRect(), Qt::AlignLeft | Qt::AlignVCenter, shown_);
  }
  void resizeEvent(QResizeEvent *event) override {
    QFrame::resizeEvent(event);
    Elide();
  }
  void changeEvent(QEvent *event) override {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange) Elide();
  }

private:
  // A framed line keeps the text off the frame by half an "x", as a framed label does.
  QRect TextRect() const {
    const int indent = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    return contentsRect().adjusted(indent, 0, -indent, 0);
  }
  void Elide() {
    shown_ = fontMetrics().elidedText(text_, Qt::ElideRight, TextRect().width());
    setToolTip(shown_ == text_ ? QString() : text_);
  }

  QString text_, shown_;
};

KvStatusBar::KvStatusBar(QWidget *parent) : QStatusBar(parent), simpleLabel_(new KvStatusLine(this)) {
  setSizeGripEnabled(false);
  addWidget(simpleLabel_, 1);
  ShowMode();
}

int KvStatusBar::AddPanel(int width) {
  auto *panel = new KvStatusLine(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  if (width > 0) panel->setFixedWidth(width);
  addWidget(panel, width > 0 ? 0 : 1);
  panels_.push_back(panel);
  ShowMode();
  return PanelCount() - 1;
}

void KvStatusBar::SetPanelText(int index, const std::string &text) {
  if (index < 0 || index >= PanelCount()) return;
  panels_[index]->SetText(ToQt(text));
  simpleLast_ = false;
  ShowMode();
}

std::string KvStatusBar::PanelText(int index) const {
  if (index < 0 || index >= PanelCount()) return {};
  return FromQt(panels_[index]->Text());
}

void KvStatusBar::SetSimpleText(const std::string &text) {
  simpleText_ = text;
  simpleLabel_->SetText(ToQt(text));
  simpleLast_ = true;
  ShowMode();
}

bool KvStatusBar::ShowsLine(const std::string &text) const {
  const QString wanted = ToQt(text);
  if (simpleLabel_->isVisible() && simpleLabel_->Text() == wanted) return true;
  for (const KvStatusLine *panel : panels_)
    if (panel->isVisible() && panel->Text() == wanted) return true;
  return false;
}

void KvStatusBar::ShowMode() {
  const bool simple = ShowsSimpleText() || panels_.empty();
  simpleLabel_->setVisible(simple);
  for (KvStatusLine *panel : panels_) panel->setVisible(!simple);
}
