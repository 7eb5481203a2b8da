#pragma once
// The rules of the IP ACL profiles: VLAN, addresses, DSCP, the protocol's fields, DSCP rewriting.
//
//   ShowFeatureWindow<TIPRuleForm>(owner);   // window_layout.h

#include "acl_rule_form.h"

class TIPRuleForm : public TAclRuleForm {
  Q_OBJECT
public:
  explicit TIPRuleForm(QWidget *owner);
  static const AclRuleLayout &Layout();
};
