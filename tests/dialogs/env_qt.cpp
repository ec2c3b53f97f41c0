// One QApplication for every test of this layer (widgets on the offscreen platform).
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

class EnvironnementQt : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!QApplication::instance()) {
            static int argc = 1;
            static char nom[] = "test_dialogs";
            static char* argv[] = {nom, nullptr};
            application_ = std::make_unique<QApplication>(argc, argv);
        }
    }
    void TearDown() override { application_.reset(); }

private:
    std::unique_ptr<QApplication> application_;
};

const auto* const enregistre = ::testing::AddGlobalTestEnvironment(new EnvironnementQt);

}  // namespace
