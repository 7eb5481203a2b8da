// ms2416x-screenshots FOLDER PARAMETERS...: starts the module with the host suite's
// parameters, waits for the front panel's first LED poll, saves the main window, then
// opens every window the menu opens (each generic and paged window, each feature window,
// the About box) and the port windows of the front panel, and saves each once its first
// read is done (a window with a list named "ListView1", as the ACL windows have, with its
// first row clicked, so that the fields show a profile or rule). A file is named after its
// menu entry and item ("G8-IGMPControlTable1.png").

#include "base_form.h"
#include "change_journal.h"
#include "connect_form.h"
#include "help_window.h"
#include "journal_form.h"
#include "kv_mib_mib2_set.h"
#include "kv_snmp_request.h"
#include "kv_message_box.h"
#include "kv_status_bar.h"
#include "main_form.h"
#include "main_menu.h"
#include "modal_watch.h"
#include "module_start.h"
#include "panel_form.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <iostream>
#include <string>
#include <vector>

namespace {
void Wait(int ms) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Presses and releases the mouse on the first row of the window's list, as a click does.
void ClickFirstRow(QWidget *window) {
  auto *list = window->findChild<QTreeWidget *>("ListView1");
  if (!list || list->topLevelItemCount() == 0) return;
  const QPoint at(5, list->visualItemRect(list->topLevelItem(0)).center().y());
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list->viewport(), &event);
  }
  Wait(200);
}

bool Save(QWidget *window, const QString &path) {
  const bool ok = window->grab().save(path);
  std::cout << (ok ? "saved " : "could not save ") << path.toStdString() << "\n";
  return ok;
}

// The menu entries whose windows are pictured: the generic windows, the feature windows
// (not Undo, which opens none), the port session statistics (a generic window behind a
// question) and the About box.
bool Pictured(const KvMenuEntry &entry) {
  if (std::string(entry.Key) == "F22") return false;
  switch (entry.Kind) {
  case KvEntryKind::Generic:
  case KvEntryKind::Pages:
  case KvEntryKind::Feature:
  case KvEntryKind::About: return true;
  case KvEntryKind::Special: return entry.Defs != nullptr;
  default: return false;
  }
}

// Lets events run until every binding of `window` is idle (at most 10 s), then a little
// longer for what is drawn after the last answer.
void WaitUntilIdle(QWidget *window) {
  QElapsedTimer clock;
  clock.start();
  auto busy = [window] {
    if (auto *form = qobject_cast<TBaseForm *>(window))
      for (const auto &binding : form->OwnedBindings())
        if (binding->Busy()) return true;
    return false;
  };
  do Wait(100);
  while (busy() && clock.elapsed() < 10000);
  Wait(300);
}

// Saves `window`, and each further page of its first page control as FILE-pageN.png.
bool SavePages(QWidget *window, const QString &path) {
  WaitUntilIdle(window);
  bool ok = Save(window, path);
  QTabWidget *pages = window->findChild<QTabWidget *>();
  if (!pages || !pages->isVisible()) return ok;
  const int shown = pages->currentIndex();
  for (int i = 0; i < pages->count(); ++i) {
    if (i == shown) continue;
    pages->setCurrentIndex(i);
    WaitUntilIdle(window);
    QString page = path;
    page.replace(QLatin1String(".png"), QStringLiteral("-page%1.png").arg(i + 1));
    ok = Save(window, page) && ok;
  }
  pages->setCurrentIndex(shown);
  return ok;
}

// Triggers `action`, saves the modal window it shows once settled, and closes it.
bool Picture(QAction *action, const QString &path) {
  bool saved = false;
  const bool settled = TriggerAndWatchModal(action, [&](QWidget *window) {
    ClickFirstRow(window);
    saved = SavePages(window, path);
    if (auto *dialog = qobject_cast<QDialog *>(window)) dialog->reject();
    else window->close();
  });
  if (!settled) std::cout << "no window settled for " << path.toStdString() << "\n";
  return settled && saved;
}
}  // namespace

int main(int argc, char **argv) {
  if (argc < 3) {
    std::cerr << "usage: ms2416x-screenshots FOLDER MODULE-PARAMETERS...\n";
    return 2;
  }
  QApplication app(argc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const std::vector<std::string> parameters(argv + 2, argv + argc);
  // No person answers: every box takes its default button and is reported.
  Platform::SetMessageBoxHook([](const Platform::ShownMessage &m) {
    std::cout << "message box: " << m.Text << "\n";
    return Platform::DefaultButton(m.Buttons);
  });

  // The change journal of a session of its own, with two changes for its window to list.
  QTemporaryDir journalFolder;
  KvChangeJournal journal("ms2416x", journalFolder.path().toStdString());
  journal.Install();
  int status = 0;
  std::unique_ptr<TMainForm> form = StartModule(parameters, status, std::cerr);
  if (!form) return status ? status : 1;
  try {
    KvJournalScope scope("System Information");
    KvSNMPRequest system;
    system.VarList = KvSNMPVarList(MibSystemDefs, SVT_SV, 0);
    const std::vector<std::string> values = {"noc@example.net", "Lab, rack 4"};
    system.Set(false, "3,5", &values);
  } catch (const std::exception &e) {
    std::cout << "no change for the journal: " << e.what() << "\n";
  }
  form->show();
  Wait(1500);  // the panel's first poll ran at creation; let the window paint
  bool ok = Save(form.get(), folder.filePath("main_window.png"));

  for (const KvMenuItemDef &item : MainMenuTree()) {
    const KvMenuEntry *entry = item.Key[0] ? FindMenuEntry(item.Key) : nullptr;
    if (!entry || !Pictured(*entry)) continue;
    const QString file = QStringLiteral("%1-%2.png").arg(QLatin1String(entry->Key), QLatin1String(item.Name));
    ok = Picture(form->MenuItem(item.Name), folder.filePath(file)) && ok;
  }

  // The port windows open on a double click of a port of the front panel.
  if (TPanelForm *panel = form->PanelForm) {
    QAction copper, combo;
    QObject::connect(&copper, &QAction::triggered, panel, [panel] {
      panel->SB_Port1Click(panel->SB_Port[0]);
      panel->SB_Port1DblClick(panel->SB_Port[0]);
    });
    QObject::connect(&combo, &QAction::triggered, panel, [panel] {
      panel->SB_Port1Click(panel->SpeedButton[0]);
      panel->SpeedButton1DblClick(panel->SpeedButton[0]);
    });
    ok = Picture(&copper, folder.filePath("port_window.png")) && ok;
    ok = Picture(&combo, folder.filePath("combo_port_window.png")) && ok;
  }
  // The help window, beside the others rather than modal.
  form->Help2Click();
  if (THelpWindow *help = THelpWindow::Instance()) {
    Wait(500);
    ok = Save(help, folder.filePath("help_window.png")) && ok;
    delete help;
  } else {
    std::cout << "no help window\n";
    ok = false;
  }
  // The connect window of --connect, filled in as a user would.
  {
    TConnectForm connect;
    connect.ED_Address->setText("192.0.2.10");
    connect.CB_Version->setCurrentIndex(connect.CB_Version->findText("SNMPv3"));
    connect.CB_Level->setCurrentIndex(connect.CB_Level->findText("authPriv"));
    connect.ED_User->setText("operator");
    connect.show();
    Wait(300);
    ok = Save(&connect, folder.filePath("connect_window.png")) && ok;
  }
  Platform::SetMessageBoxHook({});
  form->hide();
  return ok ? 0 : 1;
}
