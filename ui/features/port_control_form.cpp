#include "port_control_form.h"

#include "kv_controls.h"
#include "kv_message_box.h"
#include "kv_mib_core_set.h"
#include "kv_program_info.h"
#include "kv_snmp_request2_edits.h"
#include "kv_write_scope.h"
#include "window_layout.h"
#include "port_control_edit_form.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTime>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>
#include <optional>

#include <map>

namespace {
// The local time as the system writes it, without a zone.
std::string Now() {
  QString format = QLocale::system().timeFormat(QLocale::LongFormat);
  format.remove('t');
  return FromQt(QLocale::system().toString(QTime::currentTime(), format.trimmed()));
}
}  // namespace

// ---------------------------------------------------------------------------------
// Creation

TfrmPortControl::TfrmPortControl(QWidget *owner, const std::string &addressText) : TBaseForm(owner) {
  BuildControls();

  portBinding_ = NewEditsBinding();
  portBinding_->Request.VarList = KvSNMPVarList(PortCtrlDefs, MVT_FMV, 1);
  portBinding_->RequestMode = KvSNMPRequest2Controls::Blocking;
  portBinding_->BindListView(lvwMain);

  descriptionBinding_ = NewEditsBinding();
  descriptionBinding_->Request.VarList = KvSNMPVarList(PortDescriptionDefs, MVT_FMV, 1);
  descriptionBinding_->RequestMode = KvSNMPRequest2Controls::Blocking;
  descriptionBinding_->BindListView(lvwPortDiscriptionTemp);

  LoadTables();
  SetCaption("Port Control Table : " + addressText);
}

void TfrmPortControl::BuildControls() {
  FeatureFrame frame = MakeFeatureFrame(this, {599, 439}, false);
  lvwMain = MakeListView(this);
  lvwMain->setHeaderLabels({"Index", "Unit Index", "Admin State", "Nway State", "Flow Control State",
                            "Learning State", "Port Discription"});
  frame.Content->addWidget(lvwMain, 1);
  lvwPortDiscriptionTemp = MakeListView(this);
  lvwPortDiscriptionTemp->setVisible(false);
  frame.Content->addWidget(lvwPortDiscriptionTemp);
  memLeftPanelBottom = MakeMemo(this);
  memLeftPanelBottom->setFixedHeight(55);
  frame.Content->addWidget(memLeftPanelBottom);

  // The right panel: the row count over the buttons.
  auto *samples = new QLabel("Samples", this);
  samples->setAlignment(Qt::AlignCenter);
  stDisplayItems = MakeStaticText(this);
  stDisplayItems->setAlignment(Qt::AlignCenter);
  stDisplayItems->setText("0");
  for (QLabel *label : {samples, stDisplayItems}) {
    label->setFixedWidth(88);
    frame.Buttons->insertWidget(frame.Buttons->count() - 1, label);
  }
  btnRefresh = frame.AddButton(this, "Refresh", {88, 25});
  btnEdit = frame.AddButton(this, "Edit", {88, 25});
  btnEdit->setEnabled(false);
  btnClose = frame.AddButton(this, "Close", {88, 25});
  frame.Buttons->setContentsMargins(15, 10, 15, 0);

  Handle(btnRefresh, &QPushButton::clicked, nullptr, [this] { btnRefreshClick(); });
  Handle(btnEdit, &QPushButton::clicked, nullptr, [this] { btnEditClick(); });
  Handle(btnClose, &QPushButton::clicked, nullptr, [this] { close(); });
  Handle(lvwMain, &QTreeWidget::itemSelectionChanged, nullptr, [this] { lvwMainSelectItem(); });
  Handle(lvwMain, &QTreeWidget::itemDoubleClicked, nullptr, [this] { lvwMainDblClick(); });
}

// ---------------------------------------------------------------------------------
// Loading and Refresh

void TfrmPortControl::btnRefreshClick() { LoadTables(); }

// Each port gets the alias of the interface with its own index; a port without one
// gets no description.
void TfrmPortControl::LoadTables() {
  try {
    portBinding_->Refresh();
    descriptionBinding_->Refresh();
    stDisplayItems->setText(QString::number(lvwMain->topLevelItemCount()));
    Log("Get : OK! Receive at " + Now() + ".");
    for (int i = 0; i < lvwMain->topLevelItemCount(); ++i) {
      QTreeWidgetItem *port = lvwMain->topLevelItem(i);
      if (const QTreeWidgetItem *description = DescriptionRowOf(port))
        port->setText(DescriptionColumn, description->text(1));
    }
    for (int c = 0; c < ColumnCount; ++c) lvwMain->resizeColumnToContents(c);
    FitWidthToColumns(this, lvwMain);
  } catch (const std::exception &) {
    Log("Get Variable Time Out!Receive at " + Now() + ".");
  }
}

