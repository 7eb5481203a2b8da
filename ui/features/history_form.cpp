#include "history_form.h"

#include "history_control.h"
#include "window_layout.h"
#include "kv_controls.h"
#include "kv_message_box.h"
#include "kv_mib_rmon_set.h"
#include "kv_snmp_request2_edits.h"
#include "kv_status_bar.h"
#include "kv_write_scope.h"

#include <QBarCategoryAxis>
#include <QCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {
constexpr char kIfIndexPrefix[] = "IfIndex.";
constexpr int kTimerMs = 10000;
enum StatusEntry { Valid = 0, CreateRequest = 1, UnderCreation = 2, Invalid = 3 };
enum SampleColumn { PacketsColumn = 3, FirstErrorColumn = 6, UtilizationColumn = 12 };

struct SeriesLook {
  const char *Name;
  QColor Colour;
};
const SeriesLook kUtilization[] = {{"Utilization", Qt::red}};
const SeriesLook kErrors[] = {{"CRC Align", Qt::red},     {"Undersize", Qt::green}, {"Oversize", Qt::yellow},
                              {"Fragments", Qt::blue},    {"Jabbers", QColor(0, 0, 128)},
                              {"Collisions", Qt::gray}};
const SeriesLook kPackets[] = {{"Packets", Qt::red}, {"Broadcast", Qt::green}, {"Multicast", Qt::yellow}};

std::string CurrentTime() { return QTime::currentTime().toString("HH:mm:ss").toStdString(); }

// The number a whole text holds; false for anything else.
bool ToNumber(const QString &text, int &number) {
  bool ok = false;
  const int n = text.trimmed().toInt(&ok);
  if (ok) number = n;
  return ok;
}

QBarSeries *BarsOf(const QChart *chart) { return static_cast<QBarSeries *>(chart->series().value(0)); }

// Labels groups of bars on the chart's category label axis: at most kLabelledGroups
// groups of an odd number of bars, each labelled with its middle bar's label.
constexpr int kLabelledGroups = 3;
void ShowGroupLabels(QChart *chart, const QStringList &labels) {
  QCategoryAxis *axis = nullptr;
  for (QAbstractAxis *a : chart->axes(Qt::Horizontal))
    if (auto *c = qobject_cast<QCategoryAxis *>(a)) axis = c;
  if (!axis) return;
  for (const QString &label : axis->categoriesLabels()) axis->remove(label);
  const int count = static_cast<int>(labels.size());
  axis->setStartValue(-0.5);
  axis->setRange(-0.5, std::max(count, 1) - 0.5);
  int group = std::max(1, (count + kLabelledGroups - 1) / kLabelledGroups);
  if (group % 2 == 0) --group;
  for (int first = 0; first + group <= count; first += group)
    axis->append(labels[first + group / 2], first + group - 0.5);
}

QChart *MakeChart(const char *title, const SeriesLook *looks, int count) {
  auto *chart = new QChart;
  chart->setTitle(title);
  auto *bars = new QBarSeries(chart);
  for (int i = 0; i < count; ++i) {
    auto *set = new QBarSet(looks[i].Name, bars);
    set->setColor(looks[i].Colour);
    bars->append(set);
  }
  chart->addSeries(bars);
  auto *x = new QBarCategoryAxis(chart);
  QFont small = x->labelsFont();
  small.setPointSizeF(small.pointSizeF() * 0.8);
  x->setLabelsFont(small);
  // The interval starts are too long to stand under each of 30 or more bars: the bars
  // keep their categories, and a second axis labels groups of them (ShowGroupLabels).
  x->setLabelsVisible(false);
  auto *groups = new QCategoryAxis(chart);
  groups->setLabelsFont(small);
  groups->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
  groups->setGridLineVisible(false);
  groups->setLineVisible(false);
  auto *y = new QValueAxis(chart);
  y->setLabelFormat("%d");
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  chart->addAxis(groups, Qt::AlignBottom);
  bars->attachAxis(x);
  bars->attachAxis(y);
  chart->legend()->setAlignment(Qt::AlignRight);
  chart->legend()->setVisible(count > 1);
  return chart;
}
}  // namespace

