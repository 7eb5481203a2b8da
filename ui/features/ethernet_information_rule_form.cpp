#include "ethernet_information_rule_form.h"

#include "kv_mib_acl_set.h"

const AclRuleLayout &TEthernetInformationRuleForm::Layout() {
  static const AclRuleLayout layout{
      "Ethernet Information Rule", {704, 496}, 208, AclEthernetRuleDefs,
      {{"MaskIDEdit", "%i{n1x255}", "", "Mask ID"},
       {"AccessEdit", "%i{n1x255}", "", "Access ID"},
       {"VlanRuleEdit", "%s{l32}", "cbxVlan", "Vlan Rule"},
       {"SourceMACEdit", "%s{l12}", "cbxSource", "Source MAC Address Rule"},
       {"DestMACEdit", "%s{l12}", "cbxDestination", "Destination MAC Address Rule"},
       {"IEEE8021pEdit", "%i{n0x7}", "cbxIEEE802dot1P", "8021P Rule"},
       {"EthTypeEdit", "%s{l4}", "cbxEtherType", "Ethernet Type Rule"},
       {"EnablePriorityComboBox", "", "cbxEnablePriority", "Enable Priority Rule"},
       {"PriorityEdit", "%i{n0x7}", "cbxPriority", "Priority Rule"},
       {"ReplacePriorityComboBox", "", "cbxReplacePriority", "Replace Priority Rule"},
       {"PermitComboBox", "", "cbxPermit", "Permit"},
       {"RowComboBox", "", "cbxRow", "Row Status Rule"}},
      "AddCheckButton", "CleanCheButton", "Mask ID must be set.", "Access ID must be set.",
      "Has already a record with the same Mask ID and Access ID. Please change eithor of them.",
      {7, 8, 9}, true, -1};
  return layout;
}

TEthernetInformationRuleForm::TEthernetInformationRuleForm(QWidget *owner) : TAclRuleForm(owner, Layout()) {}

