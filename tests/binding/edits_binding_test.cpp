// Showing values in controls and reading them back, without an agent: the variable
// list's values are set by hand as a Get would leave them.

#include "kv_controls.h"
#include "kv_edit_constraint.h"
#include "kv_exception.h"
#include "kv_list_model.h"
#include "kv_message_box.h"
#include "kv_option_list.h"
#include "kv_radio_group.h"
#include "kv_snmp_request2_edits.h"
#include "kv_status_bar.h"
#include "run_until.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeView>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <regex>

namespace {
const KvIntOption kStates[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const KvOptionList States(kStates);
const KvIntOption kOnOff[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const KvOptionList OnOff(kOnOff);
const KvTextOption kOidPrefixes[] = {{"1.3.6.1.4.1", "enterprises"}, {"1.3.6.1.2.1", "mib-2"}, {nullptr, nullptr}};
const KvOptionList OidPrefixes(kOidPrefixes, KvOptionList::PrefixKind);

const KvSNMPVarDef kDefs[] = {
    {"1.1", "name", Syntax::DisplayStr, Access::ReadWrite, nullptr},           // 0
    {"1.2", "state", Syntax::Integer, Access::ReadWrite, &States},             // 1
    {"1.3", "learning", Syntax::Integer, Access::ReadWrite, &OnOff},           // 2
    {"1.4", "flag", Syntax::Boolean, Access::ReadWrite, nullptr},              // 3
    {"1.5", "address", Syntax::IpAddress, Access::ReadWrite, nullptr},         // 4
    {"1.6", "upTime", Syntax::TimeTicks, Access::ReadWrite, nullptr},          // 5
    {"1.7", "mac", Syntax::MacAddress, Access::ReadWrite, nullptr},            // 6
    {"1.8", "ports", Syntax::BitStr, Access::ReadWrite, nullptr},              // 7
    {"1.9", "when", Syntax::DateTime, Access::ReadWrite, nullptr},             // 8
    {"1.10", "stamp", Syntax::BcDateTime, Access::ReadWrite, nullptr},         // 9
    {"1.11", "object", Syntax::ObjectId, Access::ReadWrite, nullptr},          // 10
    {"1.12", "octets", Syntax::OctetStr, Access::ReadWrite, nullptr},          // 11
    {"1.13", "count", Syntax::Integer, Access::ReadOnly, nullptr},             // 12
    {"1.14", "model", Syntax::ObjectId, Access::ReadWrite, &OidPrefixes},      // 13
    {nullptr, nullptr, 0, 0, nullptr}};

int CodeOf(const std::function<void()> &f, std::string *text = nullptr) {
  try {
    f();
  } catch (const KvException &e) {
    if (text) *text = e.what();
    return e.Code();
  }
  return 0;
}

class EditsBinding : public ::testing::Test {
protected:
  void SetUp() override {
    window_ = std::make_unique<QWidget>();
    binding_ = std::make_unique<KvSNMPRequest2Edits>(window_.get());
    binding_->Request.VarList = KvSNMPVarList(kDefs, SVT_SV, 0);
  }
  KvSNMPVarItem *Item(int i) { return binding_->Request.VarList.GetItem(i); }
  template <typename T>
  T *Make() { return new T(window_.get()); }
  std::vector<QLineEdit *> Edits(int n) {
    std::vector<QLineEdit *> edits;
    for (int i = 0; i < n; ++i) edits.push_back(Make<QLineEdit>());
    return edits;
  }
  static std::vector<std::string> Texts(const std::vector<QLineEdit *> &edits) {
    std::vector<std::string> texts;
    for (auto *e : edits) texts.push_back(FromQt(e->text()));
    return texts;
  }

  std::unique_ptr<QWidget> window_;
  std::unique_ptr<KvSNMPRequest2Edits> binding_;
};

TEST_F(EditsBinding, WholeValuesShowInEditLabelComboCheckBoxAndRadioGroup) {
  auto *edit = Make<QLineEdit>();
  auto *label = MakeStaticText(window_.get());
  auto *combo = Make<QComboBox>();
  auto *optionBox = Make<QCheckBox>();
  auto *flagBox = Make<QCheckBox>();
  auto *radio = Make<KvRadioGroup>();
  binding_->Associate(0, edit);
  binding_->Associate(12, label);
  binding_->AssociateComboBox(1, combo);
  binding_->Associate(2, optionBox);
  binding_->Associate(3, flagBox);
  binding_->AssociatePart(1, 0, Syntax::Integer, nullptr, radio);
  EXPECT_EQ(combo->count(), 3);
  EXPECT_FALSE(combo->isEditable());
  EXPECT_EQ(radio->Count(), 3);

  Item(0)->Value = "core-sw";
  Item(12)->Value = "42";
  Item(1)->Value = "enabled";   // values of items with options travel as labels
  Item(2)->Value = "disabled";  // the first option leaves the box unchecked
  Item(3)->Value = "true";
  binding_->ShowValues(-1);
  EXPECT_EQ(edit->text(), "core-sw");
  EXPECT_EQ(label->text(), "42");
  EXPECT_EQ(combo->currentText(), "enabled");
  EXPECT_EQ(radio->ItemIndex(), 2);
  EXPECT_FALSE(optionBox->isChecked());
  EXPECT_TRUE(flagBox->isChecked());

  Item(2)->Value = "enabled";
  binding_->ShowValues(2);
  EXPECT_TRUE(optionBox->isChecked());

  // Read back: the controls' states become the items' texts again.
  edit->setText("edge-sw");
  combo->setCurrentIndex(1);
  optionBox->setChecked(false);
  flagBox->setChecked(false);
  binding_->ReadControls(-1);
  EXPECT_EQ(Item(0)->Value, "edge-sw");
  EXPECT_EQ(Item(1)->Value, "enabled");  // the radio group is read after the combo box
  EXPECT_EQ(Item(2)->Value, "disabled");
  EXPECT_EQ(Item(3)->Value, "false");
  EXPECT_EQ(Item(12)->Value, "42");  // read-only items are not read
}

TEST_F(EditsBinding, NullValueLeavesSplitEditsAloneAndShowsInASingleEdit) {
  auto address = Edits(4), ticks = Edits(5), mac = Edits(6), when = Edits(10);
  auto *single = Make<QLineEdit>();
  binding_->AssociateFormat(4, "%u%u%u%u", address);
  binding_->AssociateFormat(5, "%u%u%u%u%u", ticks);
  binding_->AssociateFormat(6, "%h%h%h%h%h%h", mac);
  binding_->AssociateFormat(8, "%u%u%u%u%u%u%u%s%u%u", when);
  binding_->Associate(12, single);
  for (auto *group : {&address, &ticks, &mac, &when})
    for (auto *e : *group) e->setText("7");
  for (int i : {4, 5, 6, 8, 12}) Item(i)->Value = "(NULL)";

  binding_->ShowValues(-1);
  for (auto *group : {&address, &ticks, &mac, &when})
    for (auto *e : *group) EXPECT_EQ(e->text(), "7");
  EXPECT_EQ(single->text(), "(NULL)");
}

TEST_F(EditsBinding, SplitValuesShowPartByPartAndReadBackTheSameValue) {
  auto address = Edits(4), ticks = Edits(5), mac = Edits(6), when = Edits(10), stamp = Edits(7),
       object = Edits(4);
  binding_->AssociateFormat(4, "%u%u%u%u", address);
  binding_->AssociateFormat(5, "%u%u%u%u%u", ticks);
  binding_->AssociateFormat(6, "%h%h%h%h%h%h", mac);
  binding_->AssociateFormat(8, "%u%u%u%u%u%u%u%s%u%u", when);
  binding_->AssociateFormat(9, "%u%u%u%u%u%u%u", stamp);
  binding_->AssociateFormat(10, "%u%u%u%u", object);
  Item(4)->Value = "10.1.2.3";
  Item(5)->Value = "8640100";  // one day and one second
  Item(6)->Value = "000A1B2C3D4E";
  Item(8)->Value = "2004-5-17,13:45:30.5,-8:0";
  Item(9)->Value = "2004/05/17 01:45:30 pm";
  Item(10)->Value = "1.3.6.1";
  binding_->ShowValues(-1);

  using V = std::vector<std::string>;
  EXPECT_EQ(Texts(address), (V{"10", "1", "2", "3"}));
  EXPECT_EQ(Texts(ticks), (V{"1", "0", "0", "1", "0"}));
  EXPECT_EQ(Texts(mac), (V{"00", "0A", "1B", "2C", "3D", "4E"}));
  EXPECT_EQ(Texts(when), (V{"2004", "5", "17", "13", "45", "30", "5", "-", "8", "0"}));
  EXPECT_EQ(Texts(stamp), (V{"2004", "5", "17", "13", "45", "30", "0"}));
  EXPECT_EQ(Texts(object), (V{"1", "3", "6", "1"}));

  const std::string ticksText = Item(5)->Value;
  binding_->ReadControls(-1);
  EXPECT_EQ(Item(4)->Value, "10.1.2.3");
  EXPECT_EQ(Item(5)->Value, ticksText.find("day") != std::string::npos ? ticksText : "1 day 0:00:01.00");
  EXPECT_EQ(Item(6)->Value, "000A1B2C3D4E");
  EXPECT_EQ(Item(8)->Value, "2004-5-17,13:45:30.5,-8:0");
  EXPECT_EQ(Item(9)->Value, "2004/05/17 01:45:30 pm");
  EXPECT_EQ(Item(10)->Value, "1.3.6.1");
}

TEST_F(EditsBinding, MacAddressEditsReadEmptyAsZeroAndPadASingleDigit) {
  auto mac = Edits(6);
  binding_->AssociateFormat(6, "%h%h%h%h%h%h", mac);
  Item(6)->Value = "000A1B2C3D4E";
  binding_->ShowValues(6);
  mac[2]->setText("");
  mac[3]->setText("7");
  binding_->ReadControls(6);
  EXPECT_EQ(Item(6)->Value, "000A00073D4E");
}

TEST_F(EditsBinding, PortListBitsCheckTheirBoxesAndReadBackTheSameOctets) {
  std::vector<QWidget *> boxes;
  std::string bits;
  for (int b = 0; b < 32; ++b) {
    boxes.push_back(Make<QCheckBox>());
    bits += (b ? "," : "") + std::to_string(b);
  }
  binding_->AssociateBitList(7, bits, boxes);
  Item(7)->Value = "80000001";
  binding_->ShowValues(-1);
  for (int b = 0; b < 32; ++b)
    EXPECT_EQ(static_cast<QCheckBox *>(boxes[b])->isChecked(), b == 0 || b == 31) << "bit " << b;

  binding_->ReadControls(-1);
  EXPECT_EQ(Item(7)->Value, "80000001");
  static_cast<QCheckBox *>(boxes[9])->setChecked(true);  // port 10
  binding_->ReadControls(-1);
  EXPECT_EQ(Item(7)->Value, "80400001");
}

TEST_F(EditsBinding, BitBeyondTheValueFailsOnDisplayAndGrowsTheValueOnReadBack) {
  auto *first = Make<QCheckBox>();
  auto *beyond = Make<QCheckBox>();
  binding_->AssociateBits(7, "0,17", {first, beyond});
  Item(7)->Value = "80";
  std::string text;
  EXPECT_EQ(CodeOf([&] { binding_->ShowValues(-1); }, &text), -519);
  EXPECT_EQ(text, "(KvSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!");
  EXPECT_TRUE(first->isChecked());  // what was shown before the failure stays

  beyond->setChecked(true);
  binding_->ReadControls(-1);
  EXPECT_EQ(Item(7)->Value, "800040");
}

TEST_F(EditsBinding, APartOfAValueShowsAndIsWrittenBackInPlace) {
  auto *high = Make<QLineEdit>();
  auto *flag = Make<QCheckBox>();
  auto *state = Make<QComboBox>();
  binding_->AssociatePart(11, 1, Syntax::UInt16, nullptr, high);
  binding_->AssociatePart(11, 0, Syntax::Bool8, nullptr, flag);
  binding_->AssociatePart(11, 3, Syntax::UInt8, &States, state);
  Item(11)->Value = "01020302";
  binding_->ShowValues(-1);
  EXPECT_EQ(high->text(), "515");
  EXPECT_TRUE(flag->isChecked());
  EXPECT_EQ(state->currentText(), "disabled");

  high->setText("65535");
  flag->setChecked(false);
  state->setCurrentIndex(2);
  binding_->ReadControls(-1);
  EXPECT_EQ(Item(11)->Value, "00FFFF03");

  Item(11)->Value = "0102";
  EXPECT_EQ(CodeOf([&] { binding_->ShowValues(-1); }), -519);
}

TEST_F(EditsBinding, PrefixComboBoxShowsTheLabelAndTheRestInItsEdit) {
  auto *combo = Make<QComboBox>();
  auto *rest = Make<QLineEdit>();
  EXPECT_EQ(CodeOf([&] { binding_->AssociateComboBox(13, combo); }), -522);
  binding_->AssociatePart(13, 0, Syntax::ObjectId, nullptr, combo, rest);
  Item(13)->Value = "enterprises.171.10.43.2";
  binding_->ShowValues(-1);
  EXPECT_EQ(combo->currentText(), "enterprises");
  EXPECT_EQ(rest->text(), "171.10.43.2");

  combo->setCurrentIndex(1);
  rest->setText("1.1");
  binding_->ReadControls(-1);
  EXPECT_EQ(Item(13)->Value, "mib-2.1.1");
}

TEST_F(EditsBinding, EveryFailureHasItsCodeAndText) {
  std::string text;
  // -520 at association: an option control for an item without option list.
  EXPECT_EQ(CodeOf([&] { binding_->AssociateComboBox(0, Make<QComboBox>()); }, &text), -520);
  EXPECT_EQ(text, "(KvSNMP++) No reference option list for a SNMP variable's (partial) data associating with a optional visual control!");
  EXPECT_EQ(CodeOf([&] { binding_->AssociatePart(12, 0, Syntax::Integer, nullptr, Make<KvRadioGroup>()); }), -520);
  // -519: an item the list does not have.
  EXPECT_EQ(CodeOf([&] { binding_->Associate(99, Make<QLineEdit>()); }), -519);
  // -522 at association: fewer edits than specifiers.
  EXPECT_EQ(CodeOf([&] { binding_->AssociateFormat(4, "%u%u%u%u", {Make<QLineEdit>()}); }), -522);

  auto check = [&](int item, const std::string &value, QWidget *control, int code, const char *expected) {
    binding_->Associate(item, control);
    Item(item)->Value = value;
    EXPECT_EQ(CodeOf([&] { binding_->ShowValues(item); }, &text), code) << "item " << item;
    EXPECT_EQ(text, expected);
    binding_->Unbind(item);
  };
  check(12, "5", Make<QCheckBox>(), -517, "(KvSNMP++) Bad syntax of the associated SNMP variable's (partial) data!");
  check(12, "5", Make<QPlainTextEdit>(), -521, "(KvSNMP++) Bad type of the associated visual control!");
  check(12, "five", Make<QLineEdit>(), -518, "(KvSNMP++) Bad value of the associated SNMP variable's (partial) data!");

  auto three = Edits(3);
  binding_->AssociateFormat(4, "%u%u%u", three);
  Item(4)->Value = "10.0.0.1";
  EXPECT_EQ(CodeOf([&] { binding_->ShowValues(4); }, &text), -522);
  EXPECT_EQ(text, "(KvSNMP++) Count of the associated visual controls is not enough!");
  EXPECT_EQ(CodeOf([&] { binding_->ReadControls(4); }), -522);

  auto two = Edits(2);
  binding_->AssociateFormat(11, "%h%h", two);
  Item(11)->Value = "010203";
  EXPECT_EQ(CodeOf([&] { binding_->ShowValues(11); }), -522);
}

TEST_F(EditsBinding, UnbindLetsTheControlsGoAndTheirEditsUnwatched) {
  auto address = Edits(4);
  auto *name = Make<QLineEdit>();
  binding_->AssociateFormat(4, "%u%u%u%u", address);
  binding_->AssociateFormat(0, "%s{l8}", {name});
  EXPECT_EQ(binding_->Constraint.Count(), 5);
  binding_->Unbind(4);
  EXPECT_EQ(binding_->Constraint.Count(), 1);
  EXPECT_EQ(binding_->Associations.size(), 1u);
  Item(4)->Value = "10.0.0.1";
  Item(0)->Value = "x";
  binding_->ShowValues(-1);
  EXPECT_EQ(address[0]->text(), "");
  EXPECT_EQ(name->text(), "x");
}

TEST_F(EditsBinding, ControlsDestroyedBeforeTheBindingAreSkipped) {
  auto *edit = Make<QLineEdit>();
  binding_->Associate(0, edit);
  delete edit;
  Item(0)->Value = "x";
  EXPECT_NO_THROW(binding_->ShowValues(-1));
  EXPECT_NO_THROW(binding_->ReadControls(-1));
  EXPECT_EQ(Item(0)->Value, "x");
}

TEST_F(EditsBinding, StatusLinesGoToAMemoAStatusBarOrOneOfItsPanels) {
  const std::regex line(R"(Get: \(KvSNMP\+\+\) Ok!\. Receive at \d\d:\d\d:\d\d [AP]M\.)");
  auto *memo = MakeMemo(window_.get());
  binding_->SetStatusOutput(memo);
  binding_->ShowStatus("(KvSNMP++) Ok!");
  binding_->ShowStatus("(KvSNMP++) Ok!");
  const QStringList lines = memo->toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(std::regex_match(FromQt(lines[0]), line)) << FromQt(lines[0]);

  auto *bar = new KvStatusBar(window_.get());
  bar->AddPanel(100);
  bar->AddPanel(0);
  binding_->SetStatusOutput(bar);
  binding_->LastOperation = KvSNMPRequest2Controls::SetOperation;
  binding_->Request.VarList.Name = "swL2DevCtrl";
  binding_->ShowStatus("failed!");
  EXPECT_EQ(bar->SimpleText().rfind("Set: failed! Request:swL2DevCtrl. Receive at ", 0), 0u) << bar->SimpleText();

  binding_->SetStatusOutput(bar, 1);
  binding_->ShowStatus("again!");
  EXPECT_EQ(bar->PanelText(1).rfind("Set: again! Request:swL2DevCtrl.", 0), 0u);
  EXPECT_EQ(bar->PanelText(0), "");

  // A line far longer than the bar neither widens it nor lays the window out again; it is
  // cut short on the screen and whole in its tool tip.
  bar->setFixedWidth(300);
  window_->show();
  QCoreApplication::processEvents();
  struct LayoutPasses : QObject {
    int Count = 0;
    bool eventFilter(QObject *, QEvent *event) override {
      Count += event->type() == QEvent::LayoutRequest;
      return false;
    }
  } passes;
  bar->installEventFilter(&passes);
  const QSize hint = bar->minimumSizeHint();
  binding_->ShowStatus(std::string(400, 'x'));
  QCoreApplication::processEvents();
  EXPECT_EQ(passes.Count, 0);
  EXPECT_EQ(bar->minimumSizeHint(), hint);
  QWidget *cut = bar->childAt(200, bar->height() / 2);
  ASSERT_NE(cut, nullptr);
  EXPECT_EQ(FromQt(cut->toolTip()), bar->PanelText(1));
  EXPECT_NE(bar->PanelText(1).find(std::string(400, 'x')), std::string::npos);
  bar->removeEventFilter(&passes);
}

// A failure reaches a message box when there is no status output.
TEST_F(EditsBinding, FailureWithoutStatusOutputShowsAMessageBox) {
  const KvSNMPVarDef defs[] = {{"1.1", "index", Syntax::Integer, Access::NotAccess, nullptr},
                               {"1.2", "count", Syntax::Integer, Access::ReadOnly, nullptr},
                               {nullptr, nullptr, 0, 0, nullptr}};
  binding_->Request.VarList = KvSNMPVarList(defs, MVT_FMV, 1);
  auto *list = MakeListView(window_.get());
  auto *check = Make<QCheckBox>();
  binding_->BindListView(list);
  binding_->Associate(1, check);  // a plain box on an integer fails when shown
  binding_->Request.VarList.GetItem(0)->Value = "1";
  binding_->Request.VarList.GetItem(1)->Value = "5";
  binding_->ShowRow();
  Platform::ScriptedMessageBoxes boxes;
  list->setCurrentItem(list->topLevelItem(0));
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].Text, "(KvSNMP++) Bad syntax of the associated SNMP variable's (partial) data!");
  EXPECT_EQ(boxes.Shown()[0].Parent, window_.get());
}

TEST_F(EditsBinding, ListViewShowsOneRowPerTableRowAndCopiesTheSelectionBack) {
  const KvSNMPVarDef defs[] = {{"1.1", "index", Syntax::Integer, Access::NotAccess, nullptr},
                               {"1.2", "secret", Syntax::Integer, Access::WriteOnly, nullptr},
                               {"1.3", "state", Syntax::Integer, Access::ReadWrite, &States},
                               {"1.4", "name", Syntax::DisplayStr, Access::ReadWrite, nullptr},
                               {nullptr, nullptr, 0, 0, nullptr}};
  binding_->Request.VarList = KvSNMPVarList(defs, MVT_FMV, 1);
  auto *list = MakeListView(window_.get());
  auto *state = Make<QComboBox>();
  auto *name = Make<QLineEdit>();
  int ownHandlerCalls = 0;
  QObject::connect(list, &QTreeWidget::itemSelectionChanged, [&] { ++ownHandlerCalls; });
  binding_->BindListView(list, true);
  binding_->AssociateComboBox(2, state);
  binding_->AssociateFormat(3, "%s", {name});

  // Columns: the hidden (write-only) item first, then the visible ones.
  ASSERT_EQ(list->columnCount(), 4);
  EXPECT_EQ(binding_->ColumnItems(), (std::vector<int>{1, 0, 2, 3}));
  EXPECT_TRUE(list->isColumnHidden(0));
  EXPECT_EQ(list->headerItem()->text(1), "index");
  EXPECT_GT(list->columnWidth(1), 0);

  // A walk as Refresh runs it: rows, then the controls wait for a selection.
  binding_->BeforeRefresh();
  const char *rows[][3] = {{"1", "enabled", "port one"}, {"2", "disabled", "port two"}};
  for (auto &row : rows) {
    for (int c = 0; c < 3; ++c) binding_->Request.VarList.GetItem(c == 0 ? 0 : c + 1)->Value = row[c];
    binding_->ShowRow();
  }
  binding_->AfterRefresh();
  ASSERT_EQ(list->topLevelItemCount(), 2);
  EXPECT_EQ(list->topLevelItem(1)->text(3), "port two");
  // Columns grow to their longest value, up to a limit; the caption keeps its room.
  const QFontMetrics metrics(list->font());
  EXPECT_GT(list->columnWidth(3), metrics.horizontalAdvance("port two"));
  EXPECT_GT(list->columnWidth(1), metrics.horizontalAdvance("index"));
  const QTreeWidgetItem endless({"", "", "", QString(300, QLatin1Char('x'))});
  WidenColumnsFor(list, &endless);
  EXPECT_EQ(list->columnWidth(3), kMaxFittedColumnWidth);
  EXPECT_FALSE(state->isEnabled());

  list->setCurrentItem(list->topLevelItem(0));
  EXPECT_EQ(ownHandlerCalls, 1);  // the window's own handler still runs
  EXPECT_TRUE(state->isEnabled());
  EXPECT_EQ(state->currentText(), "enabled");
  EXPECT_EQ(name->text(), "port one");
  EXPECT_EQ(binding_->Request.VarList.GetItem(0)->Value, "1");

  // CollectValues: cleared values, the selected row, then the controls.
  name->setText("uplink");
  binding_->CollectValues("");
  EXPECT_EQ(binding_->Request.VarList.GetItem(0)->Value, "1");
  EXPECT_EQ(binding_->Request.VarList.GetItem(2)->Value, "enabled");
  EXPECT_EQ(binding_->Request.VarList.GetItem(3)->Value, "uplink");

  // A second refresh keeps the columns and starts with no rows.
  binding_->BeforeRefresh();
  EXPECT_EQ(list->topLevelItemCount(), 0);
  EXPECT_EQ(list->columnCount(), 4);
}

// The generic window's rows: a model filled in batches, not row by row, that a view can
// keep showing while the next fill runs.
TEST_F(EditsBinding, ListModelShowsRowsByTheBatchCopiesTheSelectionAndHoldsOldRowsWhileRefilled) {
  const KvSNMPVarDef defs[] = {{"1.1", "index", Syntax::Integer, Access::NotAccess, nullptr},
                               {"1.2", "name", Syntax::DisplayStr, Access::ReadWrite, nullptr},
                               {nullptr, nullptr, 0, 0, nullptr}};
  binding_->Request.VarList = KvSNMPVarList(defs, MVT_FMV, 1);
  auto *view = new QTreeView(window_.get());
  auto *rows = new KvListModel(view);
  auto *name = Make<QLineEdit>();
  binding_->BindListView(view, rows, true);
  binding_->AssociateFormat(1, "%s", {name});
  ASSERT_EQ(rows->ColumnCount(), 2);
  EXPECT_EQ(rows->headerData(1, Qt::Horizontal).toString(), "name");
  int inserts = 0;
  QObject::connect(rows, &QAbstractItemModel::rowsInserted, [&] { ++inserts; });
  const auto fill = [&](std::initializer_list<const char *> names) {
    binding_->BeforeRefresh();
    int index = 0;
    for (const char *text : names) {
      binding_->Request.VarList.GetItem(0)->Value = std::to_string(++index);
      binding_->Request.VarList.GetItem(1)->Value = text;
      binding_->ShowRow();
    }
  };

  fill({"one", "two", "three"});
  EXPECT_EQ(rows->RowCount(), 0);  // not yet: the batch comes later, or with the read's end
  EXPECT_EQ(rows->FilledRows(), 3);
  binding_->AfterRefresh();
  ASSERT_EQ(rows->RowCount(), 3);
  EXPECT_EQ(inserts, 1);
  EXPECT_EQ(rows->Text(2, 1), "three");
  EXPECT_EQ(rows->Text(3, 1), "");  // past the end
  view->setCurrentIndex(rows->index(1, 0));
  EXPECT_EQ(name->text(), "two");
  EXPECT_EQ(binding_->Request.VarList.GetItem(0)->Value, "2");

  // Held, a new fill leaves the old rows in view; the release shows the new ones at once.
  rows->Hold(true);
  fill({"uno"});
  rows->SetFilledText(0, 1, "uno!");
  EXPECT_EQ(rows->RowCount(), 3);
  EXPECT_EQ(rows->FilledRows(), 1);
  rows->Flush();
  EXPECT_EQ(rows->RowCount(), 3);
  rows->Hold(false);
  ASSERT_EQ(rows->RowCount(), 1);
  EXPECT_EQ(rows->Text(0, 1), "uno!");

  // Not held, the next fill empties the list at once; rows left unflushed come by the timer.
  fill({"a", "b"});
  EXPECT_EQ(rows->RowCount(), 0);
  EXPECT_TRUE(RunUntil([&] { return rows->RowCount() == 2; }, 2000));
}

TEST_F(EditsBinding, SetControlsEnabledReachesEveryAssociatedControl) {
  auto address = Edits(4);
  auto *combo = Make<QComboBox>();
  binding_->AssociateFormat(4, "%u%u%u%u", address);
  binding_->AssociateComboBox(1, combo);
  binding_->SetControlsEnabled(false);
  for (auto *e : address) EXPECT_FALSE(e->isEnabled());
  EXPECT_FALSE(combo->isEnabled());
}
}  // namespace