// ---------------------------------------------------------------------------------
// Creation

THistoryForm::THistoryForm(QWidget *owner, const std::string &addressText) : TBaseForm(owner) {
  BuildControls();
  SetCaption("RMON : History Form");
  (void)addressText;
  ST_Time->setText(QString::fromStdString(CurrentTime()));

  ControlBinding = NewEditsBinding();
  ControlBinding->Request.VarList = KvSNMPVarList(HistoryControlDefs, MVT_FMV, 1);
  ControlBinding->BindListView(LV_control, true);
  ControlBinding->AssociateFormat(0, "%u", {ED_Index});
  ControlBinding->AssociateComboBox(6, CB_Status);
  ControlBinding->Request.Settings.Timing.Timeout = 200;  // 2 s
  ControlBinding->Request.Settings.Timing.Retries = 1;
  ControlBinding->RequestMode = KvSNMPRequest2Controls::Blocking;
  ControlBinding->SetStatusOutput(StatusBar1, 0);
  // The row's selection is copied into the controls first; then the window follows it.
  connect(LV_control, &QTreeWidget::itemSelectionChanged, this, [this] { Guarded(ControlBinding, [this] { LV_controlClick(); }); });
  Guarded(ControlBinding, [this] {
    try {
      RefreshControlRows();
    } catch (const std::exception &e) {
      ControlReadFailure = e.what();
      throw;
    }
  });

  SampleBinding = NewEditsBinding();
  SampleBinding->Request.VarList = KvSNMPVarList(EtherHistoryDefs, MVT_FMV, 0);
  SampleBinding->BindListView(LV_Table, true);
  SampleBinding->Request.VarList.AppendOidSuffix("1");
  ToNumber(CB_HistoryCount->currentText(), ChartCount);
  SampleBinding->Request.Settings.Timing.Timeout = 200;
  SampleBinding->RequestMode = KvSNMPRequest2Controls::Blocking;
  // A switch that did not answer the control rows is not asked for samples: its failure
  // is reported after the one read's tries, not after one more read's.
  if (ControlReadFailure.empty()) Guarded(SampleBinding, [this] { SampleBinding->Refresh(); });
  SampleBinding->SetStatusOutput(StatusBar1, 0);

  Running = true;
  DrawCharts();
  DisableRowButtons();
  if (LV_control->topLevelItemCount() == 0) {
    HasEntries = false;
    return;
  }
  QTreeWidgetItem *first = LV_control->topLevelItem(0);
  ST_Index->setText(first->text(0));
  PageControl1->setCurrentWidget(TS_Table);
  LV_control->setCurrentItem(first);  // runs LV_controlClick
  ST_DataSource->setText(kIfIndexPrefix + QString::number(DataSourcePort));
  ST_Owner->setText(first->text(5));
}

void THistoryForm::Execute(QWidget *owner, const std::string &addressText) {
  auto *form = new THistoryForm(owner, addressText);
  if (form->HasEntries) form->ShowModal();
  else if (!form->ControlReadFailure.empty()) Platform::ShowMessageBox(owner, form->ControlReadFailure, "", Platform::MsgButtons::Ok);
  else Platform::ShowMessageBox(owner, "Please enable RMON first!", "", Platform::MsgButtons::Ok);
  form->DeleteWhenIdle();
}

