// The session needs an application object for its signals and translations, and no window.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ApplicationEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        if (!QCoreApplication::instance()) App = std::make_unique<QCoreApplication>(Argc, Argv);
    }
    void TearDown() override { App.reset(); }

  private:
    int Argc = 1;
    char Name[16] = "session_tests";
    char* Argv[2] = {Name, nullptr};
    std::unique_ptr<QCoreApplication> App;
};

[[maybe_unused]] testing::Environment* const Environment =
    testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace
