// The main of every test executable: the Qt application object its tests
// need for the whole run, then GoogleTest. The executable's build chooses the
// kind (VIDORNA_TEST_APPLICATION_CORE, _GUI or _WIDGETS); only the last two
// need a display.

#if defined(VIDORNA_TEST_APPLICATION_WIDGETS)
#include <QApplication>
using TestApplication = QApplication;
#elif defined(VIDORNA_TEST_APPLICATION_GUI)
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (done by the build, without a display) needs no application.
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    TestApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
