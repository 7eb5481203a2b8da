// One QApplication for the whole test executable, created before the first test and
// destroyed after the last. CTest runs the widget tests on the offscreen platform.

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {
class QtApplicationEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { app_.reset(); }

private:
  int argc_ = 1;
  char name_[16] = "kv_widget_test";
  char *argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

const auto *const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);
}  // namespace
