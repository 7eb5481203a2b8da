#include "panel_form.h"

#include "config_form.h"
#include "edits_panel.h"
#include "front_picture.h"
#include "kv_controls.h"
#include "kv_exception.h"
#include "kv_mib_core_set.h"
#include "kv_shape.h"
#include "kv_snmp_request2_edits.h"
#include "kv_snmp_request2_leds.h"
#include "kv_status_bar.h"
#include "kv_widget_tag.h"
#include "snmp_editor_panel.h"

#include <QFrame>
#include <QPainter>

int SelectedPort = 1;
std::string ModelObjectId = "1.3.6.1.4.1.171.10.43.2";

namespace {
constexpr int kLedTimeout = 200;     // hundredths of a second per try
constexpr int kPollPeriod = 500;     // hundredths of a second
constexpr int kNoSuchName = -102;    // the agent has no such object
constexpr int kPortWindowEditWidth = 200;
constexpr const char *kNullConversion = "'(NULL)' is not a valid integer value";

std::string ColourName(int colour) {
  switch (colour) {
    case KvRgb(0, 255, 0): return "green";
    case KvRgb(255, 128, 0): return "orange";
    case KvRgb(0, 0, 255): return "blue";
    case KvRgb(255, 0, 0): return "red";
    case KvRgb(255, 255, 255): return "unlit";
    case KvRgb(0, 0, 0): return "dark";
    default: {
      char hex[8];
      std::snprintf(hex, sizeof hex, "#%02x%02x%02x", colour & 0xff, (colour >> 8) & 0xff, (colour >> 16) & 0xff);
      return hex;
    }
  }
}

enum class LedRole { Link, Speed, Fibre };

// "green, blinking (link at 1000 Mbps, traffic)"
std::string DescribeLed(const sLedCtrl &led, LedRole role) {
  std::string meaning;
  const bool green = led.Color == KvRgb(0, 255, 0), unlit = led.Color == KvRgb(255, 255, 255);
  if (role == LedRole::Link) {
    if (green) meaning = "link at 1000 Mbps";
    else if (led.Color == KvRgb(255, 128, 0)) meaning = "link at 10/100 Mbps";
    else if (unlit) meaning = "no link";
  } else if (role == LedRole::Speed) {
    if (green) meaning = "1000 Mbps";
  } else if (green) {
    meaning = "fibre link";
  }
  if (led.Blinking) meaning += meaning.empty() ? "traffic" : ", traffic";
  std::string text = ColourName(led.Color) + (led.Blinking ? ", blinking" : "");
  return meaning.empty() ? text : text + " (" + meaning + ")";
}
}  // namespace

// The LED binding of the panel: tells the panel about every poll outcome, and takes an
// LED status without any octet under SNMPv3 for what it is, an object that user may
// not read.
class TPanelForm::PanelLeds : public KvSNMPRequest2Leds {
public:
  explicit PanelLeds(TPanelForm *panel) : KvSNMPRequest2Leds(panel), panel_(panel) {}

  void ShowRow() override {
    const KvSNMPVarItem *item = Request.VarList.GetCount() > 0 ? Request.VarList.GetItem(0) : nullptr;
    if (Request.Settings.Security.Version == 3 && item && (item->Value.empty() || item->Value == "(NULL)")) {
      ResetLeds();
      panel_->LedsPolled(false);
      throw KvException(LedSetupFailureText(kNullConversion, 3), kNoSuchName);
    }
    try {
      KvSNMPRequest2Leds::ShowRow();
    } catch (...) {
      panel_->LedsPolled(false);
      throw;
    }
    panel_->LedsPolled(true);
  }

  void GetFailed(const KvSNMPError &error) override {
    KvSNMPRequest2Leds::GetFailed(error);
    panel_->LedsPolled(false);
  }

private:
  TPanelForm *panel_;
};

