#pragma once
// The rules of the IP ACL profiles: VLAN, addresses, DSCP, the protocol's fields, DSCP rewriting.
//
//   TIPRuleForm::Execute(owner);

#include "acl_rule_form.h"

class TIPRuleForm : public TAclRuleForm {
  Q_OBJECT
public:
  explicit TIPRuleForm(QWidget *owner);
  // Opens the window modally and destroys it when it closes.
  static void Execute(QWidget *owner);
  static const AclRuleLayout &Layout();
};
