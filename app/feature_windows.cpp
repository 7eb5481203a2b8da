#include "feature_windows.h"

#include "history_form.h"
#include "kv_mib_catalogue.h"
#include "kv_text.h"
#include "main_form.h"
#include "port_control_form.h"
#include "port_mirror_form.h"
#include "port_trunk_form.h"

namespace {

void OpenPortControl(TMainForm &mainForm) { TfrmPortControl::Execute(&mainForm, mainForm.AddressText); }
void OpenPortTrunk(TMainForm &mainForm) { TPortTrunkForm::Execute(&mainForm, mainForm.AddressText, RuntimeVersion); }
void OpenPortMirror(TMainForm &mainForm) { TPortMirrorForm::Execute(&mainForm, mainForm.AddressText); }
void OpenHistory(TMainForm &mainForm) { THistoryForm::Execute(&mainForm, mainForm.AddressText); }

struct FeatureWindow {
  const char *Key;
  KvFeatureOpener Open;  // null: not available in this version
};

// One line per feature entry: plug a window in by naming its opener here.
const FeatureWindow kFeatureWindows[] = {
    {"F1", OpenPortControl},  // TfrmPortControl: caption "Port Control Table : " + address, frmPortControl while shown
    {"F2", OpenPortTrunk},    // TPortTrunkForm
    {"F3", OpenPortMirror},   // TPortMirrorForm
    {"F4", nullptr},   // TLastChangeForm
    {"F5", nullptr},   // TifXEntry
    {"F6", nullptr},   // Tdot3StatsForm
    {"F7", nullptr},   // TSTP_Info (only for "Build 2.03"; other versions start the companion)
    {"F8", nullptr},   // TPBridgeConfigForm
    {"F9", nullptr},   // TVLan8021dPriorityForm: caption CurrentWindowTitle + " : " + address
    {"F10", nullptr},  // TVLanGeneralInfoForm
    {"F11", nullptr},  // TVLanPortInfomationForm
    {"F12", OpenHistory},  // THistoryForm: "Please enable RMON first!" when it has no entries
    {"F14", nullptr},  // TEthernetMaskInformationForm
    {"F15", nullptr},  // TEthernetInformationRuleForm
    {"F16", nullptr},  // TIPMaskInformationForm
    {"F17", nullptr},  // TIPRuleForm
    {"F18", nullptr},  // TUserMaskInfoForm
    {"F19", nullptr},  // TUserDefinedInformationRuleForm
};

}  // namespace

KvFeatureOpener FeatureOpener(const std::string &key) {
  for (const FeatureWindow &w : kFeatureWindows)
    if (key == w.Key) return w.Open;
  return nullptr;
}

std::string FeatureNotAvailableText(const std::string &caption) {
  return "\"" + Trim(caption) + "\" is not available in this version.";
}