void THistoryForm::BuildControls() {
  FeatureFrame frame = MakeFeatureFrame(this, {780, 580}, true);
  StatusBar1 = frame.StatusBar;
  auto addToColumn = [&](QWidget *w) { frame.Buttons->insertWidget(frame.Buttons->count() - 1, w); };
  const QSize button(86, 25);
  addToColumn(new QLabel("System Time:", this));
  addToColumn(ST_Time = MakeStaticText(this));
  BT_Add = frame.AddButton(this, "Add", button);
  BT_Modify = frame.AddButton(this, "Modify", button);
  BT_Delete = frame.AddButton(this, "Delete", button);
  BT_View = frame.AddButton(this, "View", button);
  BT_Refresh = frame.AddButton(this, "Refresh", button);
  auto makeBox = [&](const char *caption, const char *range, int initial) {
    addToColumn(new QLabel(caption, this));
    auto *box = new QComboBox(this);
    box->setEditable(true);
    box->setFixedWidth(button.width());
    for (int n : {10, 20, 30, 60, 120}) box->addItem(QString::number(n));
    box->setCurrentText(QString::number(initial));
    addToColumn(box);
    if (range) addToColumn(new QLabel(range, this));
    return box;
  };
  CB_Interval = makeBox("Interval (sec)", "(10--3600)", 10);
  CB_HistoryCount = makeBox("Count(10-120)", nullptr, 30);
  addToColumn(CK_U3D = new QCheckBox("3D Line", this));
  BT_Stop = frame.AddButton(this, "Stop", button);
  BT_Start = frame.AddButton(this, "Start", button);
  BT_Reset = frame.AddButton(this, "Reset", button);
  BT_Close = frame.AddButton(this, "Exit", button);

  LV_control = MakeListView(this);
  frame.Content->addWidget(LV_control, 2);
  PageControl1 = new QTabWidget(this);
  frame.Content->addWidget(PageControl1, 5);
  TS_Table = new QWidget;
  auto *table = new QVBoxLayout(TS_Table);
  auto *header = new QGridLayout;
  table->addLayout(header);
  ST_Index = MakeStaticText(TS_Table);
  ST_DataSource = MakeStaticText(TS_Table);
  ST_Owner = MakeStaticText(TS_Table);
  AddLabelled(header, 0, "Index : ", ST_Index, 0);
  AddLabelled(header, 0, "Data Source : ", ST_DataSource, 2);
  AddLabelled(header, 0, "Owner : ", ST_Owner, 4);
  for (int c : {1, 3, 5}) header->setColumnStretch(c, 1);
  LV_Table = MakeListView(TS_Table);
  table->addWidget(LV_Table, 1);
  PageControl1->addTab(TS_Table, "Table");
  CH_Utilization = AddChartPage(TS_Utilization, "Utilization");
  CH_Error = AddChartPage(TS_Error, "Error");
  CH_Packet = AddChartPage(TS_Packet, "Packet Distribution");
  Set3D(CH_Utilization, false);
  Set3D(CH_Error, false);
  Set3D(CH_Packet, false);
  PageControl1->tabBar()->setMouseTracking(true);
  PageControl1->tabBar()->installEventFilter(this);

  // Hidden: the selected row's index, data source and status, and the page switches.
  ED_Index = new QLineEdit(this);
  Ed_Source = new QLineEdit(this);
  CB_Status = new QComboBox(this);
  CK_E3D = new QCheckBox(this);
  CK_P3D = new QCheckBox(this);
  for (QWidget *w : std::initializer_list<QWidget *>{ED_Index, Ed_Source, CB_Status, CK_E3D, CK_P3D}) w->setVisible(false);

  Timer1 = new QTimer(this);
  Timer1->setInterval(kTimerMs);
  Handle(Timer1, &QTimer::timeout, nullptr, [this] { Timer1Timer(); });
  Timer1->start();

  Handle(BT_Add, &QPushButton::clicked, nullptr, [this] { BT_AddClick(); });
  Handle(BT_Modify, &QPushButton::clicked, nullptr, [this] { BT_ModifyClick(); });
  Handle(BT_Delete, &QPushButton::clicked, nullptr, [this] { BT_DeleteClick(); });
  Handle(BT_View, &QPushButton::clicked, nullptr, [this] { BT_ViewClick(); });
  Handle(BT_Refresh, &QPushButton::clicked, nullptr, [this] { BT_RefreshClick(); });
  Handle(BT_Start, &QPushButton::clicked, nullptr, [this] { Running = true; });
  Handle(BT_Stop, &QPushButton::clicked, nullptr, [this] { Running = false; });
  Handle(BT_Reset, &QPushButton::clicked, nullptr, [this] { BT_ResetClick(); });
  Handle(BT_Close, &QPushButton::clicked, nullptr, [this] { close(); });
  Handle(CB_Interval, &QComboBox::currentTextChanged, nullptr, [this] { CB_IntervalChange(); });
  Handle(CB_HistoryCount, &QComboBox::currentTextChanged, nullptr, [this] { CB_HistoryCountChange(); });
  Handle(CK_U3D, &QCheckBox::toggled, nullptr, [this] {
    Set3D(CH_Utilization, CK_U3D->isChecked());
    Set3D(CH_Packet, CK_U3D->isChecked());
  });
  Handle(CK_E3D, &QCheckBox::toggled, nullptr, [this] { Set3D(CH_Error, CK_E3D->isChecked()); });
  Handle(CK_P3D, &QCheckBox::toggled, nullptr, [this] { Set3D(CH_Packet, CK_P3D->isChecked()); });
  Handle(PageControl1, &QTabWidget::currentChanged, nullptr, [this] { PageControl1Change(); });
  Handle(LV_control, &QTreeWidget::itemDoubleClicked, nullptr, [this] { BT_ModifyClick(); });
}

