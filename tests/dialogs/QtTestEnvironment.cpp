#include "QtTestEnvironment.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// One application object for the whole test program, on the offscreen
// platform so that no display is needed.
class QtEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "vbx_dialogs_tests";
        static char* argv[] = { name, nullptr };
        m_application = new QApplication(argc, argv);
    }
    void TearDown() override
    {
        delete m_application;
    }

private:
    QApplication* m_application { nullptr };
};

[[maybe_unused]] testing::Environment* const g_environment = testing::AddGlobalTestEnvironment(new QtEnvironment);

}

void WhenModalOpens(std::function<void(QWidget*)> action)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [action, poll] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            action(modal);
            return;
        }
        QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}
