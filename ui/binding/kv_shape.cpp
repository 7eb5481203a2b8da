#include "kv_shape.h"

#include <QPainter>

QColor ToQColor(int color) { return QColor(color & 0xff, (color >> 8) & 0xff, (color >> 16) & 0xff); }

KvShape::KvShape(QWidget *parent, int kind) : QWidget(parent), kind_(kind) {}

void KvShape::SetBrushColor(int color) {
  if (brush_ == color) return;
  brush_ = color;
  update();
}

void KvShape::SetPenColor(int color) {
  if (pen_ == color) return;
  pen_ = color;
  update();
}

void KvShape::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.setPen(ToQColor(pen_));
  painter.setBrush(ToQColor(brush_));
  QRect r = rect().adjusted(0, 0, -1, -1);
  if (kind_ == Square || kind_ == RoundSquare || kind_ == Circle) {
    const int side = std::min(r.width(), r.height());
    r = QRect(r.x() + (r.width() - side) / 2, r.y() + (r.height() - side) / 2, side, side);
  }
  switch (kind_) {
    case RoundRect:
    case RoundSquare: painter.drawRoundedRect(r, 25, 25, Qt::RelativeSize); break;
    case Ellipse:
    case Circle: painter.drawEllipse(r); break;
    default: painter.drawRect(r);
  }
}
