#include "front_picture.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdint>

namespace {

const QColor kLabel(214, 218, 222);      // silk-screen print
const QColor kLabelDim(150, 156, 163);
const QColor kSelected(79, 195, 247);    // the selected port's ring

// Sizes in pixels of the front, so that the print keeps its place whatever the dpi.
QFont PrintFont(int pixelSize, bool bold = true) {
  QFont f("DejaVu Sans Condensed");
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

void Print(QPainter &p, const QRectF &box, const QString &text, int size, int align = Qt::AlignCenter,
           const QColor &color = kLabel, bool bold = true) {
  p.setFont(PrintFont(size, bold));
  p.setPen(color);
  p.drawText(box, align, text);
}

// A recess pressed into the front: darker floor, shadow on the upper edge, light on the
// lower one.
void Recess(QPainter &p, const QRectF &r, double radius, const QColor &floor) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 28));
  p.drawRoundedRect(r.adjusted(-0.5, -0.5, 0.5, 1.0), radius, radius);
  p.setBrush(QColor(0, 0, 0, 170));
  p.drawRoundedRect(r.adjusted(-0.5, -1.0, 0.5, 0.0), radius, radius);
  p.setBrush(floor);
  p.drawRoundedRect(r, radius, radius);
}

QRectF Around(const QRect &r, double dx, double dy) { return QRectF(r).adjusted(-dx, -dy, dx, dy); }

}  // namespace

// ---- the front ----

