// Steps inside steps: what a step puts off while another one waits runs once
// the outermost step has returned, all of it and in order, and a step that
// ends in an exception is no longer counted.
#include "SteppedApplication.h"

#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kWaitMs = 10000;

// Runs what it is given for each event sent to it.
class StepReceiver : public QObject
{
public:
    explicit StepReceiver(std::function<void()> onEvent) : _onEvent(std::move(onEvent)) {}

    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        _onEvent();
        return true;
    }

private:
    std::function<void()> _onEvent;
};

// Steps run from the event loop, and works that note their label once run.
class Steps
{
public:
    // Runs the body as one step of the loop; true once it has returned and
    // the loop is between steps again.
    bool runAsStep(const std::function<void()>& body)
    {
        bool returned = false;
        QTimer::singleShot(0, &context, [&] {
            body();
            returned = true;
        });
        return QTest::qWaitFor([&] { return returned && SteppedApplication::stepDepth() == 0; }, kWaitMs);
    }

    // Turns the loop inside the current step, as a modal box does, until
    // each event has been let through.
    void letThrough(const std::vector<std::function<void()>>& events)
    {
        QEventLoop loop;
        size_t left = events.size();
        for (const std::function<void()>& event : events) {
            QTimer::singleShot(0, &context, [&, event] {
                event();
                if (--left == 0)
                    loop.quit();
            });
        }
        QTimer::singleShot(kWaitMs, &loop, &QEventLoop::quit);
        loop.exec();
    }

    std::function<void()> putOff(int label, QObject* context = nullptr)
    {
        return [this, label, context] {
            SteppedApplication::runOutsideOtherSteps(context != nullptr ? context : &this->context,
                                                     [this, label] { ran.push_back(label); });
        };
    }

    // The context of the steps and of the works unless another is named.
    QObject context;
    std::vector<int> ran;
    size_t ranInsideTheStep = 0;
};

struct PutOffCase
{
    const char* name;
    std::function<void(Steps&)> whileTheStepWaits;
    std::vector<int> ran;
};

void PrintTo(const PutOffCase& row, std::ostream* out)
{
    *out << row.name;
}

const PutOffCase kPutOffCases[] = {
    {"OneWork", [](Steps& steps) { steps.letThrough({steps.putOff(1)}); }, {1}},
    {"ASecondWorkWhileTheFirstWaits", [](Steps& steps) { steps.letThrough({steps.putOff(1), steps.putOff(2)}); },
     {1, 2}},
    // The first work turns the loop itself: what it lets through waits
    // behind the works already put off.
    {"AWorkPutOffByAPutOffWork",
     [](Steps& steps) {
         steps.letThrough({[&steps] {
                               SteppedApplication::runOutsideOtherSteps(&steps.context, [&steps] {
                                   steps.letThrough({steps.putOff(2)});
                                   steps.ran.push_back(1);
                               });
                           },
                           steps.putOff(3)});
     },
     {1, 3, 2}},
    {"AWorkWhoseContextIsGoneIsSkipped",
     [](Steps& steps) {
         QPointer<QObject> context = new QObject;
         steps.letThrough({steps.putOff(1, context), [context] { delete context; }, steps.putOff(2)});
     },
     {2}},
};

class WorksPutOff : public ::testing::TestWithParam<PutOffCase>
{
};

TEST_P(WorksPutOff, RunOnceTheWaitingStepHasReturnedAllInTheirOrder)
{
    Steps steps;
    ASSERT_TRUE(steps.runAsStep([&] {
        GetParam().whileTheStepWaits(steps);
        steps.ranInsideTheStep = steps.ran.size();
    })) << "the step never returned";
    EXPECT_EQ(steps.ranInsideTheStep, 0u) << "a work ran under the step that waited";
    EXPECT_EQ(steps.ran, GetParam().ran);
}

INSTANTIATE_TEST_SUITE_P(Steps, WorksPutOff, ::testing::ValuesIn(kPutOffCases),
                         [](const ::testing::TestParamInfo<PutOffCase>& info) { return info.param.name; });

struct ExceptionCase
{
    const char* name;
    // What the step does; it ends in an exception.
    std::function<void()> step;
};

void PrintTo(const ExceptionCase& row, std::ostream* out)
{
    *out << row.name;
}

const ExceptionCase kExceptionCases[] = {
    {"OutOfTheStep", [] { throw std::runtime_error("step"); }},
    {"OutOfAWorkTheStepPutOff",
     [] {
         StepReceiver inner([] {
             SteppedApplication::runOutsideOtherSteps(QCoreApplication::instance(),
                                                      [] { throw std::runtime_error("work"); });
         });
         QEvent event(QEvent::User);
         QCoreApplication::sendEvent(&inner, &event);
     }},
};

class AnException : public ::testing::TestWithParam<ExceptionCase>
{
};

TEST_P(AnException, LeavesNoStepCountedAndTheNextStepRunsItsWorkAtOnce)
{
    StepReceiver receiver(GetParam().step);
    QEvent event(QEvent::User);
    EXPECT_THROW(QCoreApplication::sendEvent(&receiver, &event), std::runtime_error);
    EXPECT_EQ(SteppedApplication::stepDepth(), 0);

    Steps steps;
    ASSERT_TRUE(steps.runAsStep([&] {
        steps.putOff(1)();
        steps.ranInsideTheStep = steps.ran.size();
    })) << "the step never returned";
    EXPECT_EQ(steps.ranInsideTheStep, 1u) << "the work was put off behind a step that had ended";
}

INSTANTIATE_TEST_SUITE_P(Steps, AnException, ::testing::ValuesIn(kExceptionCases),
                         [](const ::testing::TestParamInfo<ExceptionCase>& info) { return info.param.name; });

} // namespace
