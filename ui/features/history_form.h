#pragma once
// The RMON history window: the history control rows in a list at the top, and the
// samples of one row below it as a table and as three bar charts (utilization, errors,
// packet distribution), refreshed by a timer. Rows are added and modified through the
// control dialog and deleted by writing "invalid" to their status.
//
//   THistoryForm::Execute(owner, addressText);   // "Please enable RMON first!" without rows

#include "base_form.h"

#include <string>

class KvSNMPRequest2Edits;
class KvStatusBar;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class QTreeWidget;
class QWidget;
class QChart;
class QChartView;

class THistoryForm : public TBaseForm {
  Q_OBJECT
public:
  static constexpr int kMinInterval = 10, kMaxInterval = 3600;  // seconds, as CB_Interval's label says

  // Creation: both bindings, the first reads, the first row shown. HasEntries tells
  // whether the switch has history control rows.
  THistoryForm(QWidget *owner, const std::string &addressText);
  static void Execute(QWidget *owner, const std::string &addressText);

  void BT_AddClick();
  void BT_ModifyClick();
  void BT_DeleteClick();
  void BT_ViewClick();
  void BT_RefreshClick();
  void BT_ResetClick();
  void CB_IntervalChange();
  void CB_HistoryCountChange();
  void LV_controlClick();
  void PageControl1Change();
  void Timer1Timer();
  void DrawCharts();

  // A chart's 3D view, as the switches set it (bars shaded with depth and a shadow).
  static bool Is3D(const QChart *chart);

  bool AddMode = true;
  KvSNMPRequest2Edits *ControlBinding = nullptr;
  KvSNMPRequest2Edits *SampleBinding = nullptr;
  bool HasEntries = true;
  // The failure of the first read of the control rows; empty when the switch answered.
  // Without rows the opener shows it instead of asking for RMON: a switch that did not
  // answer has not said that RMON is off.
  std::string ControlReadFailure;
  int DataSourcePort = 0;
  QWidget *LastPage = nullptr;
  int ChartCount = 30;
  bool Running = true;

  QLabel *ST_Time;
  QPushButton *BT_Add, *BT_Modify, *BT_Delete, *BT_View, *BT_Refresh;
  QComboBox *CB_Interval, *CB_HistoryCount;
  QCheckBox *CK_U3D, *CK_E3D, *CK_P3D;
  QPushButton *BT_Stop, *BT_Start, *BT_Reset, *BT_Close;
  KvStatusBar *StatusBar1;
  QTreeWidget *LV_control;
  QTabWidget *PageControl1;
  QWidget *TS_Table, *TS_Utilization, *TS_Error, *TS_Packet;
  QLabel *ST_Index, *ST_DataSource, *ST_Owner;
  QTreeWidget *LV_Table;
  QChart *CH_Utilization, *CH_Error, *CH_Packet;
  QLineEdit *ED_Index, *Ed_Source;
  QComboBox *CB_Status;
  QTimer *Timer1;

protected:
  void Report(KvSNMPRequest2Controls *binding, const std::string &message) override;
  void FormClose() override;
  void BindingsDestroyed() override;
  void resizeEvent(QResizeEvent *event) override;
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void BuildControls();
  QChart *AddChartPage(QWidget *&page, const char *caption);
  void ShowDataSources();
  void DisableRowButtons();
  void RefreshControlRows();
  void ShowDialog();
  static void Set3D(QChart *chart, bool on);
};
