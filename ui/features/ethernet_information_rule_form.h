#pragma once
// The rules of the Ethernet ACL profiles: VLAN, MAC addresses, 802.1p, Ethernet type, priority.
//
//   ShowFeatureWindow<TEthernetInformationRuleForm>(owner);   // window_layout.h

#include "acl_rule_form.h"

class TEthernetInformationRuleForm : public TAclRuleForm {
  Q_OBJECT
public:
  explicit TEthernetInformationRuleForm(QWidget *owner);
  static const AclRuleLayout &Layout();
};
