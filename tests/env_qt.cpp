// One Qt application object for every test of a layer that paints: a QGuiApplication for
// the graph objects, a QApplication for the widget layers (VIRK_TEST_WIDGETS).
#include <gtest/gtest.h>

#include <memory>

#ifdef VIRK_TEST_WIDGETS
#include <QApplication>
using ApplicationTest = QApplication;
#else
#include <QGuiApplication>
using ApplicationTest = QGuiApplication;
#endif

namespace {

class EnvironnementQt : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!ApplicationTest::instance()) {
            static int argc = 1;
            static char nom[] = "test";
            static char* argv[] = {nom, nullptr};
            application_ = std::make_unique<ApplicationTest>(argc, argv);
        }
    }
    void TearDown() override { application_.reset(); }

private:
    std::unique_ptr<ApplicationTest> application_;
};

const auto* const enregistre = ::testing::AddGlobalTestEnvironment(new EnvironnementQt);

}  // namespace