KvFrontPicture::KvFrontPicture(QWidget *parent) : QWidget(parent) {
  setFixedSize(kWidth, kHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void KvFrontPicture::SetLedWindows(std::vector<QRect> windows) {
  windows_ = std::move(windows);
  cache_ = QPixmap();
  update();
}

void KvFrontPicture::paintEvent(QPaintEvent *) {
  const qreal dpr = devicePixelRatioF();
  const QSize pixels = (QSizeF(size()) * dpr).toSize();
  if (cache_.size() != pixels || !qFuzzyCompare(cache_.devicePixelRatioF(), dpr)) {
    cache_ = QPixmap(pixels);
    cache_.setDevicePixelRatio(dpr);
    cache_.fill(Qt::black);
    QPainter p(&cache_);
    PaintFront(p);
  }
  QPainter(this).drawPixmap(0, 0, cache_);
}

void KvFrontPicture::mousePressEvent(QMouseEvent *event) {
  pressed_ = event->button() == Qt::LeftButton;
}

void KvFrontPicture::mouseReleaseEvent(QMouseEvent *event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) emit clicked();
}

void KvFrontPicture::PaintFront(QPainter &p) const {
  using namespace FrontLayout;
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRectF all(0, 0, kWidth, kHeight);

  // Powder-coated steel, lit from above, with a fine horizontal grain.
  QLinearGradient steel(0, 0, 0, kHeight);
  steel.setColorAt(0.0, QColor(86, 90, 96));
  steel.setColorAt(0.06, QColor(63, 66, 71));
  steel.setColorAt(0.5, QColor(47, 49, 53));
  steel.setColorAt(0.94, QColor(36, 38, 41));
  steel.setColorAt(1.0, QColor(22, 23, 25));
  p.fillRect(all, steel);
  uint32_t seed = 0x2416u;
  for (double y = 0.25; y < kHeight; y += 0.5) {
    seed = seed * 1664525u + 1013904223u;
    const int a = static_cast<int>(seed >> 28);  // 0 .. 15
    p.setPen(QPen(a % 2 ? QColor(255, 255, 255, a) : QColor(0, 0, 0, a + 6), 0.5));
    p.drawLine(QPointF(0, y), QPointF(kWidth, y));
  }
  // Folded edges of the chassis.
  p.setPen(QPen(QColor(130, 135, 141), 1));
  p.drawLine(QPointF(1, 0.5), QPointF(kWidth - 1, 0.5));
  p.setPen(QPen(QColor(10, 10, 12), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(all.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
  p.setPen(QPen(QColor(0, 0, 0, 90), 1));
  p.drawLine(QPointF(2, kHeight - 2.5), QPointF(kWidth - 2, kHeight - 2.5));

  // Grooves between the sections.
  for (double x : {92.5, 151.5, 329.5}) {
    p.setPen(QPen(QColor(0, 0, 0, 150), 1));
    p.drawLine(QPointF(x, 9), QPointF(x, kHeight - 9));
    p.setPen(QPen(QColor(255, 255, 255, 30), 1));
    p.drawLine(QPointF(x + 1, 9), QPointF(x + 1, kHeight - 9));
  }

  // Maker label: a mark and the names.
  {
    QPainterPath mark;
    mark.moveTo(10, 20);
    mark.lineTo(14, 20);
    mark.lineTo(19, 26);
    mark.lineTo(14, 32);
    mark.lineTo(10, 32);
    mark.lineTo(15, 26);
    mark.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 122, 30));
    p.drawPath(mark);
    p.setBrush(QColor(236, 122, 30, 150));
    p.drawPath(mark.translated(6, 0));
    Print(p, QRectF(27, 17, 64, 18), "Korvane", 14, Qt::AlignLeft | Qt::AlignVCenter, QColor(238, 240, 242));
    Print(p, QRectF(10, 40, 80, 14), "MS-2416X", 12, Qt::AlignLeft | Qt::AlignVCenter, QColor(200, 205, 211));
    Print(p, QRectF(10, 56, 80, 9), "Managed Switch", 7, Qt::AlignLeft | Qt::AlignVCenter, kLabelDim, false);
    Print(p, QRectF(10, 65, 80, 9), "24-Port Gigabit", 7, Qt::AlignLeft | Qt::AlignVCenter, kLabelDim, false);
  }

  // LED windows, then their captions.
  for (const QRect &w : windows_) Recess(p, Around(w, 1, 1), 1, QColor(8, 9, 10));
  const struct { QRect leds; const char *text; } status[] = {
      {PowerLeds, "POWER"}, {ConsoleLeds, "CONSOLE"}, {RpsLeds, "RPS"}};
  for (const auto &s : status)
    Print(p, QRectF(s.leds.right() + 4, s.leds.top() - 1, 40, s.leds.height() + 2), s.text, 7,
          Qt::AlignLeft | Qt::AlignVCenter);
  for (int i = 0; i < 12; ++i) {
    const double cx = OddSpeedLeds.left() + 2 + 11 * i + 3;
    Print(p, QRectF(cx - 7, 10, 14, 9), QString::number(2 * i + 1), 7);
    Print(p, QRectF(cx - 7, 46.5, 14, 9), QString::number(2 * i + 2), 7);
  }
  const struct { QRect leds; const char *text; } strips[] = {
      {OddSpeedLeds, "SPEED"}, {OddLinkLeds, "LINK/ACT"}, {EvenSpeedLeds, "SPEED"}, {EvenLinkLeds, "LINK/ACT"}};
  for (const auto &s : strips)
    Print(p, QRectF(s.leds.right() + 3, s.leds.top() - 2, 40, s.leds.height() + 4), s.text, 7,
          Qt::AlignLeft | Qt::AlignVCenter, kLabelDim);

  // The two blocks of copper ports in their bays, numbered above and below.
  for (int block = 0; block < 2; ++block) {
    const QRect first = CopperPort(1 + 12 * block), last = CopperPort(12 + 12 * block);
    const QRectF bay = QRectF(first.united(last)).adjusted(-4, -3, 4, 3);
    Recess(p, bay, 2, QColor(20, 21, 24));
    for (int n = 1 + 12 * block; n <= 12 + 12 * block; ++n) {
      const QRect port = CopperPort(n);
      const double y = n % 2 ? bay.top() - 10 : bay.bottom() + 1;
      Print(p, QRectF(port.left() - 2, y, port.width() + 4, 9), QString::number(n), 7);
    }
  }
  Print(p, QRectF(CopperPort(1).left(), 81, CopperPort(24).right() - CopperPort(1).left(), 8),
        "10/100/1000BASE-T", 6, Qt::AlignCenter, kLabelDim);

  // Combo ports: the fibre LEDs over the SFP cages, framed and numbered.
  const QRectF combo = QRectF(ComboPort(1).united(ComboPort(4))).adjusted(-5, -24, 5, 4);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 40), 1));
  p.drawRoundedRect(combo.adjusted(0.5, 0.5, 0.5, 0.5), 3, 3);
  p.setPen(QPen(QColor(0, 0, 0, 120), 1));
  p.drawRoundedRect(combo.adjusted(-0.5, -0.5, -0.5, -0.5), 3, 3);
  Print(p, QRectF(combo.left(), combo.top() - 11, combo.width(), 9), "COMBO SFP 1000BASE-X", 6, Qt::AlignCenter,
        kLabelDim);
  for (int n = 1; n <= 4; ++n) {
    const QRect led = ComboLeds(n), port = ComboPort(n);
    Recess(p, QRectF(port).adjusted(-1.5, -1, 1.5, 1.5), 1.5, QColor(14, 15, 17));
    Print(p, QRectF(led.center().x() - 8, led.top() - 12, 16, 9), QString::number(20 + n), 7);
  }
}

