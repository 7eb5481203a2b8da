#pragma once
// The front panel view: the drawn front of the switch with its live LEDs and one button
// per port over it. It polls the LED status every 5 seconds through an LED binding and
// reports through the status bar it is given. Clicking a port selects it; double-clicking
// opens the port's control window. Built by the main window inside its scroll box, but
// needs nothing of it beyond the status bar and the session settings.

#include "kv_snmp_session.h"
#include "kv_snmp_var_def.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string>

class KvFrontPicture;
class KvFrontVeil;
class KvPortButton;
class KvSNMPRequest2Leds;
class KvStatusBar;
class QFrame;
struct sLedCtrl;

// The port clicked last (1 to 24); 1 until a port button is clicked.
extern int SelectedPort;
// The switch's object identifier, as the message about unreadable LEDs names it.
extern std::string ModelObjectId;

class TPanelForm : public QWidget {
  Q_OBJECT
public:
  // Creates the window and runs FormCreate: layout, LEDs, first poll. `statusBar` (may
  // be null) gets the poll outcomes; `settings` address the switch.
  TPanelForm(QWidget *parent, KvStatusBar *statusBar, const KvSNMPSettings &settings);
  ~TPanelForm() override;

  void FormCreate();
  void SB_Port1Click(KvPortButton *button);
  void Image1Click();
  void SB_Port1DblClick(KvPortButton *button);
  void SpeedButton1DblClick(KvPortButton *button);

  // The status-bar text for a failure while the LEDs were set up.
  static std::string LedSetupFailureText(const std::string &message, int version);
  // " Port Control( Port N)"
  static std::string PortWindowCaption(int port);
  // What a port button's tooltip says: the port and its LEDs at the last poll.
  std::string PortLedReport(int port, bool combo) const;

  // The agent is not an MS-2416X: the front is drawn dimmed with `line` across it, and
  // its LEDs are no longer polled (the agent has none of them). Menus are untouched.
  void ShowOtherAgent(const std::string &line);
  KvFrontVeil *OtherAgentVeil() const { return veil_; }

  QFrame *MainPanel;
  KvFrontPicture *Image1;
  std::array<KvPortButton *, 24> SB_Port{};      // SB_Port[n - 1] is SB_Portn, Tag n
  std::array<KvPortButton *, 4> SpeedButton{};   // SpeedButton[n - 1], Tag 20 + n
  QFrame *PowerLedPanel, *ConsoleLedPanel, *RPSLedPanel;
  QFrame *OddSpeedPanel, *OddLinkPanel, *EvenSpeedPanel, *EvenLinkPanel;
  std::array<QFrame *, 4> ComboPortPanel{};
  KvPortButton *PressedButton = nullptr;
  std::unique_ptr<KvSNMPRequest2Leds> Leds;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  class PanelLeds;

  void OpenPortWindow(const KvSNMPVarDef *defs);
  // The first panel of the status bar (its simple text when it shows no panels).
  void ShowPanelText(const std::string &text);
  void LedsPolled(bool answered);
  void UpdatePortToolTips();
  const sLedCtrl *LedAt(int byteIndex) const;

  KvStatusBar *statusBar_;
  KvFrontVeil *veil_ = nullptr;
  KvSNMPSettings settings_;
  enum class LedState { NotRead, Answered, Failed } ledState_ = LedState::NotRead;
};