QChart *THistoryForm::AddChartPage(QWidget *&page, const char *caption) {
  page = new QWidget;
  auto *layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  QChart *chart = nullptr;
  if (std::string(caption) == "Utilization") chart = MakeChart(caption, kUtilization, 1);
  else if (std::string(caption) == "Error") chart = MakeChart(caption, kErrors, 6);
  else chart = MakeChart(caption, kPackets, 3);
  auto *view = new QChartView(chart, page);
  view->setRenderHint(QPainter::Antialiasing);
  layout->addWidget(view);
  PageControl1->addTab(page, caption);
  return chart;
}

// ---------------------------------------------------------------------------------
// The control rows

void THistoryForm::RefreshControlRows() {
  ControlBinding->Refresh();
  ShowDataSources();
}

// The data source column shows "IfIndex." and the interface number, not the OID.
void THistoryForm::ShowDataSources() {
  for (int r = 0; r < LV_control->topLevelItemCount(); ++r) {
    QTreeWidgetItem *row = LV_control->topLevelItem(r);
    const QString oid = row->text(1);
    const int dot = oid.lastIndexOf('.');
    const QString shown = kIfIndexPrefix + (dot >= 0 ? oid.mid(dot + 1) : QString());
    if (oid == shown) continue;
    row->setData(1, Qt::UserRole, oid);  // the OID itself, for Ed_Source
    row->setText(1, shown);
  }
  for (int c = 0; c < LV_control->columnCount(); ++c) LV_control->resizeColumnToContents(c);
}

void THistoryForm::DisableRowButtons() {
  for (QPushButton *b : {BT_Delete, BT_Modify, BT_View}) b->setEnabled(false);
}

void THistoryForm::LV_controlClick() {
  QTreeWidgetItem *row = LV_control->currentItem();
  if (!row || !row->isSelected()) {
    DisableRowButtons();
    return;
  }
  // The list shows "IfIndex.<n>"; Ed_Source gets the data source OID the switch returned.
  Ed_Source->setText(row->data(1, Qt::UserRole).toString());
  const QString source = Ed_Source->text().isEmpty() ? row->text(1) : Ed_Source->text();
  const int dot = source.lastIndexOf('.');
  if (dot >= 0) ToNumber(source.mid(dot + 1), DataSourcePort);
  for (QPushButton *b : {BT_Delete, BT_Modify, BT_View}) b->setEnabled(true);
  // The samples shown belong to the index in ST_Index: the same row needs no new read.
  if (ST_Index->text() == row->text(0) && LV_Table->topLevelItemCount() > 0) return;
  BT_ViewClick();
}

