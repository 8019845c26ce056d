#include "LinkFixture.h"

#include "platform/Wait.h"

#include <QSignalSpy>
#include <QTimer>

namespace kvt7::test {
namespace {

using Transaction = Outcome (ControllerLink::*)(const QString&, const QString&, int);
constexpr Transaction kRetry = &ControllerLink::SendCommandWithRetry;
constexpr Transaction kSingle = &ControllerLink::SendCommand;
constexpr Transaction kQuiet = &ControllerLink::SendCommandQuiet;

class Transactions : public LinkFixture {
protected:
    Outcome send(Transaction variant, const QString& command = QStringLiteral("0CM"),
             const QString& data = QStringLiteral("1"), int length = 6)
    {
        return (link.*variant)(command, data, length);
    }
};

TEST_F(Transactions, AcceptedReplyGoesOutAsOneLineAndResetsTheAlarmDisplay)
{
    port.queueReply("0%%005\r\n");
    port.queueReply("0CM1\r\n");
    mode.SetOffline();
    mode.SwitchOnlineQuietly();
    EXPECT_EQ(send(kSingle), Outcome::Failed);
    ASSERT_TRUE(status.ControllerErrorPending());
    QSignalSpy displays(&status, &ControllerStatus::alarmDisplayChanged);

    EXPECT_EQ(send(kRetry), Outcome::Done);
    EXPECT_EQ(port.writes.last(), QByteArray("0CM1\r\n"));
    EXPECT_EQ(link.LastReply(), QStringLiteral("0CM1\r\n"));
    EXPECT_TRUE(link.ReplyComplete());
    EXPECT_FALSE(link.CommFailed());
    EXPECT_FALSE(status.ControllerErrorPending());
    EXPECT_EQ(status.alarmDisplay(), AlarmDisplay{});
    EXPECT_EQ(status.alarmDisplay().errorComment, QStringLiteral("No Error"));
    EXPECT_EQ(displays.count(), 1);
    EXPECT_TRUE(mode.isOnline());
    EXPECT_TRUE(mode.lampLit());
    EXPECT_TRUE(port.isOpen());
}

TEST_F(Transactions, RetrySendsTheIdenticalRequestSixTimesEachWaitingTheFullTimeOut)
{
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(send(kRetry, "0RA", "", 6), Outcome::Failed);
    EXPECT_GE(clock.elapsed(), 6 * 30);
    EXPECT_EQ(port.requests(), QStringList(6, "0RA"));
    EXPECT_EQ(link.PortOpenAttempt(), 6);
    EXPECT_EQ(dialogs.texts(), QStringList{timeoutText()});
    EXPECT_TRUE(link.CommFailed());
    EXPECT_TRUE(link.TimeoutElapsed());
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(mode.isOnline());
    EXPECT_FALSE(mode.lampLit());
}

TEST_F(Transactions, ReplyToTheThirdSendIsAccepted)
{
    port.queueSilence();
    port.queueSilence();
    port.queueReply("0RA1\r\n");
    EXPECT_EQ(send(kRetry, "0RA", "", 6), Outcome::Done);
    EXPECT_EQ(port.requests().size(), 3);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Transactions, SingleAndQuietGiveUpAtTheFirstTimeOut)
{
    EXPECT_EQ(send(kSingle), Outcome::Failed);
    EXPECT_EQ(port.requests().size(), 1);
    EXPECT_EQ(dialogs.texts(), QStringList{timeoutText()});
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(mode.isOnline());

    dialogs.clear();
    mode.SetOnline();
    EXPECT_EQ(send(kQuiet), Outcome::Failed);
    EXPECT_EQ(port.requests().size(), 2);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(link.CommFailed());
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(mode.isOnline());
}

TEST_F(Transactions, ZeroTimeOutWaitsForALateReply)
{
    link.setReplyTimeoutMs(0);
    port.setResponder([this](const QByteArray&) {
        QTimer::singleShot(150, &port, [this] { port.arrive("0MG01\r\n"); });
        return FakeSerialPort::Pieces{};
    });
    EXPECT_EQ(send(kSingle, "0MG", "01", 7), Outcome::Done);
    EXPECT_FALSE(link.TimeoutElapsed());
}

TEST_F(Transactions, ResettableErrorReplyIsShownAndKeepsTheLinkOnline)
{
    for (const Transaction variant : {kRetry, kSingle}) {
        dialogs.clear();
        port.queueReply("0%%005\r\n");
        EXPECT_EQ(send(variant), Outcome::Failed);
        EXPECT_EQ(dialogs.texts(),
                  QStringList{QString("Communication error occurs!") + "\r\nError No.5\r\n[Push fault]"});
        EXPECT_EQ(port.requests().last(), "0CM1");  // no recovery after an error reply
        EXPECT_TRUE(status.ControllerErrorPending());
        EXPECT_FALSE(status.FatalAlarm());
        EXPECT_EQ(status.LastErrorReply(), "0%%005\r\n");
        EXPECT_EQ(status.AlarmNumber(), "5");
        EXPECT_TRUE(status.AlarmFound());
        EXPECT_EQ(status.alarmDisplay(), (AlarmDisplay{true, "5", "Push fault"}));
        EXPECT_TRUE(mode.isOnline());
        EXPECT_TRUE(port.isOpen());
    }
}

TEST_F(Transactions, FatalErrorReplyClosesThePortAfterItsMessage)
{
    port.queueReply("0%%105\r\n");
    bool openDuringMessage = false;
    dialogs.onMessage = [&](const QString&) { openDuringMessage = port.isOpen(); };
    EXPECT_EQ(send(kRetry), Outcome::Failed);
    EXPECT_EQ(dialogs.texts(), QStringList{QString("Communication error occurs!") + "\r\nError No.5\r\n[Overvoltage]"});
    EXPECT_TRUE(openDuringMessage);
    EXPECT_TRUE(status.FatalAlarm());
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(mode.isOnline());
    EXPECT_FALSE(mode.lampLit());
}

TEST_F(Transactions, AlarmDigitMissingFromTheListShowsMessage32)
{
    port.queueReply("0%%009\r\n");
    EXPECT_EQ(send(kSingle), Outcome::Failed);
    EXPECT_EQ(dialogs.texts(), QStringList{QString("Communication error occurs!") + "\r\n[" + QString("No error information in the error List") + "]"});
    EXPECT_FALSE(status.AlarmFound());
    EXPECT_EQ(status.alarmDisplay(), (AlarmDisplay{true, "9", QString("No error information in the error List")}));
}

TEST_F(Transactions, QuietErrorReplyReleasesThePortAndKeepsTheMode)
{
    settings.PortOccupy = false;
    port.queueReply("0%%105\r\n");
    EXPECT_EQ(send(kQuiet), Outcome::Failed);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(status.FatalAlarm());
    EXPECT_EQ(status.alarmDisplay(), (AlarmDisplay{true, "5", "Overvoltage"}));
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(mode.isOnline());

    settings.PortOccupy = true;
    port.queueReply("0%%005\r\n");
    EXPECT_EQ(send(kQuiet), Outcome::Failed);
    EXPECT_TRUE(port.isOpen());
    EXPECT_TRUE(mode.isOnline());
}

TEST_F(Transactions, PrefixMismatchRunsTheRecoveryAndShowsMessage104)
{
    settings.PortOccupy = false;
    port.queueReply("0RB1\r\n");
    port.queueReply("0CM0\r\n");
    EXPECT_EQ(send(kRetry, "0RA", "", 6), Outcome::Failed);
    EXPECT_EQ(port.requests(), (QStringList{"0RA", "0CM0"}));
    EXPECT_EQ(dialogs.texts(), QStringList{QString("Communication error occurs!")});
    EXPECT_TRUE(link.CommFailed());
    EXPECT_FALSE(port.isOpen());  // released
    EXPECT_FALSE(mode.isOnline());
}

TEST_F(Transactions, LengthMismatchRunsTheRecoveryAndShowsMessages105And106)
{
    port.queueReply("0CM\r\n");  // the link check without its digit
    port.queueReply("anything at all\r\n");
    EXPECT_EQ(send(kSingle), Outcome::Failed);
    EXPECT_EQ(port.requests(), (QStringList{"0CM1", "0CM0"}));
    EXPECT_EQ(dialogs.texts(), QStringList{QString("Communication data length error occurs!") + "\r\n" + QString("Length of data is wrong.")});
    EXPECT_TRUE(link.CommFailed());
    EXPECT_TRUE(port.isOpen());  // PortOccupy keeps it
    EXPECT_FALSE(mode.isOnline());
}

// The unusable reply is still reported when "0CM0" goes unanswered: the callers stop their
// transfers on the strength of the failure having been shown.
TEST_F(Transactions, RecoveryTimeOutGoesOfflineAndStillReportsTheUnusableReply)
{
    port.queueReply("0XX1\r\n");
    port.queueSilence();
    EXPECT_EQ(send(kRetry), Outcome::Failed);
    EXPECT_EQ(port.requests(), (QStringList{"0CM1", "0CM0"}));
    EXPECT_EQ(dialogs.texts(), QStringList{QString("Communication error occurs!")});
    EXPECT_FALSE(mode.isOnline());
    EXPECT_TRUE(link.CommFailed());

    link.SwitchOnlineQuietly();
    port.queueReply("0CM11\r\n");
    port.queueSilence();
    EXPECT_EQ(send(kSingle), Outcome::Failed);
    EXPECT_EQ(dialogs.texts().last(),
              QString("Communication data length error occurs!") + "\r\n" + QString("Length of data is wrong."));

    const auto shown = dialogs.texts().size();
    link.SwitchOnlineQuietly();
    port.queueReply("0XX1\r\n");
    port.queueSilence();
    EXPECT_EQ(send(kQuiet), Outcome::Failed);
    EXPECT_EQ(dialogs.texts().size(), shown);
    EXPECT_TRUE(link.CommFailed());
}

TEST_F(Transactions, ErrorReplyToTheRecoveryIsReportedAsTheAlarm)
{
    port.queueReply("0XX1\r\n");
    port.queueReply("0%%01A\r\n");
    EXPECT_EQ(send(kRetry), Outcome::Failed);
    EXPECT_EQ(dialogs.texts(), QStringList{QString("Communication error occurs!") + "\r\nError No.A\r\n[Macro fault]"});
    EXPECT_TRUE(mode.isOnline());
    EXPECT_TRUE(status.ControllerErrorPending());
}

TEST_F(Transactions, QuietRecoveryKeepsTheModeOnlyForAnErrorReplyAfterAPrefixMismatch)
{
    port.queueReply("0XX1\r\n");
    port.queueReply("0%%005\r\n");
    EXPECT_EQ(send(kQuiet), Outcome::Failed);
    EXPECT_TRUE(mode.isOnline());
    EXPECT_EQ(status.LastErrorReply(), "0%%005\r\n");

    port.queueReply("0CM\r\n");
    port.queueReply("0%%01A\r\n");
    EXPECT_EQ(send(kQuiet), Outcome::Failed);
    EXPECT_EQ(status.LastErrorReply(), "0%%01A\r\n");
    EXPECT_EQ(status.AlarmNumber(), "A");
    EXPECT_FALSE(mode.isOnline());
    EXPECT_TRUE(link.CommFailed());

    mode.SetOnline();
    port.queueReply("0XX1\r\n");
    port.queueReply("0CM0\r\n");
    EXPECT_EQ(send(kQuiet), Outcome::Failed);
    EXPECT_FALSE(mode.isOnline());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Transactions, ReplyInPiecesIsAssembledUntilItEndsWithCrLf)
{
    port.queueReply(FakeSerialPort::Pieces{"0C", "M1\r", "\n"});
    EXPECT_EQ(send(kRetry), Outcome::Done);
    EXPECT_EQ(link.LastReply(), "0CM1\r\n");

    // A CR LF that is not at the end of what has arrived does not end the reply.
    port.queueReply(FakeSerialPort::Pieces{"0CM\r\n1", "\r\n"});
    port.queueReply("0CM0\r\n");
    EXPECT_EQ(send(kRetry), Outcome::Failed);
    EXPECT_EQ(link.LastReply(), "0CM0\r\n");
    EXPECT_EQ(dialogs.texts(), QStringList{QString("Communication data length error occurs!") + "\r\n" + QString("Length of data is wrong.")});
}

TEST_F(Transactions, TwoRepliesInOneReadFailTheLengthCheck)
{
    port.queueReply("0CM1\r\n0CM1\r\n");
    port.queueReply("0CM0\r\n");
    EXPECT_EQ(send(kRetry), Outcome::Failed);
    EXPECT_EQ(dialogs.texts(), QStringList{QString("Communication data length error occurs!") + "\r\n" + QString("Length of data is wrong.")});
}

TEST_F(Transactions, LeftOverCharactersBecomeTheFrontOfTheNextReply)
{
    ASSERT_EQ(link.OpenPort(), Outcome::Done);
    port.arrive("0C");
    EXPECT_EQ(link.ReceiveBuffer(), "0C");
    port.queueReply("M1\r\n");
    EXPECT_EQ(send(kSingle), Outcome::Done);
    EXPECT_EQ(link.LastReply(), "0CM1\r\n");
    EXPECT_TRUE(link.ReceiveBuffer().isEmpty());
}

TEST_F(Transactions, InputIsIgnoredWhileOffline)
{
    mode.SetOffline();
    port.setResponder([](const QByteArray&) { return FakeSerialPort::Pieces{"0CM1\r\n"}; });
    EXPECT_EQ(send(kSingle), Outcome::Failed);
    EXPECT_EQ(dialogs.texts(), QStringList{timeoutText()});
    EXPECT_TRUE(link.ReceiveBuffer().isEmpty());
    EXPECT_FALSE(link.ReplyComplete());
}

TEST_F(Transactions, PortThatCannotBeOpenedIsTriedSixTimesThenReportedOnce)
{
    port.openFailures = -1;
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(send(kRetry), Outcome::Failed);
    EXPECT_GE(clock.elapsed(), 5 * 95);  // five pauses of 100 ms (coarse timers)
    EXPECT_EQ(port.openAttempts, 6);
    EXPECT_EQ(dialogs.texts(), QStringList{portText()});
    EXPECT_TRUE(port.writes.isEmpty());
    EXPECT_FALSE(mode.isOnline());

    dialogs.clear();
    mode.SetOnline();
    EXPECT_EQ(send(kQuiet), Outcome::Failed);
    EXPECT_EQ(port.openAttempts, 12);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(mode.isOnline());
}

TEST_F(Transactions, PortOpeningAtTheFifthAttemptIsUsed)
{
    port.openFailures = 4;
    port.queueReply("0CM1\r\n");
    EXPECT_EQ(send(kRetry), Outcome::Done);
    EXPECT_EQ(port.openAttempts, 5);
}

TEST_F(Transactions, WriteFailureIsAnUnexpectedError)
{
    port.writeFails = true;
    EXPECT_EQ(send(kRetry), Outcome::Failed);
    EXPECT_EQ(dialogs.texts(), QStringList{QString("Communication error occurs!")});
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(mode.isOnline());

    dialogs.clear();
    mode.SetOnline();
    EXPECT_EQ(send(kQuiet), Outcome::Failed);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(mode.isOnline());
}

TEST_F(Transactions, PortFailingMidTransactionEndsTheWaitAsATimeOut)
{
    link.setReplyTimeoutMs(0);  // the wait would otherwise never end
    port.setResponder([this](const QByteArray&) {
        QTimer::singleShot(10, &port, [this] { port.fail(); });
        return FakeSerialPort::Pieces{};
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(send(kRetry), Outcome::Failed);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(port.requests().size(), 1);  // no re-send on a lost line
    EXPECT_EQ(dialogs.texts(), QStringList{timeoutText()});
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(mode.isOnline());
    EXPECT_FALSE(mode.lampLit());
    EXPECT_TRUE(link.CommFailed());

    // The next exchange opens the port again and works.
    mode.SetOnline();
    port.setResponder({});
    port.queueReply("0CM1\r\n");
    EXPECT_EQ(send(kRetry), Outcome::Done);
}

TEST_F(Transactions, PortFailureOutsideAnExchangeGoesOfflineWithoutTheLamp)
{
    ASSERT_EQ(link.OpenPort(), Outcome::Done);
    QSignalSpy portChanges(&link, &ControllerLink::portOpenChanged);
    port.fail();
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(mode.isOnline());
    EXPECT_TRUE(mode.lampLit());
    ASSERT_EQ(portChanges.count(), 1);
    EXPECT_FALSE(portChanges.at(0).at(0).toBool());
}

TEST_F(Transactions, AbortWaitEndsTheWaitWithoutMessageOrModeChange)
{
    link.setReplyTimeoutMs(0);
    QTimer::singleShot(20, &link, [this] { link.AbortWait(); });
    EXPECT_EQ(send(kSingle, "0MG", "05", 7), Outcome::Failed);
    EXPECT_TRUE(link.WaitAborted());
    EXPECT_TRUE(link.CommFailed());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(mode.isOnline());
    EXPECT_TRUE(port.isOpen());

    // A request made with no wait in progress is not kept for the next exchange.
    link.AbortWait();
    link.setReplyTimeoutMs(30);
    port.queueReply("0CM1\r\n");
    EXPECT_EQ(send(kSingle), Outcome::Done);
    EXPECT_FALSE(link.WaitAborted());
}

TEST_F(Transactions, LateEchoOfAnAbortedRequestIsDroppedOnce)
{
    link.setReplyTimeoutMs(0);
    QTimer::singleShot(20, &link, [this] { link.AbortWait(); });
    ASSERT_EQ(send(kSingle, "0MG", "05", 7), Outcome::Failed);

    // The group ends while the next request waits: its echo comes first and is not the reply.
    link.setReplyTimeoutMs(30);
    port.queueReply({QByteArray("0MG05\r\n"), QByteArray("0RA1\r\n")});
    EXPECT_EQ(send(kSingle, "0RA", "", 6), Outcome::Done);
    EXPECT_EQ(link.LastReply(), "0RA1\r\n");
    EXPECT_TRUE(dialogs.messages.empty());

    // Only the one echo is dropped: a later "0MG" takes its own reply.
    link.setReplyTimeoutMs(0);
    port.queueReply("0MG07\r\n");
    EXPECT_EQ(send(kSingle, "0MG", "07", 7), Outcome::Done);
    EXPECT_EQ(link.LastReply(), "0MG07\r\n");
}

TEST_F(Transactions, LateEchoAfterTheAbortArrivingIdleIsNotTakenLater)
{
    link.setReplyTimeoutMs(0);
    QTimer::singleShot(20, &link, [this] { link.AbortWait(); });
    ASSERT_EQ(send(kSingle, "0MG", "05", 7), Outcome::Failed);
    port.arrive("0MG05\r\n");
    link.setReplyTimeoutMs(0);
    port.queueReply("0MG05\r\n");
    EXPECT_EQ(send(kSingle, "0MG", "05", 7), Outcome::Done);
    EXPECT_FALSE(link.WaitAborted());
}

TEST_F(Transactions, SecondExchangeDuringTheWaitIsRefused)
{
    std::optional<Outcome> inner;  // set once the inner exchange returned
    QTimer::singleShot(5, &port, [&] { inner = send(kSingle); });
    EXPECT_EQ(send(kSingle, "0RA", "", 6), Outcome::Failed);  // silence: it times out
    EXPECT_EQ(inner, Outcome::Failed);
    EXPECT_EQ(port.requests(), QStringList{"0RA"});
    EXPECT_EQ(dialogs.texts(), QStringList{timeoutText()});
}

TEST_F(Transactions, UnsolicitedErrorReplyIsDecodedOnArrival)
{
    ASSERT_EQ(link.OpenPort(), Outcome::Done);
    QSignalSpy states(&status, &ControllerStatus::alarmStateChanged);
    port.arrive("0%%124\r\n");
    EXPECT_TRUE(status.ControllerErrorPending());
    EXPECT_TRUE(status.FatalAlarm());
    EXPECT_EQ(status.alarmDisplay(), (AlarmDisplay{true, "4", "Home sensor"}));
    EXPECT_EQ(states.count(), 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

class PortMapping : public LinkFixture {};

TEST_F(PortMapping, PortNumberNamesTheDeviceUnlessMappedOrOverridden)
{
    settings.PortNo = 3;
    EXPECT_EQ(link.OpenPort(), Outcome::Done);
    EXPECT_EQ(port.openedDevice, "/dev/ttyS2");
    link.ClosePort();

    section.write("PortDevice3", "/dev/ttyUSB0");
    EXPECT_EQ(link.OpenPort(), Outcome::Done);
    EXPECT_EQ(port.openedDevice, "/dev/ttyUSB0");
    link.ClosePort();

    // A number out of range is read again from the settings (7 there).
    settings.PortNo = 12;
    section.write("PortNo", "7");
    EXPECT_EQ(link.OpenPort(), Outcome::Done);
    EXPECT_EQ(settings.PortNo, 7);
    EXPECT_EQ(port.openedDevice, "/dev/ttyS6");
    link.ClosePort();

    ControllerLink overridden(port, mode, dialogs, catalogue, settings, section, status,
                              QStringLiteral("/dev/pts/9"));
    EXPECT_EQ(overridden.OpenPort(), Outcome::Done);
    EXPECT_EQ(port.openedDevice, "/dev/pts/9");
}

TEST_F(PortMapping, OpenPortShowsNothingAndAnOpenPortIsLeftAlone)
{
    port.openFailures = 1;
    EXPECT_EQ(link.OpenPort(), Outcome::Failed);
    EXPECT_EQ(link.OpenPort(), Outcome::Done);
    EXPECT_EQ(link.OpenPort(), Outcome::Done);
    EXPECT_EQ(port.openAttempts, 2);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PortMapping, ReleaseKeepsThePortOnlyWithPortOccupy)
{
    QSignalSpy changes(&link, &ControllerLink::portOpenChanged);
    ASSERT_EQ(link.OpenPort(), Outcome::Done);
    link.ReleasePort();
    EXPECT_TRUE(port.isOpen());
    link.ClosePort();
    EXPECT_FALSE(port.isOpen());
    settings.PortOccupy = false;
    ASSERT_EQ(link.OpenPort(), Outcome::Done);
    link.ReleasePort();
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(changes.count(), 4);
}

}  // namespace
}  // namespace kvt7::test
