// The main of every test executable: the Qt application object its tests
// need for the whole run, then GoogleTest. The executable's build chooses the
// kind (VIDORNA_TEST_APPLICATION_CORE, _GUI or _WIDGETS); only the last two
// need a display. Widget tests run under the program's own application
// class, which puts off releases asked for inside a step under way.

#if defined(VIDORNA_TEST_APPLICATION_WIDGETS)
#include "SteppedApplication.h"
using TestApplication = SteppedApplication;
#elif defined(VIDORNA_TEST_APPLICATION_GUI)
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// Qt's PulseAudio backend disconnects its server connection from a static
// destructor without holding its mainloop's lock, while that mainloop's
// thread still dispatches: now and then the process aborts inside libpulse
// after every test has passed. The tests release their own sound objects
// with the application object, so the process ends here without the
// libraries' exit-time teardown.
[[noreturn]] void endProcess(int status)
{
#if defined(__SANITIZE_ADDRESS__)
    // The leak check would otherwise run from the skipped exit handlers.
    __lsan_do_leak_check();
#endif
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (done by the build, without a display) needs no application.
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    int status = 0;
    {
        TestApplication app(argc, argv);
        status = RUN_ALL_TESTS();
    }
    endProcess(status);
}