void THistoryForm::BT_ViewClick() {
  QTreeWidgetItem *row = LV_control->currentItem();
  if (!row || !SampleBinding) return;
  ST_Index->setText(row->text(0));
  ST_DataSource->setText(kIfIndexPrefix + QString::number(DataSourcePort));
  ST_Owner->setText(row->text(5));
  SampleBinding->Request.VarList = KvSNMPVarList(EtherHistoryDefs, MVT_FMV, 0);
  SampleBinding->Request.VarList.AppendOidSuffix(ST_Index->text().toStdString());
  SampleBinding->Refresh();
  DrawCharts();
}

void THistoryForm::BT_RefreshClick() {
  RefreshControlRows();
  DisableRowButtons();
  Ed_Source->clear();
}

void THistoryForm::BT_AddClick() {
  AddMode = true;
  ShowDialog();
}

void THistoryForm::BT_ModifyClick() {
  QTreeWidgetItem *row = LV_control->currentItem();
  if (!row || !row->isSelected()) return;
  AddMode = false;
  ShowDialog();
}

void THistoryForm::ShowDialog() {
  auto *dialog = new THistory_control(this);
  dialog->ShowModal();
  dialog->DeleteWhenIdle();
}

void THistoryForm::BT_DeleteClick() {
  QTreeWidgetItem *row = LV_control->currentItem();
  if (!row || !row->isSelected()) return;
  if (Platform::ShowMessageBox(this, "Are you sure?", "Delete this entry", Platform::MsgButtons::OkCancel,
                               Platform::MsgIcon::Information) != Platform::MsgResult::Ok)
    return;
  CB_Status->setCurrentIndex(Invalid);
  ControlBinding->Request.VarList = KvSNMPVarList(HistoryControlDefs, MVT_SV, 0);
  ControlBinding->Request.VarList.AppendOidSuffix(ED_Index->text().toStdString());
  try {
    KvWriteScope write(*ControlBinding);
    write.LeaveOutWhere([](int i) { return i >= 1 && i <= 5; });
    write.Apply(false, true);
  } catch (...) {
    ControlBinding->Request.VarList = KvSNMPVarList(HistoryControlDefs, MVT_FMV, 1);
    throw;
  }
  ControlBinding->Request.VarList = KvSNMPVarList(HistoryControlDefs, MVT_FMV, 1);
  RefreshControlRows();
  DisableRowButtons();
  Ed_Source->clear();
}

// ---------------------------------------------------------------------------------
// The samples and the charts

void THistoryForm::BT_ResetClick() {
  SampleBinding->Refresh();
  DrawCharts();
}

void THistoryForm::CB_IntervalChange() {
  int seconds = 0;
  if (!ToNumber(CB_Interval->currentText(), seconds)) return;  // not a number: nothing changes
  Timer1->setInterval(std::clamp(seconds, kMinInterval, kMaxInterval) * 1000);
}

void THistoryForm::CB_HistoryCountChange() {
  if (!ToNumber(CB_HistoryCount->currentText(), ChartCount)) return;
  SampleBinding->Refresh();
  DrawCharts();
}

void THistoryForm::Timer1Timer() {
  ST_Time->setText(QString::fromStdString(CurrentTime()));
  if (!Running || !SampleBinding) return;
  try {
    SampleBinding->Refresh();
  } catch (const std::exception &e) {
    if (SampleBinding) SampleBinding->ShowStatus(e.what());
    return;
  }
  if (!BindingsReleased()) DrawCharts();
}

