// The panels without an agent: the button column's layout and pictures, the edit rows'
// read-only state, hidden rows, and the window's fixed failure texts.

#include "config_form.h"
#include "ctrl_btn_panel.h"
#include "edits_panel.h"
#include "kv_controls.h"
#include "msg_panel.h"
#include "kv_message_box.h"
#include "kv_mib_aac_set.h"
#include "kv_mib_core_set.h"
#include "kv_snmp_request2_edits.h"
#include "snmp_editor_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
std::unique_ptr<KvSNMPRequest2Edits> Binding(QWidget *owner, const KvSNMPVarDef *defs, unsigned char type, int keys) {
  auto binding = std::make_unique<KvSNMPRequest2Edits>(owner);
  binding->Request.VarList = KvSNMPVarList(defs, type, keys);
  return binding;
}
}  // namespace

TEST(ConfigFormPanels, ButtonColumnStacksVisibleControlsAndTakesPicturesFromTheCurrentDirectory) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QImage picture(16, 16, QImage::Format_RGB32);
  picture.fill(Qt::red);
  ASSERT_TRUE(picture.save(dir.filePath("Get.bmp"), "BMP"));
  const QString before = QDir::currentPath();
  QDir::setCurrent(dir.path());
  TCtrlBtnPanel panel(nullptr);
  QDir::setCurrent(before);

  EXPECT_TRUE(panel.RefreshBtn->text().isEmpty());
  EXPECT_FALSE(panel.RefreshBtn->icon().isNull());
  EXPECT_EQ(panel.EditBtn->text(), "Edit");
  EXPECT_EQ(panel.SampleLabel->text(), "Samples");
  EXPECT_EQ(panel.SampleCount->text(), "0");
  EXPECT_TRUE(panel.AddBtn->isHidden());
  EXPECT_TRUE(panel.DeleteBtn->isHidden());
  EXPECT_EQ(panel.width(), 2 * 10 + 96);
  // Hidden controls take no room: Set Checked sits right under Edit, Close under Clear Checks.
  EXPECT_EQ(panel.SampleCount->geometry().topLeft(), QPoint(10, 10));
  EXPECT_EQ(panel.SetBtn->y(), panel.EditBtn->y() + panel.EditBtn->height() + 5);
  EXPECT_EQ(panel.CheckAllBtn->y(), panel.SetBtn->y() + panel.SetBtn->height() + 5);
  for (QWidget *ctrl : panel.Ctrls) EXPECT_EQ(ctrl->width(), 96);
}

