#include "vlan_8021d_priority_form.h"

#include "window_layout.h"
#include "kv_message_box.h"
#include "kv_mib_bridge_set.h"
#include "kv_program_info.h"
#include "kv_controls.h"
#include "kv_snmp_request2_edits.h"
#include "kv_write_scope.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// An edit panel of labelled rows below a page's list view.
class FieldPanel {
public:
  FieldPanel() : panel_(new QWidget), grid_(new QGridLayout(panel_)) {
    grid_->setContentsMargins(4, 4, 4, 4);
    grid_->setColumnStretch(2, 1);  // fields of their own width, the rest left empty
  }
  QLabel *Static(const char *caption, const char *name) { return AddStaticField(grid_, row_++, caption, name); }
  QLineEdit *Edit(const char *caption, const char *name) { return AddEditField(grid_, row_++, caption, name); }
  QWidget *Widget() const { return panel_; }

private:
  QWidget *panel_;
  QGridLayout *grid_;
  int row_ = 0;
};
}  // namespace

TVLan8021dPriorityForm::TVLan8021dPriorityForm(QWidget *owner) : TBaseForm(owner) {
  SetCaption("Priority Information Form");
  resize(696, 480);
  QHBoxLayout *row = MakeWindowRow(this);
  auto *left = new QVBoxLayout;
  left->setContentsMargins(8, 8, 0, 8);
  PageControl1 = Named(new QTabWidget, "PageControl1");
  PageControl1->setUsesScrollButtons(false);  // every page's caption in full
  left->addWidget(PageControl1, 1);
  Memo1 = MakeStatusMemo(this, 52);
  left->addWidget(Memo1);
  row->addLayout(left, 1);

  FieldPanel p1, p2, p3;
  PortPriorityPortNum = p1.Static("Port Number", "PortPriorityPortNum");
  DefaultUserPriority = p1.Edit("Default User Priority [0-7]", "DefaultUserPriority");
  SupportedTrafficClassesNum = p1.Edit("Supported Traffic Classes Num[1-8]", "SupportedTrafficClassesNum");
  RegenPortNum = p2.Static("Port Number", "RegenPortNum");
  UserPriority = p2.Static("User Priority [0-7]", "UserPriority");
  RegeneratedUserPriority = p2.Edit("Regenerated User Priority", "RegeneratedUserPriority");
  TrafficPortNumber = p3.Static("Port Number", "TrafficPortNumber");
  TrafficClassPriority = p3.Static("Traffic Class Priority", "TrafficClassPriority");
  TrafficClass = p3.Edit("Mapped Traffic Class[0-7]", "TrafficClass");
  TabSheet1 = BuildPage("TabSheet1", "Default User Priorities of Each Port", LV_dot1dPortPriorityEntry, p1.Widget());
  TabSheet2 = BuildPage("TabSheet2", "Regenerated User Priorities", LV_dot1dUserPriorityRegenEntry, p2.Widget());
  TabSheet3 = BuildPage("TabSheet3", "User Priorities To Traffic Class", LV_dot1dTrafficClassEntry, p3.Widget());
  TabSheet4 = BuildPage("TabSheet4", "Port Outbound Access Priorities", LV_dot1dPortOutboundAccessPriorityEntry,
                        nullptr);
  LV_dot1dPortPriorityEntry->setObjectName("LV_dot1dPortPriorityEntry");
  LV_dot1dUserPriorityRegenEntry->setObjectName("LV_dot1dUserPriorityRegenEntry");
  LV_dot1dTrafficClassEntry->setObjectName("LV_dot1dTrafficClassEntry");
  LV_dot1dPortOutboundAccessPriorityEntry->setObjectName("LV_dot1dPortOutboundAccessPriorityEntry");

  QVBoxLayout *buttons = AddButtonColumn(row, 103);
  ST_Count = AddSampleCount(buttons);
  RefreshBtn = AddButton(buttons, "Refresh", "RefreshBtn");
  SetBtn = AddButton(buttons, "Set", "SetBtn");

  FormCreate();
  Handle(PageControl1, &QTabWidget::currentChanged, nullptr, [this] { PageControl1Change(PageControl1->currentIndex()); });
  Handle(RefreshBtn, &QPushButton::clicked, nullptr, [this] { RefreshBtnClick(); });
  Handle(SetBtn, &QPushButton::clicked, nullptr, [this] { SetBtnClick(); });
}

QWidget *TVLan8021dPriorityForm::BuildPage(const char *name, const char *caption, QTreeWidget *&list,
                                           QWidget *fields) {
  auto *sheet = Named(new QWidget, name);
  auto *column = new QVBoxLayout(sheet);
  column->setContentsMargins(4, 4, 4, 4);
  list = MakeGridListView(sheet, "");
  column->addWidget(list, 1);
  if (fields) column->addWidget(fields);
  PageControl1->addTab(sheet, QString::fromLatin1(caption));
  return sheet;
}

