// The program itself, started as the host suite starts it.

#include "agent_process.h"
#include "kv_single_instance.h"
#include "startup_settings.h"
#include "switch_sim_agent.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>

namespace {
class ModuleProcess : public ::testing::Test {
protected:
  void SetUp() override {
    runtime_ = MakeTempDir("kvrun");
    work_ = MakeTempDir("kvwork");
    ::setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
  }

  std::unique_ptr<QProcess> Start(const QStringList &arguments) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
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

TEST_F(ModuleProcess, HelpAndVersionPrintAndEnd) {
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
