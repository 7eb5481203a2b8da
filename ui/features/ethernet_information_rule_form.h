#pragma once
// The rules of the Ethernet ACL profiles: VLAN, MAC addresses, 802.1p, Ethernet type, priority.
//
//   TEthernetInformationRuleForm::Execute(owner);

#include "acl_rule_form.h"

class TEthernetInformationRuleForm : public TAclRuleForm {
  Q_OBJECT
public:
  explicit TEthernetInformationRuleForm(QWidget *owner);
  // Opens the window modally and destroys it when it closes.
  static void Execute(QWidget *owner);
  static const AclRuleLayout &Layout();
};
