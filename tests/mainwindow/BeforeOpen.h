#pragma once

#include <QByteArray>

#include <functional>

// Runs a step once, just before the program next opens the path, on the
// thread that opens it: the moment between a look at a file's name and its
// opening, which no event shows, is made wide enough for a test to put
// another file there. The executable's open and open64 take the C library's
// place for every caller and pass each call on to it.
class BeforeOpen
{
public:
    BeforeOpen(const QByteArray& path, std::function<void()> step);
    // A step that has not run by then never does.
    ~BeforeOpen();
    BeforeOpen(const BeforeOpen&) = delete;
    BeforeOpen& operator=(const BeforeOpen&) = delete;

    bool ran() const;
};
