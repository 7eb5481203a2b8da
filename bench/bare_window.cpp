// The reference a user would hold the module's start-up and idle against: a bare Qt
// program, nothing but Qt Widgets and net-snmp, that opens a window of the main window's
// front-panel size and reads one value of the agent with net-snmp's blocking API.
//
//   build/bench/bare_window PORT first-paint   prints "painted <resident KiB>" at its first paint, exits
//   build/bench/bare_window PORT first-paint-menu   the same with a menu bar of one menu: the window
//                                               paints text, so the fonts are loaded as in any window
//                                               with a caption
//   build/bench/bare_window PORT idle SECONDS  shows the window, waits for it to settle, then
//                                               prints "idle <cpu seconds> <wall seconds>" over SECONDS
//
// Built twice: bare_window, and bare_window_charts, linked to Qt Charts as well (nothing of it is
// used), which shows what loading that library costs at start.

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>

#ifdef BARE_WITH_CHARTS
#include <QChart>
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>

namespace {
long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return 0;
}

double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// sysDescr.0 of the agent, SNMPv2c.
bool GetOne(int port) {
  init_snmp("bare_window");
  netsnmp_session settings;
  snmp_sess_init(&settings);
  const std::string peer = "udp:127.0.0.1:" + std::to_string(port);
  settings.peername = const_cast<char *>(peer.c_str());
  settings.version = SNMP_VERSION_2c;
  settings.community = reinterpret_cast<u_char *>(const_cast<char *>("rdwalk"));
  settings.community_len = 6;
  void *session = snmp_sess_open(&settings);
  if (!session) return false;
  netsnmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_GET);
  const oid sysDescr[] = {1, 3, 6, 1, 2, 1, 1, 1, 0};
  snmp_add_null_var(pdu, sysDescr, sizeof sysDescr / sizeof sysDescr[0]);
  netsnmp_pdu *response = nullptr;
  const bool answered = snmp_sess_synch_response(session, pdu, &response) == STAT_SUCCESS && response;
  if (response) snmp_free_pdu(response);
  snmp_sess_close(session);
  return answered;
}

class FirstPaint : public QObject {
public:
  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() == QEvent::Paint) {
      std::printf("painted %ld\n", ResidentKiB());
      std::fflush(stdout);
      std::_Exit(0);
    }
    return false;
  }
};
}  // namespace

int main(int argc, char **argv) {
  if (argc < 3) return 2;
  const int port = std::atoi(argv[1]);
  const bool idle = std::strcmp(argv[2], "idle") == 0;
  // Qt's notes (the offscreen platform's on size hints) would fill the benchmark's output.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
  QApplication app(argc, argv);
  const bool menu = std::strcmp(argv[2], "first-paint-menu") == 0;
#ifdef BARE_WITH_CHARTS
  // Named, so the library stays linked and is loaded at start, as in the module.
  const QMetaObject *volatile chartClass = &QChart::staticMetaObject;
  (void)chartClass;
#endif
  // The reference is a plain widget of the front panel's size, as it always was; the menu
  // variant a main window with one menu, whose bar is the first to paint text. Only the
  // one measured is made.
  std::unique_ptr<QWidget> window;
  QWidget *watched = nullptr;
  if (menu) {
    auto main = std::make_unique<QMainWindow>();
    main->setCentralWidget(new QWidget);
    main->resize(786, 133);
    main->menuBar()->addMenu("&File");
    watched = main->menuBar();
    window = std::move(main);
  } else {
    window = std::make_unique<QWidget>();
    window->setFixedSize(786, 133);
    watched = window.get();
  }
  if (!GetOne(port)) return 1;
  FirstPaint paint;
  if (!idle) watched->installEventFilter(&paint);
  window->show();
  if (!idle) return app.exec();

  const int seconds = argc > 3 ? std::atoi(argv[3]) : 10;
  double cpu = 0;
  QElapsedTimer wall;
  QTimer::singleShot(2000, &app, [&] {
    cpu = CpuSeconds();
    wall.start();
    QTimer::singleShot(seconds * 1000, &app, [&] {
      std::printf("idle %.6f %.6f\n", CpuSeconds() - cpu, static_cast<double>(wall.nsecsElapsed()) / 1e9);
      std::fflush(stdout);
      app.quit();
    });
  });
  return app.exec();
}
