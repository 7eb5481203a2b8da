// The RMON history window against the simulated switch: no control rows, the charts
// read back from their series, the 3D and interval rules, the control dialog's status
// sequence and its failures, Delete, and closing while the timer's read is under way.

#include "feature_window_fixture.h"
#include "history_control.h"
#include "history_form.h"
#include "kv_message_box.h"
#include "kv_status_bar.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

namespace {
const std::string H = "1.3.6.1.2.1.16.2.1.1";

QList<QBarSet *> SetsOf(const QChart *chart) { return static_cast<QBarSeries *>(chart->series().at(0))->barSets(); }
QStringList LabelsOf(const QChart *chart) {
  return static_cast<QBarCategoryAxis *>(chart->axes(Qt::Horizontal).at(0))->categories();
}

// The texts under the bars, in axis order.
QStringList GroupLabelsOf(const QChart *chart) {
  for (QAbstractAxis *axis : chart->axes(Qt::Horizontal))
    if (auto *groups = qobject_cast<QCategoryAxis *>(axis)) return groups->categoriesLabels();
  return {};
}

class HistoryWindow : public FeatureWindowTest {
protected:
  // Runs `fill` on the control dialog once it is shown, then presses OK.
  void RunDialog(const std::function<void(THistory_control &)> &fill, bool add = true) {
    QTimer::singleShot(0, [fill] {
      auto *dialog = qobject_cast<THistory_control *>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      fill(*dialog);
    });
    if (add) form_->BT_AddClick();
    else form_->BT_ModifyClick();
  }
  std::unique_ptr<THistoryForm> form_;
};

TEST_F(HistoryWindow, WithoutControlRowsTheMenuEntryAsksToEnableRmon) {
  std::map<std::string, std::string> none;
  for (int col = 1; col <= 7; ++col)
    for (int row = 1; row <= 2; ++row) none[H + "." + std::to_string(col) + "." + std::to_string(row)] = "";
  StartSwitch(none);
  Platform::ScriptedMessageBoxes boxes;
  THistoryForm::Execute(nullptr, "127.0.0.1");
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].Text, "Please enable RMON first!");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(HistoryWindow, ChartsTheNewestSamplesFirstAndFollowTheSwitches) {
  StartSwitch();
  form_ = std::make_unique<THistoryForm>(nullptr, "127.0.0.1");
  ASSERT_TRUE(form_->HasEntries);
  EXPECT_EQ(form_->windowTitle(), "RMON : History Form");
  ASSERT_EQ(form_->LV_control->topLevelItemCount(), 2);
  EXPECT_EQ(form_->LV_control->topLevelItem(1)->text(1), "IfIndex.2");
  EXPECT_EQ(form_->ST_Index->text(), "1");
  EXPECT_EQ(form_->ST_DataSource->text(), "IfIndex.1");
  EXPECT_EQ(form_->ST_Owner->text(), "monitor");
  EXPECT_TRUE(form_->BT_Modify->isEnabled());

  // 50 samples, count 30: the 30 newest, newest first, in every series.
  QTreeWidget *table = form_->LV_Table;
  ASSERT_EQ(table->topLevelItemCount(), 50);
  const QList<QBarSet *> errors = SetsOf(form_->CH_Error), packets = SetsOf(form_->CH_Packet);
  ASSERT_EQ(errors.size(), 6);
  ASSERT_EQ(packets.size(), 3);
  EXPECT_EQ(errors[0]->label(), "CRC Align");
  EXPECT_EQ(errors[4]->label(), "Jabbers");
  EXPECT_EQ(errors[4]->color(), QColor(0, 0, 128));
  EXPECT_EQ(packets[2]->label(), "Multicast");
  EXPECT_EQ(SetsOf(form_->CH_Utilization)[0]->count(), 30);
  const QStringList labels = LabelsOf(form_->CH_Packet);
  ASSERT_EQ(labels.size(), 30);
  EXPECT_EQ(labels.first(), table->topLevelItem(49)->text(0));
  EXPECT_EQ(labels.last(), table->topLevelItem(20)->text(0));
  EXPECT_EQ(packets[0]->at(0), table->topLevelItem(49)->text(3).toDouble());
  EXPECT_EQ(packets[1]->at(29), table->topLevelItem(20)->text(4).toDouble());
  EXPECT_EQ(errors[5]->at(3), table->topLevelItem(46)->text(11).toDouble());
  // Under the bars: three groups of nine, each named after its middle bar, so that the
  // long interval starts are shown whole rather than cut under each of 30 bars.
  EXPECT_EQ(GroupLabelsOf(form_->CH_Packet), QStringList({labels[4], labels[13], labels[22]}));

  // Utilization in hundredths of a percent, the remainder dropped.
  table->topLevelItem(49)->setText(12, "2550");
  form_->DrawCharts();
  EXPECT_EQ(SetsOf(form_->CH_Utilization)[0]->at(0), 25);

  form_->CB_HistoryCount->setCurrentText("10");
  EXPECT_EQ(SetsOf(form_->CH_Error)[0]->count(), 10);
  EXPECT_EQ(GroupLabelsOf(form_->CH_Error).size(), 3);  // of three bars each

  // The interval stays within 10 to 3600 s; text that is no number changes nothing.
  form_->CB_Interval->setCurrentText("60");
  EXPECT_EQ(form_->Timer1->interval(), 60000);
  form_->CB_Interval->setCurrentText("abc");
  EXPECT_EQ(form_->Timer1->interval(), 60000);
  form_->CB_Interval->setCurrentText("0");
  EXPECT_EQ(form_->Timer1->interval(), 10000);
  form_->CB_Interval->setCurrentText("99999");
  EXPECT_EQ(form_->Timer1->interval(), 3600000);

  // "3D Line" turns utilization and packets; the Error page turns its chart for good.
  form_->CK_U3D->setChecked(true);
  EXPECT_TRUE(THistoryForm::Is3D(form_->CH_Utilization) && THistoryForm::Is3D(form_->CH_Packet));
  EXPECT_FALSE(THistoryForm::Is3D(form_->CH_Error));
  form_->show();
  form_->PageControl1->setCurrentWidget(form_->TS_Error);
  EXPECT_TRUE(THistoryForm::Is3D(form_->CH_Error));
  EXPECT_TRUE(form_->CK_U3D->isHidden());
  form_->PageControl1->setCurrentWidget(form_->TS_Table);
  form_->CK_U3D->setChecked(false);
  EXPECT_TRUE(THistoryForm::Is3D(form_->CH_Error));
  EXPECT_FALSE(THistoryForm::Is3D(form_->CH_Utilization));
  EXPECT_FALSE(form_->CK_U3D->isHidden());

  // Another row's samples.
  form_->LV_control->setCurrentItem(form_->LV_control->topLevelItem(1));
  EXPECT_EQ(form_->ST_Index->text(), "2");
  EXPECT_EQ(form_->ST_DataSource->text(), "IfIndex.2");
  EXPECT_EQ(LabelsOf(form_->CH_Error).first(), table->topLevelItem(table->topLevelItemCount() - 1)->text(0));
}