TPanelForm::TPanelForm(QWidget *parent, KvStatusBar *statusBar, const KvSNMPSettings &settings)
    : QWidget(parent), statusBar_(statusBar), settings_(settings) {
  setObjectName("PanelForm");
  // Painted in paintEvent: a style sheet here would restyle every LED and port below
  // it, at every start and every blink.
  setAttribute(Qt::WA_OpaquePaintEvent);

  MainPanel = new QFrame(this);
  MainPanel->setObjectName("MainPanel");
  Image1 = new KvFrontPicture(MainPanel);
  Image1->setObjectName("Image1");
  auto container = [this](const char *name) {
    auto *panel = new QFrame(MainPanel);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);  // loses its bevel with its LEDs
    return panel;
  };
  PowerLedPanel = container("PowerLedPanel");
  ConsoleLedPanel = container("ConsoleLedPanel");
  RPSLedPanel = container("RPSLedPanel");
  OddSpeedPanel = container("OddSpeedPanel");
  OddLinkPanel = container("OddLinkPanel");
  EvenSpeedPanel = container("EvenSpeedPanel");
  EvenLinkPanel = container("EvenLinkPanel");
  for (int n = 1; n <= 4; ++n)
    ComboPortPanel[n - 1] = container(("ComboPort" + std::to_string(n) + "Panel").c_str());

  for (int n = 1; n <= 24; ++n) {
    auto *button = new KvPortButton(MainPanel, n % 2 ? KvPortButton::JackLatchUp : KvPortButton::JackLatchDown);
    button->setObjectName(QString("SB_Port%1").arg(n));
    SetWidgetTag(button, n);
    connect(button, &KvPortButton::clicked, this, [this, button] { SB_Port1Click(button); });
    connect(button, &KvPortButton::doubleClicked, this, [this, button] { SB_Port1DblClick(button); });
    SB_Port[n - 1] = button;
  }
  for (int n = 1; n <= 4; ++n) {
    auto *button = new KvPortButton(MainPanel, KvPortButton::SfpCage);
    button->setObjectName(QString("SpeedButton%1").arg(n));
    SetWidgetTag(button, 20 + n);
    connect(button, &KvPortButton::clicked, this, [this, button] { SB_Port1Click(button); });
    connect(button, &KvPortButton::doubleClicked, this, [this, button] { SpeedButton1DblClick(button); });
    SpeedButton[n - 1] = button;
  }
  connect(Image1, &KvFrontPicture::clicked, this, &TPanelForm::Image1Click);
  PressedButton = nullptr;
  FormCreate();
}

void TPanelForm::paintEvent(QPaintEvent *) { QPainter(this).fillRect(rect(), QColor(84, 84, 84)); }

TPanelForm::~TPanelForm() = default;

void TPanelForm::FormCreate() {
  using namespace FrontLayout;
  // Layout.
  MainPanel->setGeometry(0, 0, KvFrontPicture::kWidth, KvFrontPicture::kHeight);
  Image1->setGeometry(MainPanel->rect());
  const std::pair<QFrame *, QRect> containers[] = {
      {PowerLedPanel, PowerLeds},         {ConsoleLedPanel, ConsoleLeds},     {RPSLedPanel, RpsLeds},
      {OddSpeedPanel, OddSpeedLeds},      {OddLinkPanel, OddLinkLeds},        {EvenSpeedPanel, EvenSpeedLeds},
      {EvenLinkPanel, EvenLinkLeds},      {ComboPortPanel[0], ComboLeds(1)},  {ComboPortPanel[1], ComboLeds(2)},
      {ComboPortPanel[2], ComboLeds(3)},  {ComboPortPanel[3], ComboLeds(4)}};
  for (const auto &[panel, r] : containers) panel->setGeometry(r);
  for (int n = 1; n <= 24; ++n) SB_Port[n - 1]->setGeometry(CopperPort(n));
  for (int n = 1; n <= 4; ++n) SpeedButton[n - 1]->setGeometry(ComboPort(n));
  setFixedSize(MainPanel->size());

  try {
    auto leds = std::make_unique<PanelLeds>(this);
    leds->Request.Settings = settings_;
    leds->Request.VarList = KvSNMPVarList(FrontPanelLedDefs, SVT_SV, 0);
    leds->Request.Settings.Timing.Timeout = kLedTimeout;
    Leds = std::move(leds);
    const struct {
      QFrame *panel;
      const char *bytes;
      const KvSNMPLedColorMapList &map;
      int left, gap, size;
    } groups[] = {
        {PowerLedPanel, "0", PortLedColors, 1, 10, 9},
        {ConsoleLedPanel, "1", PortLedColors, 1, 10, 9},
        {RPSLedPanel, "2", PortLedColors, 1, 10, 9},
        {OddLinkPanel, "3,7,11,15,19,23,27,31,35,39,43,47", PortLedColors, 2, 5, 6},
        {OddSpeedPanel, "4,8,12,16,20,24,28,32,36,40,44,48", ActivityLedColors, 2, 5, 6},
        {EvenLinkPanel, "5,9,13,17,21,25,29,33,37,41,45,49", PortLedColors, 2, 5, 6},
        {EvenSpeedPanel, "6,10,14,18,22,26,30,34,38,42,46,50", ActivityLedColors, 2, 5, 6},
        {ComboPortPanel[0], "51", PortLedColors, 1, 10, 5},
        {ComboPortPanel[1], "52", PortLedColors, 1, 10, 5},
        {ComboPortPanel[2], "53", PortLedColors, 1, 10, 5},
        {ComboPortPanel[3], "54", PortLedColors, 1, 10, 5},
    };
    for (const auto &g : groups) Leds->AddLedGroup(0, g.bytes, g.map, g.panel, g.left, g.gap, 0, g.size, g.size);

    // The front shows a window wherever an LED shows through its container.
    std::vector<QRect> windows;
    for (const auto &led : Leds->Leds) {
      const QWidget *panel = led->Shape->parentWidget();
      windows.push_back(led->Shape->geometry().intersected(panel->rect()).translated(panel->pos()));
    }
    Image1->SetLedWindows(std::move(windows));
    UpdatePortToolTips();

    Leds->StartPolling(kPollPeriod);
    if (statusBar_) Leds->SetStatusOutput(statusBar_);
  } catch (const std::exception &e) {
    ShowPanelText(LedSetupFailureText(e.what(), settings_.Security.Version));
    // Polling goes on after a failed first poll; its outcomes are reported all the same.
    if (Leds && statusBar_ && !Leds->HasStatusOutput()) Leds->SetStatusOutput(statusBar_);
  }
}

