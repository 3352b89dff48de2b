// The window tests need a QApplication; they run on the offscreen platform, also when started
// outside CTest.
#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ApplicationEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QApplication::instance()) App = std::make_unique<QApplication>(Argc, Argv);
    }
    void TearDown() override { App.reset(); }

  private:
    int Argc = 1;
    char Name[16] = "app_tests";
    char* Argv[2] = {Name, nullptr};
    std::unique_ptr<QApplication> App;
};

[[maybe_unused]] testing::Environment* const Environment =
    testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace
