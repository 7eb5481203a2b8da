// ms2416x-companion-screenshots FOLDER MODULE-PARAMETERS...: opens every view of the
// companion program with the module's parameters and saves each page, once filled, as
// FOLDER/<view>.png (further pages as <view>-2.png, ...).

#include "companion_start.h"
#include "companion_views.h"
#include "config_form.h"
#include "kv_message_box.h"
#include "live_view.h"
#include "snmp_editor_panel.h"
#include "modal_watch.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTabWidget>
#include <QTreeView>

#include <iostream>
#include <string>
#include <vector>

// Settled for half a second: the list draws its rows at its own pace.
constexpr int kQuietTicks = 10;

int main(int argc, char **argv) {
  if (argc < 3) {
    std::cerr << "usage: ms2416x-companion-screenshots FOLDER MODULE-PARAMETERS...\n";
    return 2;
  }
  QApplication app(argc, argv);
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  Platform::SetMessageBoxHook([](const Platform::ShownMessage &m) {
    std::cout << "message box: " << m.Text << "\n";
    return Platform::DefaultButton(m.Buttons);
  });
  bool ok = true;
  for (const KvCompanionView &view : CompanionViews()) {
    std::vector<std::string> parameters(argv + 2, argv + argc);
    parameters.push_back(std::string("/T") + view.Name);
    int status = 0;
    TConfigForm *form = StartCompanion(parameters, status, std::cerr);
    if (!form) return status ? status : 1;
    form->show();
    const int pages = form->Pages ? form->Pages->count() : 1;
    for (int page = 0; page < pages; ++page) {
      if (form->Pages) form->Pages->setCurrentIndex(page);
      bool settled = WaitUntilSettled(form, kQuietTicks);
      // A live view shows its rates from its second read on.
      auto *panel = (form->Pages ? form->Pages->currentWidget() : static_cast<QWidget *>(form))
                        ->findChild<TSNMPEditorPanel *>();
      if (settled && panel && panel->LiveView()) {
        panel->LiveView()->SetInterval(1);
        const int reads = panel->LiveView()->TimedReads();
        QElapsedTimer clock;
        clock.start();
        while (panel->LiveView()->TimedReads() == reads && clock.elapsed() < 5000) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        settled = WaitUntilSettled(form, kQuietTicks);
      }
      const QString name = QString::fromLatin1(view.Name) + (page ? QString("-%1").arg(page + 1) : QString());
      const QString path = folder.filePath(name + ".png");
      const bool saved = form->grab().save(path);
      QWidget *shown = form->Pages ? form->Pages->currentWidget() : form;
      const auto *list = shown ? shown->findChild<QTreeView *>() : nullptr;
      std::cout << (saved && settled ? "saved " : "could not save ") << path.toStdString();
      if (list) std::cout << " (" << list->model()->rowCount() << " rows)";
      std::cout << "\n";
      ok = ok && saved && settled;
    }
    form->close();
    delete form;
  }
  return ok ? 0 : 1;
}
