#pragma once
// The drawn front of the switch: the 1U chassis with its maker label, the LED windows
// and their captions, the port bays and the combo cages (KvFrontPicture), and the
// port buttons laid over it, each drawn as the RJ-45 jack or SFP cage it stands for
// (KvPortButton). Everything is painted from geometry, so it stays crisp at any
// device pixel ratio.

#include <QAbstractButton>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

// Positions on the front, in pixels from its top left corner.
namespace FrontLayout {
// Copper port n (1 to 24): odd ports on the top row, in two blocks of six columns.
constexpr QRect CopperPort(int n) {
  const int left = n <= 12 ? 337 + 25 * ((n - 1) / 2) : 496 + 25 * ((n - 13) / 2);
  return {left, n % 2 ? 25 : 47, 23, 21};
}
// Combo port button n (1 to 4), ports 21 to 24.
constexpr QRect ComboPort(int n) { return {628 + 29 * n, 47, 22, 22}; }
// The LED containers.
constexpr QRect PowerLeds{99, 27, 9, 9}, ConsoleLeds{99, 46, 9, 9}, RpsLeds{99, 64, 9, 9};
constexpr QRect OddSpeedLeds{156, 20, 133, 6}, OddLinkLeds{156, 38, 133, 6};
constexpr QRect EvenSpeedLeds{156, 57, 133, 6}, EvenLinkLeds{156, 77, 133, 6};
constexpr QRect ComboLeds(int n) {
  constexpr int kLeft[] = {666, 696, 724, 753};
  return {kLeft[n - 1], 40, 5, 5};
}
}  // namespace FrontLayout

class KvFrontPicture : public QWidget {
  Q_OBJECT
public:
  static constexpr int kWidth = 773, kHeight = 91;

  explicit KvFrontPicture(QWidget *parent = nullptr);

  // Where the LEDs show through the front (their visible rectangles), drawn as
  // recessed windows behind them.
  void SetLedWindows(std::vector<QRect> windows);

signals:
  void clicked();

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

private:
  void PaintFront(QPainter &p) const;

  std::vector<QRect> windows_;
  QPixmap cache_;  // the front at the current size and pixel ratio
  bool pressed_ = false;
};

// Laid over the whole front when the agent is not the switch this front shows: dims
// it, prints one line across it, and keeps clicks from the port buttons below.
class KvFrontVeil : public QWidget {
  Q_OBJECT
public:
  KvFrontVeil(QWidget *parent, const QString &text);
  QString Text() const { return text_; }

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
  QString text_;
};

class KvPortButton : public QAbstractButton {
  Q_OBJECT
public:
  enum Kind { JackLatchUp, JackLatchDown, SfpCage };

  KvPortButton(QWidget *parent, Kind kind);

  Kind PortKind() const { return kind_; }
  // Shown pressed: the selected port (not Qt's transient press state).
  void SetDown(bool down);
  bool Down() const { return down_; }

signals:
  void doubleClicked();

protected:
  void paintEvent(QPaintEvent *event) override;
  void mouseDoubleClickEvent(QMouseEvent *event) override;
  void enterEvent(QEnterEvent *event) override;
  void leaveEvent(QEvent *event) override;

private:
  Kind kind_;
  bool down_ = false;
  bool hover_ = false;
};
