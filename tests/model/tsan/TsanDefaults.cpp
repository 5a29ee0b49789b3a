// The sanitizer reads these options at start-up (TSAN_OPTIONS from the
// environment still overrides them), so the tests run the same from ctest
// and by hand: stop at the first report, with the suppressions for Qt's
// internals.
extern "C" const char* __tsan_default_options()
{
    return "halt_on_error=1 second_deadlock_stack=1 suppressions=" VIDORNA_TSAN_SUPPRESSIONS;
}
