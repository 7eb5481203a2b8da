#pragma once
// The status bar of the windows: a row of panels, each with a text and a width, and a
// simple text that covers the whole bar instead of the panels. In simple-text mode the
// bar always shows the simple text; otherwise it shows whichever was written last, the
// simple text or a panel, so that no line written to the bar stays unseen.
//
// A text written to the bar repaints its line and nothing else: the lines' sizes do not
// follow their texts (a long one is cut short with an ellipsis and shown whole as the
// line's tool tip), so that the LED poll's status every few seconds lays nothing out
// again, and a long message never widens the window.

#include <QStatusBar>

#include <string>
#include <vector>

class KvStatusLine;

class KvStatusBar : public QStatusBar {
  Q_OBJECT
public:
  explicit KvStatusBar(QWidget *parent = nullptr);

  // Appends a panel of that width in pixels (0 = takes the rest); returns its index.
  int AddPanel(int width);
  int PanelCount() const { return static_cast<int>(panels_.size()); }
  // Texts are library texts. An index outside the panels is ignored (reads as "").
  void SetPanelText(int index, const std::string &text);
  std::string PanelText(int index) const;

  bool SimplePanel() const { return simple_; }
  void SetSimpleText(const std::string &text);
  std::string SimpleText() const { return simpleText_; }
  // True while the simple text covers the panels.
  bool ShowsSimpleText() const { return simple_ || simpleLast_; }
  // Whether a line of the bar on the screen holds `text` (the simple text or a panel).
  bool ShowsLine(const std::string &text) const;

private:
  void ShowMode();

  std::vector<KvStatusLine *> panels_;  // children of the bar
  KvStatusLine *simpleLabel_;
  bool simple_ = false;
  bool simpleLast_ = false;  // the simple text was written after the panels
  std::string simpleText_;
};