void TPanelForm::ShowOtherAgent(const std::string &line) {
  if (Leds) {
    Leds->StopPolling();
    Leds->Request.SetEnabled(false);  // a poll still on its way changes nothing
  }
  ledState_ = LedState::NotRead;
  if (!veil_) veil_ = new KvFrontVeil(MainPanel, ToQt(line));
  veil_->setGeometry(MainPanel->rect());
  veil_->raise();
  veil_->show();
}

std::string TPanelForm::LedSetupFailureText(const std::string &message, int version) {
  if (message == kNullConversion && version == 3)
    return "The OID(" + ModelObjectId + ") of the led is not accessible for the SNMP V3 user !";
  return message;
}

void TPanelForm::ShowPanelText(const std::string &text) {
  if (!statusBar_) return;
  if (statusBar_->PanelCount() > 0) statusBar_->SetPanelText(0, text);
  if (statusBar_->PanelCount() == 0 || statusBar_->SimplePanel()) statusBar_->SetSimpleText(text);
}

// ---- LEDs as the tooltips tell them ----

const sLedCtrl *TPanelForm::LedAt(int byteIndex) const {
  if (!Leds) return nullptr;
  for (const auto &led : Leds->Leds)
    if (led->ByteIndex == byteIndex) return led.get();
  return nullptr;
}

std::string TPanelForm::PortLedReport(int port, bool combo) const {
  std::string text = "Port " + std::to_string(port) + (combo ? " (combo SFP)" : "");
  if (ledState_ == LedState::NotRead) return text + "\nLEDs: not read yet";
  if (ledState_ == LedState::Failed) return text + "\nLEDs: no answer at the last poll";
  if (combo) {
    const sLedCtrl *fibre = LedAt(51 + port - 21);
    return fibre ? text + "\nSFP link: " + DescribeLed(*fibre, LedRole::Fibre) : text;
  }
  const sLedCtrl *link = LedAt(3 + 2 * (port - 1)), *speed = LedAt(4 + 2 * (port - 1));
  if (link) text += "\nLink/Act: " + DescribeLed(*link, LedRole::Link);
  if (speed) text += "\nSpeed: " + DescribeLed(*speed, LedRole::Speed);
  return text;
}

void TPanelForm::LedsPolled(bool answered) {
  ledState_ = answered ? LedState::Answered : LedState::Failed;
  UpdatePortToolTips();
}

void TPanelForm::UpdatePortToolTips() {
  for (KvPortButton *b : SB_Port) b->setToolTip(ToQt(PortLedReport(WidgetTag(b), false)));
  for (KvPortButton *b : SpeedButton) b->setToolTip(ToQt(PortLedReport(WidgetTag(b), true)));
}

// ---- ports ----

void TPanelForm::SB_Port1Click(KvPortButton *button) {
  if (PressedButton && PressedButton != button) PressedButton->SetDown(false);
  PressedButton = button;
  button->SetDown(true);
  SelectedPort = WidgetTag(button);
}

void TPanelForm::Image1Click() {
  if (PressedButton) PressedButton->SetDown(false);
}

void TPanelForm::SB_Port1DblClick(KvPortButton *) { OpenPortWindow(CopperPortCtrlDefs); }

void TPanelForm::SpeedButton1DblClick(KvPortButton *) { OpenPortWindow(ComboPortCtrlDefs); }

std::string TPanelForm::PortWindowCaption(int port) { return " Port Control( Port " + std::to_string(port) + ")"; }

void TPanelForm::OpenPortWindow(const KvSNMPVarDef *defs) {
  try {
    auto form = std::make_unique<TConfigForm>(window());
    auto binding = std::make_unique<KvSNMPRequest2Edits>(form.get());
    binding->Request.VarList = KvSNMPVarList(defs, MVT_SV, 0);
    binding->RequestMode = KvSNMPRequest2Controls::Blocking;
    binding->Request.Settings = settings_;
    binding->Request.VarList.AppendOidSuffix(std::to_string(SelectedPort));
    TSNMPEditorPanel *editor = form->SetEditorPanel(std::move(binding));
    editor->Edits->HideRow(0);
    form->SetCaption(PortWindowCaption(SelectedPort));
    editor->SetEditWidth(kPortWindowEditWidth);
    form->ShowModal();
    form.release()->DeleteWhenIdle();
  } catch (const std::exception &e) {
    ShowPanelText(e.what());
  }
}