void TVLan8021dPriorityForm::FormCreate() {
  pages_[0] = {LV_dot1dPortPriorityEntry, nullptr, PortPriorityPortNum, nullptr,
               {DefaultUserPriority, SupportedTrafficClassesNum}};
  pages_[1] = {LV_dot1dUserPriorityRegenEntry, nullptr, RegenPortNum, UserPriority, {RegeneratedUserPriority}};
  pages_[2] = {LV_dot1dTrafficClassEntry, nullptr, TrafficPortNumber, TrafficClassPriority, {TrafficClass}};
  pages_[3] = {LV_dot1dPortOutboundAccessPriorityEntry, nullptr, nullptr, nullptr, {}};

  Guarded(nullptr, [this] {
    PortPriorityBinding = CreateBinding(PortPriorityDefs, 1, LV_dot1dPortPriorityEntry);
    pages_[0].Binding = PortPriorityBinding;
    PortPriorityBinding->Associate(0, PortPriorityPortNum);
    PortPriorityBinding->AssociateFormat(1, "%i{n0x7l1}", {DefaultUserPriority});
    PortPriorityBinding->AssociateFormat(2, "%i{n0x8l1}", {SupportedTrafficClassesNum});
  });
  Guarded(nullptr, [this] {
    RegenBinding = CreateBinding(UserPriorityRegenDefs, 2, LV_dot1dUserPriorityRegenEntry);
    pages_[1].Binding = RegenBinding;
    RegenBinding->Associate(0, RegenPortNum);
    RegenBinding->Associate(1, UserPriority);
    RegenBinding->AssociateFormat(2, "%i{n0x7l1}", {RegeneratedUserPriority});
  });
  Guarded(nullptr, [this] {
    TrafficClassBinding = CreateBinding(TrafficClassMapDefs, 2, LV_dot1dTrafficClassEntry);
    pages_[2].Binding = TrafficClassBinding;
    TrafficClassBinding->Associate(0, TrafficPortNumber);
    TrafficClassBinding->Associate(1, TrafficClassPriority);
    TrafficClassBinding->AssociateFormat(2, "%i{n0x7l1}", {TrafficClass});
  });
  Guarded(nullptr, [this] {
    OutboundBinding = CreateBinding(OutboundAccessPriorityDefs, 2, LV_dot1dPortOutboundAccessPriorityEntry);
    pages_[3].Binding = OutboundBinding;
  });
  if (PortPriorityBinding) Guarded(PortPriorityBinding, [this] { PortPriorityBinding->Refresh(); });
  ShowCount(pages_[0]);
  PageControl1->setCurrentIndex(0);
}

KvSNMPRequest2Edits *TVLan8021dPriorityForm::CreateBinding(const KvSNMPVarDef *defs, int keyCount,
                                                           QTreeWidget *list) {
  KvSNMPRequest2Edits *binding = NewEditsBinding();
  binding->Request.VarList = KvSNMPVarList(defs, MVT_FMV, keyCount);
  binding->RequestMode = KvSNMPRequest2Controls::Blocking;
  binding->BindListView(list, true);
  binding->SetStatusOutput(Memo1);
  return binding;
}

// Pages 1 to 3 write; page 4 only shows. A page is read every time it is shown; a
// failure of that read is shown in a message box.
void TVLan8021dPriorityForm::PageControl1Change(int page) {
  if (page < 0 || page >= static_cast<int>(pages_.size())) return;
  SetBtn->setVisible(page != 3);
  try {
    ShowPage(page);
  } catch (const std::exception &e) {
    Platform::ShowMessageBox(this, e.what(), Platform::ProgramFileName());
  }
  ShowCount(pages_[page]);
  EmptyFields(pages_[page]);
}

void TVLan8021dPriorityForm::RefreshBtnClick() {
  const int page = PageControl1->currentIndex();
  if (page < 0) return;
  SetBtn->setVisible(page != 3);
  Guarded(pages_[page].Binding, [this, page] { ShowPage(page); });
  ShowCount(pages_[page]);
  EmptyFields(pages_[page]);
}

void TVLan8021dPriorityForm::SetBtnClick() {
  Page &page = Current();
  if (!page.Binding || !page.PortKey) return;
  Guarded(page.Binding, [this, &page] {
    const QString port = page.PortKey->text();
    const QString second = page.SecondKey ? page.SecondKey->text() : QString();
    {
      KvWriteScope write(*page.Binding);
      write.Apply(true, true);
    }
    // The table was read again: the same row, by its keys, shows in the fields again.
    for (int i = 0; i < page.List->topLevelItemCount(); ++i) {
      QTreeWidgetItem *item = page.List->topLevelItem(i);
      if (item->text(0) == port && (!page.SecondKey || item->text(1) == second)) {
        page.List->setCurrentItem(item);
        item->setSelected(true);
        break;
      }
      EmptyFields(page);
    }
    ShowCount(page);
  });
}

void TVLan8021dPriorityForm::ShowPage(int page) {
  if (pages_[page].Binding) pages_[page].Binding->Refresh();
}

void TVLan8021dPriorityForm::EmptyFields(const Page &page) {
  for (QLabel *key : {page.PortKey, page.SecondKey})
    if (key) key->clear();
  for (QLineEdit *edit : page.Edits) edit->clear();
}

void TVLan8021dPriorityForm::ShowCount(const Page &page) {
  ST_Count->setText(QString::number(page.List->topLevelItemCount()));
}

TVLan8021dPriorityForm::Page &TVLan8021dPriorityForm::Current() {
  const int page = PageControl1->currentIndex();
  return pages_[page < 0 ? 0 : page];
}

void OpenVLan8021dPriorityForm(QWidget *owner, const std::string &currentWindowTitle,
                               const std::string &addressText) {
  auto *window = new TVLan8021dPriorityForm(owner);
  window->SetCaption(TBaseForm::CaptionWithAddress(currentWindowTitle, addressText));
  window->ShowModal();
  window->DeleteWhenIdle();
}