// ---- the port buttons ----

KvPortButton::KvPortButton(QWidget *parent, Kind kind) : QAbstractButton(parent), kind_(kind) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
}

KvFrontVeil::KvFrontVeil(QWidget *parent, const QString &text) : QWidget(parent), text_(text) {
  setAttribute(Qt::WA_TranslucentBackground);
  setToolTip(text);
}

void KvFrontVeil::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), QColor(24, 26, 28, 190));
  // The line on a band of its own, so that it reads over the jacks and LEDs.
  const QRectF band(0, height() / 2.0 - 11, width(), 22);
  p.fillRect(band, QColor(12, 13, 14, 215));
  const QFont font = PrintFont(12);
  const QString line = QFontMetrics(font).elidedText(text_, Qt::ElideRight, width() - 24);
  Print(p, band.adjusted(12, 0, -12, 0), line, 12, Qt::AlignCenter, kLabel);
}

void KvFrontVeil::mousePressEvent(QMouseEvent *event) { event->accept(); }
void KvFrontVeil::mouseDoubleClickEvent(QMouseEvent *event) { event->accept(); }

void KvPortButton::SetDown(bool down) {
  if (down_ == down) return;
  down_ = down;
  update();
}

void KvPortButton::mouseDoubleClickEvent(QMouseEvent *event) {
  if (event->button() != Qt::LeftButton) return;
  event->accept();
  emit doubleClicked();
}

void KvPortButton::enterEvent(QEnterEvent *) {
  hover_ = true;
  update();
}

void KvPortButton::leaveEvent(QEvent *) {
  hover_ = false;
  update();
}

void KvPortButton::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  const bool pressed = down_ || isDown();

  // Metal shield (jack) or cage (SFP).
  QLinearGradient metal(0, 0, 0, height());
  const int lift = hover_ ? 18 : 0;
  metal.setColorAt(0, QColor(196 + lift / 2, 200 + lift / 2, 205 + lift / 2));
  metal.setColorAt(0.5, QColor(142 + lift, 147 + lift, 153 + lift));
  metal.setColorAt(1, QColor(98 + lift, 102 + lift, 108 + lift));
  p.setPen(QPen(QColor(24, 25, 27), 1));
  p.setBrush(metal);
  p.drawRoundedRect(r, 1.5, 1.5);

  p.setPen(Qt::NoPen);
  if (kind_ == SfpCage) {
    // The cage's grounding tabs and the dark mouth of the slot.
    p.setBrush(QColor(70, 74, 79));
    for (double x : {5.0, 10.0, 15.0}) p.drawRect(QRectF(x, 2, 2, 2));
    p.setBrush(QColor(6, 6, 7));
    p.drawRoundedRect(QRectF(3, 6, width() - 6, height() - 10), 1, 1);
    p.setBrush(QColor(60, 62, 66));
    p.drawRect(QRectF(5, height() - 6.5, width() - 10, 1.5));  // the guide rail inside
  } else {
    // The RJ-45 mouth: a wide body and the latch slot, contacts on the far side.
    const bool up = kind_ == JackLatchUp;
    const double w = width(), h = height();
    const QRectF body(2.5, up ? 6 : 2.5, w - 5, h - 8.5);
    const QRectF latch((w - 9) / 2, up ? 2.5 : h - 6, 9, 3.5);
    QPainterPath mouth;
    mouth.setFillRule(Qt::WindingFill);
    mouth.addRoundedRect(body, 0.8, 0.8);
    mouth.addRect(latch);
    p.setBrush(QColor(7, 7, 8));
    p.drawPath(mouth);
    p.setBrush(QColor(205, 165, 72));  // gold contacts
    const double cy = up ? body.bottom() - 3.2 : body.top() + 0.7;
    for (int i = 0; i < 8; ++i) p.drawRect(QRectF(body.left() + 2.2 + i * 2.0, cy, 0.9, 2.5));
  }

  if (pressed) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kSelected, 1.6));
    p.drawRoundedRect(r.adjusted(0.4, 0.4, -0.4, -0.4), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(79, 195, 247, 45));
    p.drawRoundedRect(r, 1.5, 1.5);
  }
}
