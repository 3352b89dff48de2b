// Letters are drawn with QFont, which needs a running QGuiApplication (offscreen under CTest).
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <memory>

namespace {

class GuiEnvironment : public testing::Environment {
  public:
    void SetUp() override {
        if (!QGuiApplication::instance()) App = std::make_unique<QGuiApplication>(Argc, Argv);
    }
    void TearDown() override { App.reset(); }

  private:
    int Argc = 1;
    char Name[16] = "view_tests";
    char* Argv[2] = {Name, nullptr};
    std::unique_ptr<QGuiApplication> App;
};

[[maybe_unused]] testing::Environment* const Environment =
    testing::AddGlobalTestEnvironment(new GuiEnvironment);

} // namespace
