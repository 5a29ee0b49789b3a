#include <QByteArray>
#include <QtGlobal>

// The sanitizer reads these options at start-up (TSAN_OPTIONS from the
// environment still overrides them), so the tests run the same from ctest
// and by hand: stop at the first report, with the suppressions for Qt's
// internals.
extern "C" const char* __tsan_default_options()
{
    return "halt_on_error=1 second_deadlock_stack=1 suppressions=" VIDORNA_TSAN_SUPPRESSIONS;
}

namespace {

// The model paints into pictures only, so these tests need no display. The
// X11 platform plugin would bring its event reader thread and uninstrumented
// libxcb locking; the offscreen one brings neither. Set before the
// application object exists, unless the caller chose a platform.
const bool s_offscreen = [] {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    return true;
}();

} // namespace
