// One QGuiApplication for every test of the graph layer (fonts, pixmaps, painting on QImage).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <memory>

namespace {

class EnvironnementQt : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (!QGuiApplication::instance()) {
            static int argc = 1;
            static char nom[] = "test_graph";
            static char* argv[] = {nom, nullptr};
            application_ = std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    void TearDown() override { application_.reset(); }

private:
    std::unique_ptr<QGuiApplication> application_;
};

const auto* const enregistre = ::testing::AddGlobalTestEnvironment(new EnvironnementQt);

}  // namespace
