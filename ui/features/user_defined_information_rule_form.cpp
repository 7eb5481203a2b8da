#include "user_defined_information_rule_form.h"

#include "kv_mib_acl_set.h"

const AclRuleLayout &TUserDefinedInformationRuleForm::Layout() {
  static const AclRuleLayout layout{
      "User Defined Information Rule", {657, 440}, 144, AclPktContRuleDefs,
      {{"ProfileIDEdit", "%i{n1x255}", "", "Profile ID"},
       {"AccessIDEdit", "%i{n1x255}", "", "Access ID"},
       {"OffsetGroupFirstEdit", "%s{l32}", "cbxGroupFirst", "Packet(s) Offset [0 to 15]"},
       {"OffsetGroupSecondEdit", "%s{l32}", "cbxGroupSecond", "Packet(s) Offset [16 to 31]"},
       {"OffsetGroupThirdEdit", "%s{l32}", "cbxGroupThird", "Packet(s) Offset [32 to 47]"},
       {"OffsetGroupForthEdit", "%s{l32}", "cbxGroupForth", "Packet(s) Offset [48 to 63]"},
       {"OffsetGroupFifthEdit", "%s{l32}", "cbxGroupFifth", "Packet(s) Offset [64 to 79]"},
       {"EnablePriComboBox", "", "cbxEnablePriority", "Enable Priority"},
       {"PriorityEdit", "%i{n0x7l1}", "cbxPriority", "Priority"},
       {"ReplPriyComboBox", "", "cbxReplace", "Replace Priority"},
       {"EnableReplComboBox", "", "cbxEnableReplace", "Enable Replace DSCP"},
       {"ReplDSCPEdit", "%i{n0x63l2}", "cbxReplaceDscp", "Replace DSCP"},
       {"PermitComboBox", "", "cbxPermit", "Permit"},
       {"RowComboBox", "", "cbxRow", "Row Status"}},
      "CheckButton", "UncheckButton", "Profile ID must be set.", "Access ID must be set.",
      "There is already a record with the same Profile ID and Access ID. Please modified eithor of them.",
      {7, 8, 9, 10, 11}, false, -1};
  return layout;
}

TUserDefinedInformationRuleForm::TUserDefinedInformationRuleForm(QWidget *owner) : TAclRuleForm(owner, Layout()) {}

