#include "port_mirror_form.h"

#include "kv_controls.h"
#include "kv_mib_core_set.h"
#include "kv_snmp_request2_edits.h"
#include "kv_status_bar.h"
#include "kv_write_scope.h"
#include "window_layout.h"
#include "port_boxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// ---------------------------------------------------------------------------------
// Creation

TPortMirrorForm::TPortMirrorForm(QWidget *owner, const std::string &addressText) : TBaseForm(owner) {
  BuildControls();
  SetCaption("Port Mirror Table:" + addressText);

  binding_ = NewEditsBinding();
  binding_->Request.VarList = KvSNMPVarList(PortMirrorDefs, SVT_SV, 0);
  binding_->RequestMode = KvSNMPRequest2Controls::Blocking;
  const std::string bits = PortBitList(kPortBoxes);
  binding_->AssociateFormat(TargetPortItem, "%i{n1x208l3}", {ET_TargetPort});
  binding_->AssociateBitList(IngressItem, bits, std::vector<QWidget *>(Ingress.begin(), Ingress.end()));
  binding_->AssociateBitList(EgressItem, bits, std::vector<QWidget *>(Egress.begin(), Egress.end()));
  binding_->Associate(StateItem, CK_Status);
  binding_->SetStatusOutput(StatusBar1, 0);

  RefreshAndSelectTarget();
}

void TPortMirrorForm::BuildControls() {
  FeatureFrame frame = MakeFeatureFrame(this, {515, 182}, true);
  QVBoxLayout *left = frame.Content;
  auto *top = new QHBoxLayout;
  left->addLayout(top);
  Combo_Port = new QComboBox(this);
  for (int p = 1; p <= kVisiblePorts; ++p) Combo_Port->addItem(QString::number(p));
  CK_Status = new QCheckBox("Mirroring Status", this);
  ET_TargetPort = new QLineEdit(this);
  ET_TargetPort->setVisible(false);
  top->addWidget(new QLabel("Target Port ", this));
  top->addWidget(Combo_Port);
  top->addSpacing(20);
  top->addWidget(CK_Status);
  top->addStretch(1);

  auto *source = new QGroupBox("Source Port", this);
  left->addWidget(source);
  auto *grid = new QGridLayout(source);
  grid->setHorizontalSpacing(3);
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  grid->setVerticalSpacing(2);
  grid->addWidget(new QLabel("Port :", source), 0, 0, 1, 8);
  const std::vector<QCheckBox *> ingress = MakePortBoxes(source, kPortBoxes, kVisiblePorts, 1);
  const std::vector<QCheckBox *> egress = MakePortBoxes(source, kPortBoxes, kVisiblePorts, 33);
  std::copy(ingress.begin(), ingress.end(), Ingress.begin());
  std::copy(egress.begin(), egress.end(), Egress.begin());
  grid->addWidget(new QLabel("Ingress", source), 2, 0);
  grid->addWidget(new QLabel("Egress", source), 3, 0);
  for (int p = 0; p < kVisiblePorts; ++p) {
    auto *number = new QLabel(QString::number(p + 1), source);
    number->setAlignment(Qt::AlignCenter);
    number->setFont(small);
    grid->addWidget(number, 1, p + 1, Qt::AlignHCenter);
    grid->addWidget(Ingress[p], 2, p + 1, Qt::AlignHCenter);
    grid->addWidget(Egress[p], 3, p + 1, Qt::AlignHCenter);
  }

  BT_Refresh = frame.AddButton(this, "Refresh", {75, 26});
  BT_Set = frame.AddButton(this, "Set", {75, 26});
  StatusBar1 = frame.StatusBar;

  Handle(BT_Refresh, &QPushButton::clicked, nullptr, [this] { BT_RefreshClick(); });
  Handle(BT_Set, &QPushButton::clicked, nullptr, [this] { BT_SetClick(); });
}

// ---------------------------------------------------------------------------------
// Refresh and Set

// Refresh selects the target port it read, as creation does: a combo box left on the
// old port would write it back over another manager's change with the next Set.
void TPortMirrorForm::BT_RefreshClick() { RefreshAndSelectTarget(); }

void TPortMirrorForm::RefreshAndSelectTarget() {
  Guarded(binding_, [this] {
    binding_->Refresh();
    SelectTargetPort();
  });
}

// m = target mod 26 selects item m - 1: 1 to 24 their ports, 0 and 25 nothing.
void TPortMirrorForm::SelectTargetPort() {
  const QString text = ET_TargetPort->text().trimmed();
  if (text.isEmpty()) return;
  const int m = text.toInt() % 26;
  Combo_Port->setCurrentIndex(m >= 1 && m <= kVisiblePorts ? m - 1 : -1);
}

void TPortMirrorForm::BT_SetClick() {
  Guarded(binding_, [this] {
    ET_TargetPort->setText(QString::number(Combo_Port->currentIndex() + 1));
    KvWriteScope write(*binding_);
    write.Apply(true, true);
  });
}
