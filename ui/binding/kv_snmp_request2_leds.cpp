#include "kv_snmp_request2_leds.h"

#include "kv_exception.h"
#include "kv_num_list.h"
#include "kv_option_list.h"
#include "kv_shape.h"
#include "kv_value_conversion.h"

#include <QFrame>
#include <QTimer>

KvSNMPRequest2Leds::KvSNMPRequest2Leds(QWidget *owner) : KvSNMPRequest2Controls(owner) {
  PollTimer = new QTimer(owner);
  BlinkTimer = new QTimer(owner);
  // The timers' connections end with the timers, which the destructor deletes.
  QObject::connect(PollTimer, &QTimer::timeout, PollTimer, [this] { PollTimerTimer(); });
  QObject::connect(BlinkTimer, &QTimer::timeout, BlinkTimer, [this] { BlinkTimerTimer(); });
  // It runs only while an LED blinks (Paint starts and stops it): an idle panel costs nothing.
  BlinkTimer->setInterval(kBlinkIntervalMs);
}

KvSNMPRequest2Leds::~KvSNMPRequest2Leds() {
  StopPolling();
  delete PollTimer.data();
  delete BlinkTimer.data();
}

void KvSNMPRequest2Leds::PaintShape(const sLedCtrl &led, int color) {
  if (!led.Shape) return;
  led.Shape->SetBrushColor(color);
  led.Shape->SetPenColor(color);
  if (led.Shape->isHidden()) led.Shape->show();
}

void KvSNMPRequest2Leds::AddLed(int itemIndex, int byteIndex, const KvSNMPLedColorMapList &colorMap,
                                KvShape *shape) {
  auto led = std::make_unique<sLedCtrl>();
  led->ItemIndex = itemIndex;
  led->ByteIndex = byteIndex;
  led->ColorMap = &colorMap;
  led->Shape = shape;
  led->Color = colorMap.OffColor;
  PaintShape(*led, led->Color);
  Leds.push_back(std::move(led));
}

void KvSNMPRequest2Leds::AddLedGroup(int itemIndex, const std::string &byteList,
                                     const KvSNMPLedColorMapList &colorMap, QWidget *panel, int left, int gap,
                                     int shapeKind, int width, int height) {
  KvNumList<int> bytes(',');
  bytes.Parse(byteList);
  for (int i = 0; i < bytes.GetCount(); ++i) {
    auto *shape = new KvShape(panel, shapeKind);
    shape->setGeometry(left + i * (gap + width), 1, width, height);
    AddLed(itemIndex, bytes.Values[i], colorMap, shape);
  }
  if (auto *frame = qobject_cast<QFrame *>(panel)) frame->setFrameShape(QFrame::NoFrame);
}

void KvSNMPRequest2Leds::StartPolling(int period) {
  if (PollTimer) {
    PollTimer->setInterval(period * 10);
    PollTimer->start();
  }
  try {
    Refresh();
  } catch (...) {
    ResetLeds();
    throw;
  }
}

void KvSNMPRequest2Leds::StopPolling() {
  if (PollTimer) PollTimer->stop();
  if (BlinkTimer) BlinkTimer->stop();
  ResetLeds();
}

void KvSNMPRequest2Leds::ResetLeds() {
  for (const auto &led : Leds) {
    led->Blinking = false;
    led->Color = led->ColorMap->OffColor;
    PaintShape(*led, led->Color);
  }
}

void KvSNMPRequest2Leds::PollTimerTimer() {
  try {
    Refresh();
  } catch (const std::exception &e) {
    ResetLeds();
    ShowStatus(e.what());
  }
}

void KvSNMPRequest2Leds::BlinkTimerTimer() { Paint(); }

void KvSNMPRequest2Leds::ShowRow() {
  BlinkCount = 0;
  try {
    for (const auto &led : Leds) UpdateLed(*led);
  } catch (...) {
    // A value that cannot be read is a failed poll.
    ResetLeds();
    throw;
  }
  Paint();
}

void KvSNMPRequest2Leds::UpdateLed(sLedCtrl &led) {
  const KvSNMPVarList &list = Request.VarList;
  if (led.ItemIndex < 0 || led.ItemIndex >= list.GetCount()) RaiseLibrary(LibraryMsg::AssocIndexOutOfRange);
  const KvSNMPVarItem *item = list.GetItem(led.ItemIndex);
  const std::string text = item->Options ? item->Options->LabelToValue(item->Value) : item->Value;
  const std::string raw = TextToRaw(text, item->Syntax);
  const KvSNMPLedColorMapList &map = *led.ColorMap;
  if (led.ByteIndex >= 0 && static_cast<size_t>(led.ByteIndex) < raw.size()) {
    const auto b = static_cast<std::uint8_t>(raw[static_cast<size_t>(led.ByteIndex)]);
    led.Color = map.ColorOf(static_cast<std::uint8_t>(b & map.ValueMask));
    led.Blinking = (b & map.BlinkMask) != 0;
    return;
  }
  if (map.MissingColor == -1) RaiseLibrary(LibraryMsg::AssocIndexOutOfRange);
  led.Color = map.MissingColor;
  led.Blinking = false;
}

void KvSNMPRequest2Leds::Paint() {
  bool anyBlinking = false;
  for (const auto &led : Leds) {
    const int off = led->ColorMap->OffColor;
    if (led->Blinking) {
      anyBlinking = true;
      const bool dark = led->Shape && led->Shape->BrushColor() == off;
      PaintShape(*led, dark || BlinkCount > BlinkLimit ? led->Color : off);
    } else {
      PaintShape(*led, led->Color);
    }
  }
  if (anyBlinking) ++BlinkCount;
  // Past the limit the blinking LEDs stay lit until the next answer starts them over.
  if (BlinkTimer) {
    if (!anyBlinking || BlinkCount > BlinkLimit + 1) BlinkTimer->stop();
    else if (!BlinkTimer->isActive()) BlinkTimer->start();
  }
}

void KvSNMPRequest2Leds::GetFailed(const KvSNMPError &error) {
  ResetLeds();
  LastOperation = GetOperation;
  ShowStatus(error.Message);
}

void KvSNMPRequest2Leds::ReportFailure(const std::string &message) { ShowStatus(message); }
