#include "feature_windows.h"

#include "kv_mib_catalogue.h"
#include "kv_text.h"
#include "main_form.h"
#include "port_control_form.h"
#include "port_mirror_form.h"
#include "port_trunk_form.h"
#include "ethernet_information_rule_form.h"
#include "ip_rule_form.h"
#include "user_defined_information_rule_form.h"

namespace {

void OpenPortControl(TMainForm &mainForm) { TfrmPortControl::Execute(&mainForm, mainForm.AddressText); }
void OpenPortTrunk(TMainForm &mainForm) { TPortTrunkForm::Execute(&mainForm, mainForm.AddressText, RuntimeVersion); }
void OpenPortMirror(TMainForm &mainForm) { TPortMirrorForm::Execute(&mainForm, mainForm.AddressText); }
void OpenEthernetRule(TMainForm &mainForm) { TEthernetInformationRuleForm::Execute(&mainForm); }
void OpenIpRule(TMainForm &mainForm) { TIPRuleForm::Execute(&mainForm); }
void OpenPayloadRule(TMainForm &mainForm) { TUserDefinedInformationRuleForm::Execute(&mainForm); }

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
    {"F12", nullptr},  // THistoryForm: "Please enable RMON first!" when it has no entries
    {"F14", nullptr},  // TEthernetMaskInformationForm
    {"F15", OpenEthernetRule},  // TEthernetInformationRuleForm
    {"F16", nullptr},  // TIPMaskInformationForm
    {"F17", OpenIpRule},        // TIPRuleForm
    {"F18", nullptr},  // TUserMaskInfoForm
    {"F19", OpenPayloadRule},   // TUserDefinedInformationRuleForm
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
