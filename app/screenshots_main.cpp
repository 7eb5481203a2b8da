// ms2416x-screenshots FOLDER PARAMETERS...: starts the module with the host suite's
// parameters, waits for the front panel's first LED poll, saves the main window, then
// opens one window of each kind from the menu and saves each once it is filled (the
// ACL windows with their first row selected, so that the fields show a profile or rule).

#include "kv_message_box.h"
#include "main_form.h"
#include "modal_watch.h"
#include "module_start.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTreeWidget>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QDialog>

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

  int status = 0;
  std::unique_ptr<TMainForm> form = StartModule(parameters, status, std::cerr);
  if (!form) return status ? status : 1;
  form->show();
  Wait(1500);  // the panel's first poll ran at creation; let the window paint
  bool ok = Save(form.get(), folder.filePath("main_window.png"));

  const struct {
    const char *Item, *File;
    bool SelectRow = false;
  } kWindows[] = {
      {"DeviceControl1", "editor_device_control.png"},      // a scalar group
      {"IGMPControlTable1", "list_igmp_control.png"},       // a table
      {"AACServerGroupTable1", "list_aac_server_group.png"}, // a table with Add and Delete
      {"UserTable1", "pages_usm_user.png"},                  // pages
      {"About1", "about.png"},
      {"EthernetMaskInformation1", "acl_ethernet_mask.png", true},
      {"IPMaskInformation1", "acl_ip_mask.png", true},
      {"PayloadMaskInformation1", "acl_payload_mask.png", true},
      {"EthernetInformationRule1", "acl_ethernet_rule.png", true},
      {"IPRule1", "acl_ip_rule.png", true},
      {"PayloadRule1", "acl_payload_rule.png", true},
  };
  for (const auto &w : kWindows) {
    QAction *action = form->MenuItem(w.Item);
    const QString path = folder.filePath(QString::fromLatin1(w.File));
    ok = TriggerAndWatchModal(action, [&](QWidget *window) {
           if (w.SelectRow) ClickFirstRow(window);
           Save(window, path);
           if (auto *dialog = qobject_cast<QDialog *>(window)) dialog->reject();
           else window->close();
         }) && ok;
  }
  Platform::SetMessageBoxHook({});
  form->hide();
  return ok ? 0 : 1;
}
