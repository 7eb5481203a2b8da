// The program itself, started as the host suite starts it.

#include "agent_process.h"
#include "kv_single_instance.h"
#include "scoped_variable.h"
#include "startup_settings.h"
#include "switch_sim_agent.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <fstream>
#include <memory>

namespace {
class ModuleProcess : public ::testing::Test {
protected:
  void SetUp() override {
    runtime_ = MakeTempDir("kvrun");
    work_ = MakeTempDir("kvwork");
    ::setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
  }

  std::unique_ptr<QProcess> Start(const QStringList &arguments, bool display = true) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The test's own platform: offscreen, or a real display (Xvfb.Module); or none at all.
    env.insert("QT_QPA_PLATFORM", qEnvironmentVariable("QT_QPA_PLATFORM", "offscreen"));
    if (!display)
      for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(name);
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime_));
    env.insert("XDG_CONFIG_DIRS", QString::fromStdString(work_ + "/no-config"));
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(QString::fromStdString(work_));
    process->start(KV_MS2416X, arguments);
    EXPECT_TRUE(process->waitForStarted(10000));
    return process;
  }

  // Asks the instance for `address` to come to the front until it answers.
  static bool Answers(const std::string &address, int timeoutMs = 20000) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < until) {
      if (Platform::ActivateRunningInstance(MainCaption(address), 1000) ==
          Platform::InstanceAnswer::Activated)
        return true;
      QThread::msleep(50);
    }
    return false;
  }

  std::string runtime_, work_;
};

QStringList HostSuiteCommandLine(const std::string &address, int port) {
  return {QString::fromStdString("/I" + address), QString("/t%1").arg(port), "/v1", "/Rrdwalk",
          "/Wwrtgate"};
}
}  // namespace

TEST_F(ModuleProcess, HelpAndVersionPrintAndEndAndAStartWithoutDisplaySaysSo) {
  // Without a display the start says what is missing, where Qt would abort.
  auto headless = Start(HostSuiteCommandLine("127.0.0.1", 161), false);
  ASSERT_TRUE(headless->waitForFinished(10000));
  EXPECT_EQ(headless->exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(headless->exitCode(), 1);
  EXPECT_TRUE(QString::fromLocal8Bit(headless->readAllStandardError()).startsWith("ms2416x: no display"));

  for (const char *option : {"--help", "--version"}) {
    auto process = Start({option});
    ASSERT_TRUE(process->waitForFinished(10000)) << option;
    EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process->exitCode(), 0) << option;
    const QString out = QString::fromLocal8Bit(process->readAllStandardOutput());
    EXPECT_TRUE(out.startsWith(option == std::string("--help") ? "Usage: ms2416x" : "ms2416x "))
        << out.toStdString();
  }
}

TEST_F(ModuleProcess, ASecondStartForTheSameSwitchRaisesTheFirstAndEnds) {
  SwitchSimAgent sim;
  ASSERT_TRUE(sim.Started());
  auto first = Start(HostSuiteCommandLine("127.0.0.1", sim.Port()));
  ASSERT_TRUE(Answers("127.0.0.1")) << first->readAllStandardError().toStdString();
  // It holds credentials: no core file (soft and hard limit 0).
  std::ifstream limits("/proc/" + std::to_string(first->processId()) + "/limits");
  std::string line;
  while (std::getline(limits, line) && line.rfind("Max core file size", 0) != 0) {
  }
  EXPECT_NE(line.find(" 0                    0 "), std::string::npos) << line;

  auto second = Start(HostSuiteCommandLine("127.0.0.1", sim.Port()));
  ASSERT_TRUE(second->waitForFinished(15000));
  EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second->exitCode(), 0);
  EXPECT_EQ(first->state(), QProcess::Running);

  // Another switch is another instance.
  auto other = Start({"/Ilocalhost", QString("/t%1").arg(sim.Port())});
  EXPECT_TRUE(Answers("localhost"));
  EXPECT_EQ(other->state(), QProcess::Running);
  other->kill();
  other->waitForFinished(5000);

  // An instance that was killed leaves its socket behind; the next start takes it over.
  first->kill();
  ASSERT_TRUE(first->waitForFinished(5000));
  auto third = Start(HostSuiteCommandLine("127.0.0.1", sim.Port()));
  EXPECT_TRUE(Answers("127.0.0.1"));
  EXPECT_EQ(third->state(), QProcess::Running);
  third->terminate();
  if (!third->waitForFinished(5000)) third->kill();
  third->waitForFinished(5000);
}

namespace {
constexpr uid_t kOtherUser = 54321;
}  // namespace