void THistoryForm::DrawCharts() {
  const QList<QBarSet *> utilization = BarsOf(CH_Utilization)->barSets(), errors = BarsOf(CH_Error)->barSets(),
                         packets = BarsOf(CH_Packet)->barSets();
  for (QBarSet *set : utilization + errors + packets) set->remove(0, set->count());
  QStringList labels;
  // A text that is no number charts as 0.
  auto number = [](const QTreeWidgetItem *row, int column) { return row->text(column).trimmed().toLongLong(); };
  auto add = [](QBarSet *set, qreal value) { set->append(value); };
  const int rows = LV_Table->topLevelItemCount();
  for (int r = rows - 1, taken = 0; r >= 0 && taken < ChartCount; --r, ++taken) {
    const QTreeWidgetItem *row = LV_Table->topLevelItem(r);
    labels << row->text(0);
    add(utilization[0], static_cast<qreal>(number(row, UtilizationColumn) / 100));
    for (int s = 0; s < errors.size(); ++s) add(errors[s], static_cast<qreal>(number(row, FirstErrorColumn + s)));
    for (int s = 0; s < packets.size(); ++s) add(packets[s], static_cast<qreal>(number(row, PacketsColumn + s)));
  }
  for (QChart *chart : {CH_Utilization, CH_Error, CH_Packet}) {
    qreal max = 0;
    for (QBarSet *set : BarsOf(chart)->barSets())
      for (int i = 0; i < set->count(); ++i) max = std::max(max, set->at(i));
    auto *x = static_cast<QBarCategoryAxis *>(chart->axes(Qt::Horizontal).value(0));
    x->clear();
    x->append(labels);
    ShowGroupLabels(chart, labels);
    const int top = std::max(1, static_cast<int>(std::ceil(max * 1.1)));
    auto *y = static_cast<QValueAxis *>(chart->axes(Qt::Vertical).value(0));
    y->setRange(0, top);
    if (top < 5) y->setTickCount(top + 1);  // whole numbers only
    else y->applyNiceNumbers();
  }
}

// ---------------------------------------------------------------------------------
// 3D switches and pages

bool THistoryForm::Is3D(const QChart *chart) { return chart->property("view3D").toBool(); }

// The 3D view shades each bar from a light front edge to a dark side and gives the
// bars a darker outline, so they read as blocks; the 2D view paints them flat.
void THistoryForm::Set3D(QChart *chart, bool on) {
  chart->setProperty("view3D", on);
  for (QBarSet *set : BarsOf(chart)->barSets()) {
    const QColor colour = set->color();
    if (on) {
      QLinearGradient depth(0, 0, 1, 0);
      depth.setCoordinateMode(QGradient::ObjectBoundingMode);
      depth.setColorAt(0, colour.lighter(160));
      depth.setColorAt(0.55, colour);
      depth.setColorAt(1, colour.darker(260));
      set->setBrush(depth);
      set->setPen(QPen(colour.darker(300), 1));
    } else {
      set->setBrush(colour);
      set->setPen(QPen(colour.darker(150), 1));
    }
  }
  chart->setDropShadowEnabled(on);
}

void THistoryForm::PageControl1Change() {
  if (PageControl1->currentWidget() == TS_Error) {
    CK_E3D->setChecked(true);
    CK_E3D->setVisible(false);
    CK_U3D->setVisible(false);
  } else {
    CK_U3D->setVisible(true);
  }
}

bool THistoryForm::eventFilter(QObject *watched, QEvent *event) {
  if (watched == PageControl1->tabBar() && event->type() == QEvent::MouseMove)
    LastPage = PageControl1->currentWidget();
  return TBaseForm::eventFilter(watched, event);
}

void THistoryForm::resizeEvent(QResizeEvent *event) {
  TBaseForm::resizeEvent(event);
  if (LastPage) PageControl1->setCurrentWidget(LastPage);
}

// ---------------------------------------------------------------------------------
// Status and closing

void THistoryForm::Report(KvSNMPRequest2Controls *, const std::string &message) {
  StatusBar1->SetPanelText(0, message);
}

void THistoryForm::FormClose() {
  Timer1->stop();
  TBaseForm::FormClose();
}

void THistoryForm::BindingsDestroyed() {
  ControlBinding = nullptr;
  SampleBinding = nullptr;
}
