#include "feature_windows.h"


#include "config_snapshot_form.h"
#include "dot3_stats_form.h"
#include "ethernet_information_rule_form.h"
#include "ethernet_mask_information_form.h"
#include "history_form.h"
#include "if_x_entry.h"
#include "ip_mask_information_form.h"
#include "ip_rule_form.h"
#include "journal_form.h"
#include "kv_text.h"
#include "last_change_form.h"
#include "main_form.h"
#include "pbridge_config_form.h"
#include "port_control_form.h"
#include "port_mirror_form.h"
#include "port_trunk_form.h"
#include "runtime_version.h"
#include "stp_info.h"
#include "user_defined_information_rule_form.h"
#include "user_mask_info_form.h"
#include "vlan_8021d_priority_form.h"
#include "vlan_general_info_form.h"
#include "vlan_port_infomation_form.h"
#include "window_layout.h"

namespace {

void OpenPortControl(TMainForm &mainForm) { ShowFeatureWindow<TfrmPortControl>(&mainForm, mainForm.AddressText); }
void OpenPortTrunk(TMainForm &mainForm) { ShowFeatureWindow<TPortTrunkForm>(&mainForm, mainForm.AddressText, RuntimeVersion); }
void OpenPortMirror(TMainForm &mainForm) { ShowFeatureWindow<TPortMirrorForm>(&mainForm, mainForm.AddressText); }
void OpenEthernetRule(TMainForm &mainForm) { ShowFeatureWindow<TEthernetInformationRuleForm>(&mainForm); }
void OpenIpRule(TMainForm &mainForm) { ShowFeatureWindow<TIPRuleForm>(&mainForm); }
void OpenPayloadRule(TMainForm &mainForm) { ShowFeatureWindow<TUserDefinedInformationRuleForm>(&mainForm); }
void OpenConfigSnapshot(TMainForm &mainForm) { ShowFeatureWindow<TConfigSnapshotForm>(&mainForm, mainForm.AddressText); }
void OpenJournal(TMainForm &mainForm) { ShowFeatureWindow<TJournalForm>(&mainForm, SNMPSettings); }
void UndoLastChange(TMainForm &mainForm) { TJournalForm::UndoLastChange(&mainForm, SNMPSettings); }
void OpenF4(TMainForm &m) { OpenLastChangeForm(&m, m.AddressText); }
void OpenF5(TMainForm &m) { OpenIfXEntry(&m, m.AddressText); }
void OpenF6(TMainForm &m) { OpenDot3StatsForm(&m, m.AddressText); }
void OpenF7(TMainForm &m) {
  OpenSpanningTreeInformation(&m, RuntimeVersion, m.AddressText,
                              [&m](const std::string &argument) { m.LaunchModule(argument); });
}
void OpenF8(TMainForm &m) { OpenPBridgeConfigForm(&m, m.AddressText); }
void OpenF9(TMainForm &m) { OpenVLan8021dPriorityForm(&m, CurrentWindowTitle, m.AddressText); }
void OpenF10(TMainForm &m) { OpenVLanGeneralInfoForm(&m, m.AddressText); }
void OpenF11(TMainForm &m) { OpenVLanPortInfomationForm(&m); }
void OpenF12(TMainForm &m) { THistoryForm::Execute(&m, m.AddressText); }
void OpenF14(TMainForm &m) { ShowFeatureWindow<TEthernetMaskInformationForm>(&m, m.AddressText); }
void OpenF16(TMainForm &m) { ShowFeatureWindow<TIPMaskInformationForm>(&m, m.AddressText); }
void OpenF18(TMainForm &m) { ShowFeatureWindow<TUserMaskInfoForm>(&m, m.AddressText); }

struct FeatureWindow {
  const char *Key;
  KvFeatureOpener Open;  // null: not available in this version
};

// One line per feature entry: plug a window in by naming its opener here.
const FeatureWindow kFeatureWindows[] = {
    {"F1", OpenPortControl},  // TfrmPortControl: caption "Port Control Table : " + address
    {"F2", OpenPortTrunk},    // TPortTrunkForm
    {"F3", OpenPortMirror},   // TPortMirrorForm
    {"F4", OpenF4},  // TLastChangeForm
    {"F5", OpenF5},  // TifXEntry
    {"F6", OpenF6},  // Tdot3StatsForm
    {"F7", OpenF7},  // TSTP_Info (only for "Build 2.03"; other versions start the companion)
    {"F8", OpenF8},  // TPBridgeConfigForm
    {"F9", OpenF9},  // TVLan8021dPriorityForm: caption CurrentWindowTitle + " : " + address
    {"F10", OpenF10},  // TVLanGeneralInfoForm
    {"F11", OpenF11},  // TVLanPortInfomationForm
    {"F12", OpenF12},  // THistoryForm: "Please enable RMON first!" when it has no entries
    {"F14", OpenF14},           // TEthernetMaskInformationForm
    {"F15", OpenEthernetRule},  // TEthernetInformationRuleForm
    {"F16", OpenF16},           // TIPMaskInformationForm
    {"F17", OpenIpRule},        // TIPRuleForm
    {"F18", OpenF18},           // TUserMaskInfoForm
    {"F19", OpenPayloadRule},   // TUserDefinedInformationRuleForm
    {"F20", OpenConfigSnapshot},  // TConfigSnapshotForm
    {"F21", OpenJournal},         // TJournalForm
    {"F22", UndoLastChange},      // asks, then takes the last change back
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
