#pragma once
// The rules of the payload ACL profiles: the five packet offset groups, priority and DSCP rewriting.
//
//   ShowFeatureWindow<TUserDefinedInformationRuleForm>(owner);   // window_layout.h

#include "acl_rule_form.h"

class TUserDefinedInformationRuleForm : public TAclRuleForm {
  Q_OBJECT
public:
  explicit TUserDefinedInformationRuleForm(QWidget *owner);
  static const AclRuleLayout &Layout();
};
