// The request for the parameter editor from the online actuator window: it opens once on
// a tick of its timer, waits while the program's commands are locked, and leaves no timer
// running afterwards.
#include "parameters/EditorOpenRequest.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <gtest/gtest.h>
#include <QTest>

namespace kvt7::test {
namespace {

// Events for a few ticks of the request's short interval.
void RunTicks(int ticks)
{
    QDeadlineTimer deadline(ticks * 5);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

struct EditorOpenRequestTest : ::testing::Test {
    bool locked = false;
    int opened = 0;
    EditorOpenRequest request{[this] { return locked; }, [this] { ++opened; }, 2};
};

TEST_F(EditorOpenRequestTest, TheTimerIsOffUntilARequestAndOpensTheEditorOnce)
{
    EXPECT_EQ(EditorOpenRequest::kIntervalMs, 1000);
    EXPECT_FALSE(request.timerRunning());
    RunTicks(4);
    EXPECT_EQ(opened, 0);

    request.request();
    EXPECT_TRUE(request.pending());
    EXPECT_TRUE(request.timerRunning());
    ASSERT_TRUE(QTest::qWaitFor([&] { return opened > 0; }, 5000));
    EXPECT_FALSE(request.pending());
    EXPECT_FALSE(request.timerRunning());
    RunTicks(6);
    EXPECT_EQ(opened, 1);
}

TEST_F(EditorOpenRequestTest, ALockedProgramKeepsTheRequestUntilTheRelease)
{
    locked = true;
    request.request();
    RunTicks(10);
    EXPECT_EQ(opened, 0);
    EXPECT_TRUE(request.pending());
    EXPECT_TRUE(request.timerRunning());

    // A second request while the first waits still opens one editor.
    request.request();
    locked = false;
    ASSERT_TRUE(QTest::qWaitFor([&] { return opened > 0; }, 5000));
    RunTicks(6);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(request.timerRunning());
}

TEST_F(EditorOpenRequestTest, TheTimerHasItsName)
{
    EXPECT_NE(request.findChild<QTimer*>(QStringLiteral("Timer2")), nullptr);
}

}  // namespace
}  // namespace kvt7::test
