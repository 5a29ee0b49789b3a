// The sanitizer reads these options at start-up (ASAN_OPTIONS from the
// environment still overrides them), so the tests run the same from ctest
// and by hand. What these tests look for is a widget touched after its
// deletion; the leak report at exit would only list allocations that the
// system's D-Bus and Qt's gesture manager keep until the process ends.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0 halt_on_error=1";
}
