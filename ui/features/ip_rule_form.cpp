#include "ip_rule_form.h"

#include "kv_mib_acl_set.h"

const AclRuleLayout &TIPRuleForm::Layout() {
  static const AclRuleLayout layout{
      "IP Rule", {795, 450}, 160, AclIpRuleDefs,
      {{"IPRuleEdit", "%i{n1x255}", "", "IP Rule ID"},
       {"AccessIDEdit", "%i{n1x255}", "", "IP Rule Access ID"},
       {"ApplyVlanEdit", "%s{l32}", "cbxVlan", "Apply Vlan"},
       {"SourceIPEdit", "%s{l16}", "cbxSourceIP", "Source IP Address"},
       {"DestIPEdit", "%s{l16}", "cbxDestIP", "Destination IP address"},
       {"DSCPEdit", "%i{n0x63l2}", "cbxDscp", "DSCP"},
       {"ProtocolComboBox", "", "cbxProtocol", "Rule Protocol"},
       {"RuleTypeEdit", "%i{n0x255l3}", "cbxType", "Rule Type"},
       {"RuleCodeEdit", "%i{n0x255l3}", "cbxRuleCode", "Rule Code"},
       {"SourcePortEdit", "%i{n1x65535l5}", "cbxSourcePort", "Source Port"},
       {"DestPortEdit", "%i{n1x65535l5}", "cbxDestPort", "Destination Port"},
       {"FlagEdit", "%i{n0x63l2}", "cbxFBs", "Flag Bits"},
       {"ProtocolIDEdit", "%i{n0x255l3}", "cbxProtocolID", "Protocol ID"},
       {"UserMaskEdit", "%s{l8}", "cbxUserMask", "User Mask"},
       {"EnableReplComboBox", "", "cbxEnableReplaceDscp", "Enable Replace DSCP"},
       {"DSCPValueEdit", "%i{n0x63l2}", "cbxValue", "Replace DSCP"},
       {"PermitComboBox", "", "cbxPermit", "Permit"},
       {"RowComboBox", "", "cbxRow", "Row Status"}},
      "CheckButton", "UncheckButton", "IP Rule ID must be set.", "IP Rule Access ID must be set.",
      "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.",
      {14, 15}, true, 6};
  return layout;
}

TIPRuleForm::TIPRuleForm(QWidget *owner) : TAclRuleForm(owner, Layout()) {}