TEST_F(HistoryWindow, TheDialogWritesTheStatusSequenceShowsFailuresAndDeleteRemovesTheRow) {
  StartSwitch();
  form_ = std::make_unique<THistoryForm>(nullptr, "127.0.0.1");
  form_->show();
  Platform::ScriptedMessageBoxes boxes;
  std::string failure;
  bool openAfterFailure = false;
  RunDialog([&](THistory_control &d) {
    d.ED_Index->setText("7");
    d.ED_Datatsource->setText("5a");
    d.ED_Buckets->setText("20");
    d.ED_Interval->setText("30");
    d.ED_Owner->setText("me");
    d.BT_SetClick();  // a letter: the message, nothing sent
    d.ED_Datatsource->setText("05");
    d.ED_Index->setText("70000");  // outside the switch's index range
    d.BT_SetClick();
    failure = d.StatusBar1->PanelText(0);
    openAfterFailure = d.isVisible();
    d.ED_Index->setText("7");
    d.BT_SetClick();
  });
  ASSERT_GE(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].Text, "DataSource must be integer!!");
  EXPECT_FALSE(failure.empty());
  EXPECT_TRUE(openAfterFailure);

  const auto sets = Sets({H + ".7.7\""});
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_NE(sets[0].find(Vb(H + ".7.7", "INTEGER", "2")), std::string::npos) << sets[0];
  EXPECT_NE(sets[1].find(Vb(H + ".7.7", "INTEGER", "1")), std::string::npos) << sets[1];
  const auto columns = Sets({Vb(H + ".2.7", "OID", "1.3.6.1.2.1.2.2.1.1.5")});
  ASSERT_EQ(columns.size(), 1u) << ::testing::PrintToString(Sets());
  EXPECT_NE(columns[0].find(Vb(H + ".6.7", "STRING", "0x6D65")), std::string::npos) << columns[0];
  const auto log = sim_->LogLines();
  const auto at = [&](const std::string &line) { return std::find(log.begin(), log.end(), line) - log.begin(); };
  EXPECT_LT(at(sets[0]), at(columns[0]));
  EXPECT_LT(at(columns[0]), at(sets[1]));

  ASSERT_EQ(form_->LV_control->topLevelItemCount(), 3);
  EXPECT_EQ(form_->LV_control->topLevelItem(2)->text(1), "IfIndex.5");
  EXPECT_FALSE(form_->BT_Delete->isEnabled());

  // Modify shows the selected row's values.
  form_->LV_control->setCurrentItem(form_->LV_control->topLevelItem(0));
  std::string shown;
  RunDialog([&](THistory_control &d) {
    shown = (d.ED_Index->text() + "|" + d.ED_Datatsource->text() + "|" + d.ED_Buckets->text() + "|" +
             d.ED_Owner->text() + "|" + (d.ED_Index->isEnabled() ? "on" : "off")).toStdString();
    d.Button2->click();
  }, false);
  EXPECT_EQ(shown, "1|1|50|monitor|off");
  EXPECT_EQ(form_->StatusBar1->PanelText(0).find("Bad value"), std::string::npos) << form_->StatusBar1->PanelText(0);

  // Delete asks first; Cancel sends nothing, OK writes "invalid".
  form_->LV_control->setCurrentItem(form_->LV_control->topLevelItem(2));
  boxes.Clear();
  boxes.Answer(Platform::MsgResult::Cancel);
  boxes.Answer(Platform::MsgResult::Ok);
  form_->BT_DeleteClick();
  EXPECT_EQ(Sets({H + ".7.7\""}).size(), 2u);
  form_->BT_DeleteClick();
  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[1].Text, "Are you sure?");
  EXPECT_EQ(boxes.Shown()[1].Caption, "Delete this entry");
  EXPECT_EQ(Sets({Vb(H + ".7.7", "INTEGER", "4")}).size(), 1u);
  EXPECT_EQ(form_->LV_control->topLevelItemCount(), 2);
}

TEST_F(HistoryWindow, ClosingWhileTheTimersReadIsUnderWayLeavesNothingBehind) {
  StartSwitch({{H + ".4.1", H + ".4.1 INTEGER ro 3"}}, {"--delay-ms", "150"});
  auto *form = new THistoryForm(nullptr, "127.0.0.1");
  QPointer<THistoryForm> alive(form);
  ASSERT_EQ(form->LV_Table->topLevelItemCount(), 3);
  form->show();
  form->Timer1->setInterval(20);
  QTimer::singleShot(250, form, [form] { form->close(); });
  QElapsedTimer clock;
  clock.start();
  while (!form->BindingsReleased() && clock.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_TRUE(form->BindingsReleased());
  EXPECT_EQ(form->SampleBinding, nullptr);
  form->DeleteWhenIdle();
  while (alive && clock.elapsed() < 15000) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  EXPECT_TRUE(alive.isNull());
}
}  // namespace
