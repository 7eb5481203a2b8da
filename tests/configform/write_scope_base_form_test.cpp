// The write sequence every window sends through, and the base every window stands on:
// owned bindings, the caption, handlers that never let an exception out, and bindings
// drained only once no handler runs.

#include "base_form.h"
#include "config_form_fixture.h"
#include "error_code.h"
#include "kv_controls.h"
#include "kv_mib_core_set.h"
#include "kv_snmp_request2_edits.h"
#include "kv_write_scope.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace configform_test;

namespace {
class WriteScopeAndBaseForm : public SimulatedSwitch {};

std::vector<unsigned> AccessFlags(const KvSNMPVarList &list) {
  std::vector<unsigned> flags;
  for (int i = 0; i < list.GetCount(); ++i) flags.push_back(list.GetItem(i)->Access);
  return flags;
}

constexpr char kFdbVlanOid[] = "1.3.6.1.4.1.171.11.43.2.2.1.2.9.0";
}  // namespace

TEST_F(WriteScopeAndBaseForm, WriteSendsOnlyWhatIsLeftInAndGivesModeAndFlagsBackOnEveryPath) {
  TBaseForm form;
  KvSNMPRequest2Edits *binding = form.NewEditsBinding();
  binding->Request.VarList = KvSNMPVarList(DevCtrlDefs, SVT_SV, 0);
  binding->RequestMode = KvSNMPRequest2Controls::Blocking;
  binding->Refresh();
  binding->RequestMode = KvSNMPRequest2Controls::Asynchronous;
  const std::vector<unsigned> before = AccessFlags(binding->Request.VarList);

  // Refused by the agent: the failure raises, and everything comes back all the same.
  size_t from = LogSize();
  EXPECT_LT(ErrorCodeOf([&] {
    KvWriteScope write(*binding);
    EXPECT_EQ(binding->RequestMode, KvSNMPRequest2Controls::Blocking);
    write.LeaveOutWhere([](int i) { return i != 8; });
    write.SetValue(8, "5000");  // outside 1..4094
    write.Apply();
  }), -100);
  EXPECT_EQ(binding->RequestMode, KvSNMPRequest2Controls::Asynchronous);
  EXPECT_EQ(AccessFlags(binding->Request.VarList), before);
  EXPECT_FALSE(binding->Busy());

  // Accepted: exactly the one item left in goes on the wire.
  {
    KvWriteScope write(*binding);
    write.LeaveOutWhere([](int i) { return i != 8; });
    write.LeaveOut(99);  // outside the list: ignored
    write.SetValue(8, "7");
    write.Apply();
  }
  std::vector<std::string> sets = SetsSince(from);
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(Count(sets[1], "\"oid\""), 1u) << sets[1];
  EXPECT_NE(sets[1].find(std::string(kFdbVlanOid) + "\",\"type\":\"INTEGER\",\"value\":\"7\""), std::string::npos)
      << sets[1];
  EXPECT_EQ(AccessFlags(binding->Request.VarList), before);
  EXPECT_EQ(binding->RequestMode, KvSNMPRequest2Controls::Asynchronous);
  // Every item left out: nothing goes on the wire (an empty selection would mean all).
  {
    KvWriteScope write(*binding);
    write.LeaveOutWhere([](int) { return true; });
    write.Apply();
  }
  EXPECT_EQ(SetsSince(from).size(), 2u);

  // A binding destroyed while the scope is open is not touched by the scope's end.
  auto doomed = std::make_unique<KvSNMPRequest2Edits>(nullptr);
  doomed->Request.VarList = KvSNMPVarList(DevCtrlDefs, SVT_SV, 0);
  {
    KvWriteScope write(*doomed);
    write.LeaveOut(0);
    doomed.reset();
    EXPECT_FALSE(write.BindingAlive());
    write.LeaveOut(1);
    write.Apply();
  }
}

TEST_F(WriteScopeAndBaseForm, HandlersReportFailuresAndTheBindingsOutliveEveryRunningHandler) {
  auto *form = new TBaseForm;
  QPointer<TBaseForm> alive(form);
  form->SetCaptionFor("Device Control");
  EXPECT_EQ(form->Caption(), "Device Control : 127.0.0.1");

  KvSNMPRequest2Edits *binding = form->NewEditsBinding();
  binding->Request.VarList = KvSNMPVarList(DevCtrlDefs, SVT_SV, 0);
  auto *memo = MakeMemo(form);
  binding->SetStatusOutput(memo);
  ASSERT_EQ(form->OwnedBindings().size(), 1u);

  // A handler's exception becomes a status line, not the end of the process.
  auto *button = new QPushButton(form);
  form->Handle(button, &QPushButton::clicked, binding, [] { throw KvException("(KvCommon) Broken!", -1); });
  button->click();
  EXPECT_TRUE(memo->toPlainText().contains("(KvCommon) Broken!")) << FromQt(memo->toPlainText());

  // The window closes from inside a handler that is still running an asynchronous walk:
  // the binding is disabled at once, but drained and destroyed only after the handler.
  bool bindingThereDuringHandler = false;
  form->Guarded(binding, [&] {
    binding->Refresh();
    form->reject();
    EXPECT_TRUE(form->BindingsReleased());
    EXPECT_FALSE(binding->Request.Enabled());
    RunUntil([] { return false; }, 100);
    bindingThereDuringHandler = form->OwnedBindings().size() == 1;
    form->DeleteWhenIdle();
  });
  EXPECT_TRUE(bindingThereDuringHandler);
  ASSERT_TRUE(alive);
  EXPECT_TRUE(alive->OwnedBindings().empty());
  // Handlers no longer run once the bindings are gone; the window deletes itself later.
  bool ran = false;
  form->Guarded(nullptr, [&] { ran = true; });
  EXPECT_FALSE(ran);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(alive.isNull());
}
