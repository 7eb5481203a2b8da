#pragma once
// A shape: a small figure filled in one colour and outlined in another, such as an LED
// of the front panel. Colours are 32-bit values with red in the low byte (KvRgb).

#include <QWidget>

class KvShape : public QWidget {
  Q_OBJECT
public:
  enum Kind { Rectangle = 0, Square, RoundRect, RoundSquare, Ellipse, Circle };

  explicit KvShape(QWidget *parent = nullptr, int kind = Rectangle);

  int ShapeKind() const { return kind_; }
  int BrushColor() const { return brush_; }
  int PenColor() const { return pen_; }
  void SetBrushColor(int color);
  void SetPenColor(int color);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  int kind_;
  int brush_ = 0xFFFFFF;
  int pen_ = 0;
};

// The Qt colour of a 32-bit colour value.
QColor ToQColor(int color);