QTreeWidgetItem *TfrmPortControl::DescriptionRowOf(const QTreeWidgetItem *portRow) const {
  if (!portRow) return nullptr;
  const QString index = portRow->text(IndexColumn);
  for (int i = 0; i < lvwPortDiscriptionTemp->topLevelItemCount(); ++i)
    if (lvwPortDiscriptionTemp->topLevelItem(i)->text(0) == index) return lvwPortDiscriptionTemp->topLevelItem(i);
  return nullptr;
}

QTreeWidgetItem *TfrmPortControl::SelectedPortRow() const {
  const QList<QTreeWidgetItem *> selected = lvwMain->selectedItems();
  return selected.isEmpty() ? nullptr : selected.first();
}

void TfrmPortControl::lvwMainSelectItem() {
  if (SelectedPortRow()) btnEdit->setEnabled(true);
}

// ---------------------------------------------------------------------------------
// Edit

void TfrmPortControl::lvwMainDblClick() {
  if (!SelectedPortRow()) return;
  try {
    btnEditClick();
  } catch (...) {
  }
}

void TfrmPortControl::btnEditClick() {
  if (!SelectedPortRow()) {
    Platform::ShowMessageBox(this, "No Item is Selected", Platform::ProgramFileName(), Platform::MsgButtons::Ok);
    return;
  }
  const KvSNMPVarList &list = portBinding_->Request.VarList;
  std::array<const KvOptionList *, 4> stateOptions{};
  for (int column = AdminColumn; column <= LearningColumn; ++column)
    if (column < list.GetCount()) stateOptions[column - AdminColumn] = list.GetItem(column)->Options;
  std::optional<TPortControlRow> edited;
  {
    auto *editor = new TfrmPortControlEdit(this, RowOf(*SelectedPortRow()), stateOptions);
    editor->SetCaption(Caption());
    editor->ShowModal();
    edited = editor->EditedRow();
    delete editor;
  }
  QTreeWidgetItem *row = SelectedPortRow();
  if (!edited || !row) return;
  ShowEditedRow(*row, *edited);
  WriteEditedRow();
}

TPortControlRow TfrmPortControl::RowOf(const QTreeWidgetItem &portRow) {
  return {portRow.text(IndexColumn),       portRow.text(UnitIndexColumn), portRow.text(AdminColumn),
          portRow.text(NwayColumn),        portRow.text(FlowControlColumn), portRow.text(LearningColumn),
          portRow.text(DescriptionColumn)};
}

void TfrmPortControl::ShowEditedRow(QTreeWidgetItem &portRow, const TPortControlRow &row) {
  const bool aliasChanged = portRow.text(DescriptionColumn) != row.Description;
  portRow.setText(AdminColumn, row.AdminState);
  portRow.setText(NwayColumn, row.NwayState);
  portRow.setText(FlowControlColumn, row.FlowControlState);
  portRow.setText(LearningColumn, row.LearningState);
  portRow.setText(DescriptionColumn, row.Description);
  if (aliasChanged)
    if (QTreeWidgetItem *description = DescriptionRowOf(&portRow)) description->setText(1, row.Description);
}

// The whole row goes to both tables, whichever fields the editor changed; the alias
// goes to the port's own interface, and a port without one cannot be written whole.
void TfrmPortControl::WriteEditedRow() {
  bool written = false;
  try {
    {
      KvWriteScope write(*portBinding_);
      write.Apply(false, true);
    }
    if (QTreeWidgetItem *description = DescriptionRowOf(SelectedPortRow())) {
      lvwPortDiscriptionTemp->setCurrentItem(description);
      KvWriteScope write(*descriptionBinding_);
      write.Apply(false, true);
      written = true;
    }
  } catch (const std::exception &) {
  }
  Log((written ? "Set : OK! Receive at " : "Set variable failed! Receive at ") + Now() + ".");
}

void TfrmPortControl::Log(const std::string &text) { memLeftPanelBottom->appendPlainText(ToQt(text)); }
