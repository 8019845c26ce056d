// A failed exchange of a running move: the stop goes out before the failure's message and no
// further move follows.
#include "MoveTestFixture.h"

#include <QTimer>

namespace kvt7::test {
namespace {

class MoveFailureStop : public MoveTestFixture {
protected:
    MoveFailureStop() { keepJournal(port); }
    // From the moment `trigger` goes out, requests beginning with `prefix` get `reply`.
    void failAfter(const QString& trigger, const QString& prefix, const QByteArray& reply)
    {
        controller.onRequest = [this, trigger, prefix, reply](const QString& line) {
            if (line == trigger)
                controller.overrides[prefix] = reply;
        };
    }
    QString alarmText() const { return "message:" + text(104) + "\r\nError No.3\r\n[Not homed]"; }
};

TEST_F(MoveFailureStop, SelectiveRunStopsBeforeTheMessageAndMovesNoFurther)
{
    row({"5", "12"});
    move.inputs().repeat = true;
    controller.overrides["0MP0053"] = QByteArray();  // no answer
    dispatch(MoveTest::Selective);
    EXPECT_EQ(journal, QStringList({"0RA", "0RH", "0MP0053", "0SP", "message:" + timeoutText()}));
    EXPECT_TRUE(move.stoppedByLinkFailure());

    // An error reply to the ready query while the move runs.
    journal.clear();
    controller.overrides.clear();
    failAfter("0MP0053", "0RA", "0%%013\r\n");
    dispatch(MoveTest::Selective);
    EXPECT_EQ(journal, QStringList({"0RA", "0RH", "0MP0053", "0RA", "0SP", alarmText()}));
}

TEST_F(MoveFailureStop, ContinualRunStopsBeforeTheRecoveryOfAnUnusableReply)
{
    SetContinualEnd(move.inputs(), 3);
    failAfter("0MP0013", "0RA", "0RA12\r\n");
    dispatch(MoveTest::Continual);
    EXPECT_EQ(journal, QStringList({"0RA", "0RH", "0MP0013", "0RA", "0SP", "0CM0",
                                    "message:" + text(105) + "\r\n" + text(106)}));
}

TEST_F(MoveFailureStop, GroupAndOriginReturnStopBeforeTheirMessages)
{
    move.inputs().group = 5;
    controller.overrides["0MG"] = "0%%013\r\n";
    dispatch(MoveTest::Group);
    EXPECT_EQ(journal, QStringList({"0RA", "0RH", "0MG05", "0SP", alarmText()}));

    // The origin move of the return to origin gets no answer.
    journal.clear();
    controller.overrides.clear();
    controller.overrides["0MM"] = QByteArray();
    dispatch(MoveTest::Home);
    EXPECT_EQ(journal, QStringList({"0CM1", "0RA", "0MM0003", "0SP", "message:" + timeoutText()}));

    // The home sensor alarm during its wait: stop, the alarm, then what to look at.
    journal.clear();
    controller.overrides.clear();
    controller.busyQueries = 0;
    failAfter("0MM0003", "0RA", "0%%134\r\n");
    dispatch(MoveTest::Home);
    ASSERT_EQ(journal.size(), 7);
    EXPECT_EQ(journal.mid(0, 5), QStringList({"0CM1", "0RA", "0MM0003", "0RA", "0SP"}));
    EXPECT_EQ(journal.at(5), "message:" + text(104) + "\r\nError No.4\r\n[Home sensor]");
    EXPECT_TRUE(journal.at(6).startsWith("message:" + text(562)));
}

TEST_F(MoveFailureStop, AnotherExchangeFailingDuringAMoveEndsTheRun)
{
    row({"1", "2"});
    controller.busyQueries = 1000;
    controller.overrides["0CM1"] = "0%%013\r\n";
    // Another window's exchange, once the link is free, while the first move runs.
    std::function<void()> foreign = [&] {
        if (link.inTransaction())
            QTimer::singleShot(5, &link, foreign);
        else
            link.SendCommand("0CM", "1", 6);
    };
    controller.onRequest = [&](const QString& line) {
        if (line == "0MP0013")
            QTimer::singleShot(150, &link, foreign);
    };
    dispatch(MoveTest::Selective);
    const int at = int(journal.indexOf("0CM1"));
    ASSERT_GT(at, 0);
    EXPECT_EQ(journal.mid(at), QStringList({"0CM1", "0SP", alarmText()}));
    EXPECT_EQ(moves(), QStringList({"0MP0013", "0SP"}));
    EXPECT_TRUE(move.stoppedByLinkFailure());
}

}  // namespace
}  // namespace kvt7::test
