#pragma once
// The rules of the payload ACL profiles: the five packet offset groups, priority and DSCP rewriting.
//
//   TUserDefinedInformationRuleForm::Execute(owner);

#include "acl_rule_form.h"

class TUserDefinedInformationRuleForm : public TAclRuleForm {
  Q_OBJECT
public:
  explicit TUserDefinedInformationRuleForm(QWidget *owner);
  // Opens the window modally and destroys it when it closes.
  static void Execute(QWidget *owner);
  static const AclRuleLayout &Layout();
};
