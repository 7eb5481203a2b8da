// The port control window and its editor against the simulated switch: loading both
// tables, each port with its own interface's alias, an edit written to both tables,
// refusals, and values without a label.

#include "feature_window_fixture.h"
#include "kv_controls.h"
#include "kv_message_box.h"
#include "kv_option_list.h"
#include "port_control_edit_form.h"
#include "port_control_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <regex>

namespace {
const std::string C = "1.3.6.1.4.1.171.11.43.2.2.3.2.1";
const std::string Alias = "1.3.6.1.2.1.31.1.1.1.18";

class PortControlWindow : public FeatureWindowTest {
protected:
  // Interface 2 has no alias row, interface 3 is called "printer"; port 5 runs an Nway
  // mode without a label (7) and port 6 an admin state of "other".
  void OpenWithGaps() {
    StartSwitch({{Alias + ".2", ""},
                 {Alias + ".3", Alias + ".3 STRING rw \"printer\""},
                 {Alias + ".4", Alias + ".4 STRING rw \"camera\""},
                 {C + ".4.5", C + ".4.5 INTEGER rw 7 range=1..10"},
                 {C + ".3.6", C + ".3.6 INTEGER rw 1 enum=O1"}});
    form_ = std::make_unique<TfrmPortControl>(nullptr, "127.0.0.1");
    form_->SetCaption("Port Control Table : 127.0.0.1");
  }

  QTreeWidgetItem *Port(int port) const { return form_->lvwMain->topLevelItem(port - 1); }
  std::string LastLog() const {
    const QStringList lines = form_->memLeftPanelBottom->toPlainText().split('\n');
    return FromQt(lines.last());
  }
  // Edit on `port` with the editor driven by `inEditor` while it is shown.
  void EditPort(int port, const std::function<void(TfrmPortControlEdit &)> &inEditor) {
    form_->lvwMain->setCurrentItem(Port(port));
    QTimer::singleShot(0, [&] {
      auto *editor = qobject_cast<TfrmPortControlEdit *>(QApplication::activeModalWidget());
      if (!editor) return;
      inEditor(*editor);
      editor->btnCloseClick();
    });
    form_->btnEditClick();
  }