TEST(ConfigFormPanels, EditRowsKindsReadOnlyStateHiddenRowsAndFailureTexts) {
  TConfigForm form;
  TSNMPEditorPanel *panel = form.SetEditorPanel(Binding(&form, AacInfoDefs, SVT_SV, 0));
  TEditsPanel *edits = panel->Edits;
  ASSERT_EQ(edits->RowCount(), 7);
  // Three read-only counts, then writable rows; edits of the default width.
  EXPECT_EQ(edits->Rows[0].Kind, TEditRow::ReadOnlyEdit);
  EXPECT_EQ(edits->Rows[3].Kind, TEditRow::WritableEdit);
  EXPECT_EQ(edits->Rows[0].Format, "%s");
  EXPECT_TRUE(qobject_cast<QLineEdit *>(edits->Rows[0].EditCtrl)->isReadOnly());
  EXPECT_EQ(edits->Rows[0].EditCtrl->palette().color(QPalette::Base), edits->ReadOnlyColor);
  EXPECT_EQ(edits->Rows[3].EditCtrl->palette().color(QPalette::Base), QColor(Qt::white));
  EXPECT_EQ(edits->Rows[3].EditCtrl->width(), 121);
  EXPECT_TRUE(edits->Rows[0].CheckBox->isHidden());
  EXPECT_FALSE(edits->Rows[3].CheckBox->isHidden());

  // Rows reset with the default checked; a hidden row takes no room and comes back.
  edits->ResetRows(true);
  EXPECT_TRUE(edits->Rows[4].CheckBox->isChecked());
  EXPECT_FALSE(edits->Rows[0].CheckBox->isChecked());
  const int fifthTop = edits->Rows[5].EditCtrl->y();
  edits->HideRow(4);
  EXPECT_TRUE(form.Bindings[0]->Request.VarList.GetItem(4)->Access & Access::Hidden);
  EXPECT_TRUE(edits->Rows[4].EditCtrl->isHidden());
  EXPECT_EQ(edits->Rows[5].EditCtrl->y(), edits->Rows[4].EditCtrl->y());
  edits->UnhideRow(4);
  EXPECT_FALSE(form.Bindings[0]->Request.VarList.GetItem(4)->Access & Access::Hidden);
  EXPECT_FALSE(edits->Rows[4].CheckBox->isHidden());
  EXPECT_EQ(edits->Rows[5].EditCtrl->y(), fifthTop);
  edits->SetEditWidth(150);
  EXPECT_EQ(edits->Rows[3].EditCtrl->width(), 150);

  Platform::ScriptedMessageBoxes boxes;
  edits->SetRowReadOnly(7, true);
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].Text, "aIdx is overtop!\n you may define < 7");

  TEditsPanel unbound(nullptr, nullptr);
  try {
    unbound.ArrangeCtrlBtn(panel->Buttons);
    ADD_FAILURE();
  } catch (const std::exception &e) {
    EXPECT_STREQ(e.what(), "TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
  }
  form.FormType = 4;
  try {
    form.RefreshCurrent();
    ADD_FAILURE();
  } catch (const std::exception &e) {
    EXPECT_STREQ(e.what(), "Refresh a Form with unknown Form Type!");
  }
  form.FormType = TConfigForm::EditorForm;
  try {
    form.AddListViewPage("x", Binding(&form, AacServerGroupDefs, MVT_UMV, 2), -1, "", -1, "");
    ADD_FAILURE();
  } catch (const std::exception &e) {
    EXPECT_STREQ(e.what(), "Can not add listview page to a none-page pannel!");
  }
}

TEST(ConfigFormPanels, PagesWindowIsWideEnoughForItsWholeTabRow) {
  TConfigForm form;
  form.SetPageStyle();
  for (const char *caption : {"AuthenticatorPAE Info", "AuthenticatorPAE Statistics Info",
                              "AuthenticatorPAE Diagnostics Info", "AuthenticatorPAE Session Statistics Info"})
    form.AddListViewPage(caption, Binding(&form, AacServerGroupDefs, MVT_UMV, 2), -1, "", -1, "");
  const int screen = form.screen()->availableGeometry().width();
  EXPECT_GE(form.width(), std::min(form.Pages->tabBar()->sizeHint().width(), screen));
  EXPECT_LE(form.width(), screen);
}

TEST(ConfigFormPanels, ComboBoxRowIsWideEnoughForItsLongestOption) {
  TConfigForm form;
  TEditsPanel *edits = form.SetEditorPanel(Binding(&form, RadiusConfigDefs, SVT_SV, 0))->Edits;
  auto *protocol = qobject_cast<QComboBox *>(edits->Rows[0].EditCtrl);
  ASSERT_NE(protocol, nullptr);
  const int longest = QFontMetrics(protocol->font()).horizontalAdvance("authProtocolRadiusEap");
  EXPECT_GT(protocol->width(), longest);
  EXPECT_GE(protocol->width(), protocol->sizeHint().width());
  EXPECT_GT(form.width(), protocol->geometry().right());  // the window makes room for it
}

// A window left open keeps reading: its memo keeps the latest status lines only.
TEST(ConfigFormPanels, StatusMemoKeepsItsLatestLines) {
  TConfigForm form;
  TSNMPEditorPanel *panel = form.SetEditorPanel(Binding(&form, RadiusConfigDefs, SVT_SV, 0));
  QPlainTextEdit *memo = panel->MsgPanel->Memo;
  for (int i = 0; i < kMemoLines + 5; ++i) memo->appendPlainText(QString("Get: line %1").arg(i));
  EXPECT_EQ(memo->document()->blockCount(), kMemoLines);
  EXPECT_EQ(memo->document()->firstBlock().text(), "Get: line 5");
  EXPECT_EQ(memo->document()->lastBlock().text(), QString("Get: line %1").arg(kMemoLines + 4));
}