// Without XDG_RUNTIME_DIR the sockets live in a folder of the temporary folder that must
// be the user's alone; another user's folder, or a link in its place, is never used.
TEST(InstanceFolder, IsTheUsersAloneOrNone) {
  const std::string tmp = MakeTempDir("kvtmp");
  ScopedVariable tmpdir("TMPDIR", tmp.c_str());
  ScopedVariable runtime("XDG_RUNTIME_DIR", nullptr);
  const uid_t me = ::geteuid();
  const std::string own = tmp + "/ms2416x-" + std::to_string(me);
  namespace fs = std::filesystem;
  const auto mode = [](const std::string &path) { return fs::symlink_status(path).permissions() & fs::perms::all; };

  EXPECT_EQ(Platform::InstanceFolder(), own);  // made, mode 0700
  EXPECT_EQ(mode(own), fs::perms::owner_all);
  EXPECT_EQ(Platform::InstanceSocketName("x").rfind(own + "/ms2416x-", 0), 0u);
  fs::permissions(own, fs::perms::all);  // the user's own, opened up: closed again
  EXPECT_EQ(Platform::InstanceFolder(), own);
  EXPECT_EQ(mode(own), fs::perms::owner_all);
  EXPECT_EQ(Platform::InstanceFolder(kOtherUser), "");  // not that user's folder
  fs::remove(own);
  fs::create_directory(tmp + "/elsewhere");
  fs::permissions(tmp + "/elsewhere", fs::perms::owner_all);
  fs::create_directory_symlink(tmp + "/elsewhere", own);
  EXPECT_EQ(Platform::InstanceFolder(), "");  // a link is not the folder
  EXPECT_EQ(Platform::InstanceSocketName("x"), "");
  EXPECT_EQ(Platform::ActivateRunningInstance("x", 100), Platform::InstanceAnswer::None);
  Platform::InstanceServer server;
  EXPECT_FALSE(server.Listen("x"));
  if (me == 0) {  // a folder squatted by another user
    fs::remove(own);
    fs::create_directory(own);
    fs::permissions(own, fs::perms::owner_all);
    ASSERT_EQ(::chown(own.c_str(), kOtherUser, kOtherUser), 0);
    EXPECT_EQ(Platform::InstanceFolder(), "");
  }
  // XDG_RUNTIME_DIR counts when it is the user's alone, else the fallback is used.
  const std::string xdg = MakeTempDir("kvxdgrun");
  fs::permissions(xdg, fs::perms::owner_all);
  ScopedVariable set("XDG_RUNTIME_DIR", xdg.c_str());
  EXPECT_EQ(Platform::InstanceFolder(), xdg);
  // Not that user's runtime folder, and the fallback made here would be this one's.
  EXPECT_EQ(Platform::InstanceFolder(kOtherUser), "");
  fs::remove_all(tmp);
  fs::remove_all(xdg);
}

// A listener that runs as another user and answers "activated" is not obeyed: the start
// goes on as a first instance.
TEST(InstanceSocket, AListenerOfAnotherUserIsNeverObeyed) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to listen as another user";
  const std::string xdg = MakeTempDir("kvsquat");
  std::filesystem::permissions(xdg, std::filesystem::perms::owner_all);
  ScopedVariable runtime("XDG_RUNTIME_DIR", xdg.c_str());
  const std::string name = Platform::InstanceSocketName(MainCaption("192.0.2.99"));
  ASSERT_FALSE(name.empty());
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t squatter = ::fork();
  ASSERT_GE(squatter, 0);
  if (squatter == 0) {  // bound as root in the user's folder, listening as someone else
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, name.c_str(), sizeof address.sun_path - 1);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0 ||
        ::setgid(kOtherUser) != 0 || ::setuid(kOtherUser) != 0 || ::listen(fd, 4) != 0)
      ::_exit(1);
    (void)!::write(ready[1], "r", 1);
    for (;;) {
      const int client = ::accept(fd, nullptr, nullptr);
      if (client < 0) ::_exit(0);
      char request[64];
      (void)!::read(client, request, sizeof request);
      (void)!::send(client, "activated\n", 10, MSG_NOSIGNAL);  // the one that hung up is no reason to end
      ::close(client);
    }
  }
  char byte = 0;
  ASSERT_EQ(::read(ready[0], &byte, 1), 1);
  EXPECT_EQ(Platform::ActivateRunningInstance(MainCaption("192.0.2.99"), 2000), Platform::InstanceAnswer::None);
  // The same listener counts for the user it runs as.
  EXPECT_EQ(Platform::ActivateRunningInstance(MainCaption("192.0.2.99"), 2000, kOtherUser),
            Platform::InstanceAnswer::Activated);
  ::kill(squatter, SIGKILL);
  ::waitpid(squatter, nullptr, 0);
  ::close(ready[0]);
  ::close(ready[1]);
  std::filesystem::remove_all(xdg);
}

// The listening side: a socket left by an instance that crashed is taken over, a live
// listener or a file that is no socket is not, only the request line is obeyed, and the
// socket goes with the server.
TEST(InstanceSocket, TakesOverALeftSocketOnlyAndObeysTheRequestLineOnly) {
  const std::string xdg = MakeTempDir("kvlisten");
  std::filesystem::permissions(xdg, std::filesystem::perms::owner_all);
  ScopedVariable runtime("XDG_RUNTIME_DIR", xdg.c_str());
  const std::string caption = MainCaption("192.0.2.98"), name = Platform::InstanceSocketName(caption);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, name.c_str(), sizeof address.sun_path - 1);
  const int left = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_EQ(::bind(left, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
  ::close(left);  // bound, never unlinked: what a crash leaves

  // What a client gets back for `line`, the server answering in this thread's event loop.
  const auto ask = [&](const std::string &line) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    std::string answer;
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) return std::string("refused");
    (void)!::send(fd, line.data(), line.size(), MSG_NOSIGNAL);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (char buffer[64]; std::chrono::steady_clock::now() < until;) {
      QCoreApplication::processEvents();
      const ssize_t n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
      if (n == 0) break;
      if (n > 0) answer.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return answer;
  };
  {
    Platform::InstanceServer server, second;
    ASSERT_TRUE(server.Listen(caption));
    EXPECT_FALSE(second.Listen(caption));  // the first one is alive
    EXPECT_EQ(ask("activate\n"), "activated\n");
    EXPECT_EQ(ask("activate now\n"), "");
    EXPECT_EQ(ask(std::string(100, 'a')), "");
    EXPECT_EQ(server.Requests(), 1);
  }
  EXPECT_FALSE(std::filesystem::exists(name));
  std::ofstream(name) << "not a socket";
  Platform::InstanceServer third;
  EXPECT_FALSE(third.Listen(caption));
  EXPECT_TRUE(std::filesystem::exists(name));
  std::filesystem::remove_all(xdg);
}