  std::unique_ptr<TfrmPortControl> form_;
};

TEST_F(PortControlWindow, LoadsEveryPortWithItsOwnInterfacesAliasAndShowsValuesWithoutLabels) {
  OpenWithGaps();
  EXPECT_EQ(form_->stDisplayItems->text(), "24");
  EXPECT_TRUE(std::regex_match(LastLog(), std::regex("Get : OK! Receive at .+\\."))) << LastLog();
  EXPECT_FALSE(form_->btnEdit->isEnabled());
  EXPECT_EQ(Port(1)->text(TfrmPortControl::DescriptionColumn), "uplink to core");
  EXPECT_EQ(Port(2)->text(TfrmPortControl::DescriptionColumn), "");  // no alias row
  EXPECT_EQ(Port(3)->text(TfrmPortControl::DescriptionColumn), "printer");
  EXPECT_EQ(Port(4)->text(TfrmPortControl::DescriptionColumn), "camera");
  EXPECT_EQ(Port(1)->text(TfrmPortControl::NwayColumn), "nway-enabled");
  EXPECT_EQ(Port(5)->text(TfrmPortControl::NwayColumn), "7");
  EXPECT_EQ(Port(6)->text(TfrmPortControl::AdminColumn), "other");
  EXPECT_EQ(Port(24)->text(TfrmPortControl::AdminColumn), "disabled");
  // The window is widened so that every column shows beside the rows' scroll bar.
  int columns = 0;
  for (int c = 0; c < TfrmPortControl::ColumnCount; ++c) columns += form_->lvwMain->columnWidth(c);
  const int screen = form_->screen()->availableGeometry().width();
  EXPECT_GT(form_->width(), 599);
  EXPECT_TRUE(form_->width() == screen ||
              form_->lvwMain->width() >= columns + form_->lvwMain->verticalScrollBar()->sizeHint().width());

  // Refresh pairs the same way.
  form_->btnRefreshClick();
  EXPECT_EQ(Port(3)->text(TfrmPortControl::DescriptionColumn), "printer");
  EXPECT_EQ(form_->memLeftPanelBottom->toPlainText().count("Get : OK!"), 2);

  // The editor shows "other" as typed text; its lists leave "other" out.
  EditPort(6, [](TfrmPortControlEdit &editor) {
    EXPECT_EQ(editor.windowTitle(), "Port Control Table : 127.0.0.1");
    EXPECT_EQ(editor.edtIndex->text(), "6");
    EXPECT_EQ(editor.cbAdminState->currentText(), "other");
    EXPECT_EQ(editor.cbAdminState->count(), 2);
    EXPECT_EQ(editor.cbAdminState->findText("other"), -1);
    EXPECT_EQ(editor.cbNwayState->count(), 8);
    EXPECT_FALSE(editor.btnSetChecked->isEnabled());
  });
  EXPECT_TRUE(form_->btnEdit->isEnabled());
  EXPECT_TRUE(Sets().empty());  // closed without Set Checked: nothing written

  // A switch that stops answering gives the time-out line.
  sim_->Stop();
  form_->btnRefreshClick();
  EXPECT_TRUE(std::regex_match(LastLog(), std::regex("Get Variable Time Out!Receive at .+\\."))) << LastLog();
}

TEST_F(PortControlWindow, EditWithOnlyTheDescriptionCheckedWritesBothTablesForThatPort) {
  OpenWithGaps();
  EditPort(4, [](TfrmPortControlEdit &editor) {
    editor.ckPortDiscription->click();
    EXPECT_TRUE(editor.btnSetChecked->isEnabled());
    editor.edtPortDiscription->setText("lab camera");
    editor.btnSetCheckedClick();
  });
  const auto sets = Sets();
  ASSERT_EQ(sets.size(), 2u) << form_->memLeftPanelBottom->toPlainText().toStdString();
  for (const std::string &vb : {Vb(C + ".3.4", "INTEGER", "3"), Vb(C + ".4.4", "INTEGER", "2"),
                                Vb(C + ".5.4", "INTEGER", "2"), Vb(C + ".6.4", "INTEGER", "3")})
    EXPECT_NE(sets[0].find(vb), std::string::npos) << vb << "\n" << sets[0];
  EXPECT_NE(sets[1].find(Oid(Alias + ".4")), std::string::npos) << sets[1];
  EXPECT_NE(sets[1].find("\"text\":\"lab camera\""), std::string::npos) << sets[1];
  EXPECT_TRUE(std::regex_match(LastLog(), std::regex("Set : OK! Receive at .+\\."))) << LastLog();
  EXPECT_EQ(Port(4)->text(TfrmPortControl::DescriptionColumn), "lab camera");
  form_->btnRefreshClick();
  EXPECT_EQ(Port(4)->text(TfrmPortControl::DescriptionColumn), "lab camera");
  EXPECT_EQ(Port(5)->text(TfrmPortControl::DescriptionColumn), "");
}

TEST_F(PortControlWindow, EveryEditWritesTheWholeRowAndRefusedOrImpossibleWritesLogTheFailure) {
  OpenWithGaps();
  const std::regex failed("Set variable failed! Receive at .+\\.");
  // The switch refuses an alias longer than 64 characters.
  EditPort(3, [](TfrmPortControlEdit &editor) {
    editor.btnCheckAllClick();
    editor.cbAdminState->setCurrentText("disabled");
    editor.edtPortDiscription->setText(QString(65, 'a'));
    editor.btnSetCheckedClick();
  });
  EXPECT_TRUE(std::regex_match(LastLog(), failed)) << LastLog();
  EXPECT_EQ(Port(3)->text(TfrmPortControl::AdminColumn), "disabled");  // shown as edited
  // Port 5's Nway value 7 goes back as it stands, beside the edited learning state.
  EditPort(5, [](TfrmPortControlEdit &editor) {
    EXPECT_EQ(editor.cbNwayState->currentText(), "7");
    editor.ckLearningState->click();
    editor.cbLearningState->setCurrentText("disabled");
    editor.btnSetCheckedClick();
  });
  EXPECT_EQ(Sets({Vb(C + ".4.5", "INTEGER", "7"), Vb(C + ".6.5", "INTEGER", "2")}).size(), 1u);
  EXPECT_EQ(LastLog().rfind("Set : OK! Receive at ", 0), 0u) << LastLog();
  // Port 2 has no interface alias to write.
  EditPort(2, [](TfrmPortControlEdit &editor) {
    editor.ckPortDiscription->click();
    editor.edtPortDiscription->setText("nowhere");
    editor.btnSetCheckedClick();
  });
  EXPECT_TRUE(std::regex_match(LastLog(), failed)) << LastLog();
  EXPECT_TRUE(Sets({"nowhere"}).empty());

  Platform::ScriptedMessageBoxes boxes;
  form_->lvwMain->clearSelection();
  form_->btnEditClick();
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].Text, "No Item is Selected");
}

// The editor on its own: it shows the row it was given and returns the row with the
// checked fields, each Set Checked adding to the last; without Set Checked, none.
TEST(PortControlEditor, ReturnsTheRowWithTheCheckedFieldsOnlyAfterSetChecked) {
  const KvIntOption table[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
  const KvOptionList states(table);
  const TPortControlRow row{"7", "1", "enabled", "nway-auto", "enabled", "enabled", "old"};
  TfrmPortControlEdit editor(nullptr, row, {&states, nullptr, &states, &states});
  editor.FormShow();
  EXPECT_EQ(editor.edtIndex->text(), "7");
  EXPECT_EQ(editor.cbNwayState->currentText(), "nway-auto");
  EXPECT_EQ(editor.cbAdminState->count(), 2);  // "other" left out
  EXPECT_EQ(editor.cbNwayState->count(), 0);
  EXPECT_FALSE(editor.EditedRow().has_value());

  editor.cbAdminState->setCurrentText("disabled");  // not checked: stays out
  editor.ckPortDiscription->click();
  editor.edtPortDiscription->setText("new");
  editor.btnSetCheckedClick();
  TPortControlRow expected = row;
  expected.Description = "new";
  ASSERT_TRUE(editor.EditedRow().has_value());
  EXPECT_EQ(*editor.EditedRow(), expected);

  editor.btnClearChecksClick();
  editor.ckLearningState->click();
  editor.cbLearningState->setCurrentText("disabled");
  editor.btnSetCheckedClick();
  expected.LearningState = "disabled";
  EXPECT_EQ(*editor.EditedRow(), expected);
}

}  // namespace
