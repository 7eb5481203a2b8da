#pragma once
// The LED binding: a binding whose variable list holds LED status values and whose
// controls are shapes, one per LED, each tied to one byte of a value. A colour map turns
// the byte into a colour and tells whether the LED blinks. A poll timer refreshes the
// values; a blink timer (60 ms, running only while an LED blinks) repaints blinking LEDs,
// dark and lit in turn for the first ticks after each answer, then lit steadily until the
// next one.
//
// A failed poll (time-out, SNMP error, a value that cannot be read) turns every LED dark
// and writes the message to the status output; polling goes on.

#include "kv_snmp_led_color_map_list.h"
#include "kv_snmp_request2_controls.h"

#include <QPointer>

#include <memory>
#include <string>
#include <vector>

class KvShape;
class QTimer;
class QWidget;

struct sLedCtrl {
  int ItemIndex = 0;
  int ByteIndex = 0;
  const KvSNMPLedColorMapList *ColorMap = nullptr;  // shared, not owned
  QPointer<KvShape> Shape;                          // the window's
  bool Blinking = false;
  int Color = 0;
};

class KvSNMPRequest2Leds : public KvSNMPRequest2Controls {
public:
  explicit KvSNMPRequest2Leds(QWidget *owner);
  ~KvSNMPRequest2Leds() override;

  void AddLed(int itemIndex, int byteIndex, const KvSNMPLedColorMapList &colorMap, KvShape *shape);
  // One rectangle-or-other shape per entry of the comma-separated byte list, placed on
  // `panel` left to right from `left`, `gap` pixels apart, at top 1.
  void AddLedGroup(int itemIndex, const std::string &byteList, const KvSNMPLedColorMapList &colorMap,
                   QWidget *panel, int left, int gap, int shapeKind, int width, int height);

  // Polls every `period` hundredths of a second, the first time at once. A failure of
  // that first poll turns the LEDs dark and is raised again.
  void StartPolling(int period);
  void StopPolling();
  void ResetLeds();
  void Paint();

  void ShowRow() override;
  void GetFailed(const KvSNMPError &error) override;
  virtual void UpdateLed(sLedCtrl &led);

  // The timers' handlers; tests drive them directly instead of waiting.
  void PollTimerTimer();
  void BlinkTimerTimer();

  std::vector<std::unique_ptr<sLedCtrl>> Leds;
  QPointer<QTimer> PollTimer;
  QPointer<QTimer> BlinkTimer;
  int BlinkLimit = 6;
  int BlinkCount = 0;

  static constexpr int kBlinkIntervalMs = 60;

protected:
  // Only ever the status output: a poll every few seconds never brings a message box.
  void ReportFailure(const std::string &message) override;

private:
  static void PaintShape(const sLedCtrl &led, int color);
};
