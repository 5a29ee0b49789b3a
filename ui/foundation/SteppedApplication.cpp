#include "SteppedApplication.h"

#include <QThread>

#include <utility>

int SteppedApplication::_depth = 0;
std::vector<SteppedApplication::PutOffWork> SteppedApplication::_putOff;

namespace {

// Counts a step for as long as it is under way, however it ends: an
// exception out of a step must not leave every later step counted inside it.
class StepUnderWay
{
public:
    explicit StepUnderWay(int& depth) : _depth(depth) { ++_depth; }
    ~StepUnderWay() { --_depth; }
    StepUnderWay(const StepUnderWay&) = delete;
    StepUnderWay& operator=(const StepUnderWay&) = delete;

private:
    int& _depth;
};

} // namespace

SteppedApplication::SteppedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

int SteppedApplication::stepDepth()
{
    return _depth;
}

void SteppedApplication::runOutsideOtherSteps(QObject* context, std::function<void()> work)
{
    if (_depth <= 1) {
        work();
        return;
    }
    _putOff.push_back({context, std::move(work)});
}

bool SteppedApplication::notify(QObject* receiver, QEvent* event)
{
    // Other threads' events are no steps of the program's interface.
    if (QThread::currentThread() != thread())
        return QApplication::notify(receiver, event);
    bool handled = false;
    {
        const StepUnderWay step(_depth);
        handled = QApplication::notify(receiver, event);
    }
    if (_depth == 0 && !_putOff.empty())
        _runPutOffWork();
    return handled;
}

void SteppedApplication::_runPutOffWork()
{
    // Each work is a step of its own: what it lets through while it turns
    // the loop is put off behind it, as under any other step.
    while (!_putOff.empty()) {
        PutOffWork next = std::move(_putOff.front());
        _putOff.erase(_putOff.begin());
        if (!next.context)
            continue;
        const StepUnderWay step(_depth);
        next.work();
    }
}
