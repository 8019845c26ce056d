// The position plot and the axis bars show what JOG and the move test read anyway: with the
// plot open the wire carries exactly what it carries with the plot closed.
#include "PtyServer.h"
#include "support/NoPreview.h"
#include "operation/JogSession.h"
#include "operation/MoveTest.h"
#include "platform/PrintPreview.h"
#include "platform/SerialPort.h"
#include "positions/CommandFixture.h"
#include "positions/ui/PositionPlotWindow.h"

#include <QTest>

namespace kvt7::test {
namespace {

// Polls repeat as often as time allows; a run of equal requests counts once.
QStringList Collapsed(const QStringList& requests)
{
    QStringList kept;
    for (const QString& request : requests)
        if (kept.isEmpty() || kept.back() != request)
            kept << request;
    return kept;
}

// The simulated controller on a pseudo-terminal; a base, so it exists before the link.
struct PlotLine {
    sim::Kvm8Simulator controller;
    sim::PtyServer server{controller};
    QtSerialLine port;
    PlotLine()
    {
        QString error;
        if (!server.open(&error))
            ADD_FAILURE() << error.toStdString();
    }
};

struct PlotWire : PlotLine, ControllerFixture, ::testing::Test {
    QStringList served;
    MotionContext motion{link, status, mode, dialogs, messages, settings, axes, parameters, groups};
    NoPreview preview;

    PlotWire() : ControllerFixture(port, server.devicePath())
    {
        QObject::connect(&server, &sim::PtyServer::served,
                         [this](const QByteArray& request, const QByteArray&) { served << QString::fromLatin1(request); });
        settings.DispMmUnit = false;
        settings.PortOccupy = false;
    }
    static bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 15000); }

    // Start, one feed of 100 pulses on axis 1, end. `during` looks on while the axis stands.
    QStringList jogRun(const std::function<void()>& during)
    {
        controller.setHomed(true);
        controller.setPresentPosition(1, 0);
        controller.setPresentPosition(2, 0);
        served.clear();
        JogSession session(motion, section, TeachTarget{table, grid});
        session.load();
        session.start();
        EXPECT_EQ(session.state(), JogSession::State::Active) << dialogs.texts().join("|").toStdString();
        session.setFeedMode(3);
        EXPECT_TRUE(waitFor([&] { return !session.delayRunning(); }));
        EXPECT_TRUE(session.press(0));
        session.release(0);
        EXPECT_TRUE(waitFor([&] { return session.shownPosition(1) == 100 && !controller.busy(); }));
        during();
        EXPECT_EQ(session.requestClose(), JogSession::CloseResult::Close);
        server.catchUp();
        return Collapsed(served);
    }

    // A selective run through positions 1 and 2.
    QStringList moveRun(const std::function<void()>& during)
    {
        controller.setHomed(true);
        served.clear();
        MoveTest move(motion);
        PositionTable& shown = table;
        move.setTargetsOf([&shown](int n) -> std::optional<std::array<qint32, 4>> {
            return std::array<qint32, 4>{shown.store->PosiPulse[0][std::size_t(n)],
                                         shown.store->PosiPulse[1][std::size_t(n)], 0, 0};
        });
        move.inputs().selective.at(0) = "1";
        move.inputs().selective.at(1) = "2";
        move.request(MoveTest::Selective);
        EXPECT_TRUE(waitFor([&] { return move.ExecMoveNo() == 0 && !move.running(); }));
        during();
        move.abandon();
        server.catchUp();
        return Collapsed(served);
    }
};

TEST_F(PlotWire, JogAndMoveTestSendTheSameBytesWithThePlotOpenAndClosed)
{
    newTable(1, 3);
    table.store->PosiPulse[0][2] = 1500;
    table.store->PosiPulse[1][2] = 600;
    const QStringList jogClosed = jogRun([] {});
    const QStringList moveClosed = moveRun([] {});
    ASSERT_TRUE(jogClosed.contains("0MV1431000640110000000110000000110000000"))
            << jogClosed.join(" ").toStdString();
    ASSERT_TRUE(moveClosed.contains("0MP0023")) << moveClosed.join(" ").toStdString();

    PositionPlotWindow window(PlotWindowContext{context, status, preview});
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QStringList jogOpen = jogRun([&] {
        ASSERT_TRUE(window.plot().present().has_value());
        EXPECT_EQ(*window.plot().present(), QPointF(100, 0)) << "the marker stands where JOG read it";
    });
    EXPECT_FALSE(window.plot().present().has_value()) << "the marker goes with the JOG";
    const QStringList moveOpen = moveRun([&] {
        ASSERT_TRUE(window.plot().present().has_value());
        EXPECT_EQ(*window.plot().present(), QPointF(1500, 600)) << "position 2's targets after its move";
    });
    EXPECT_EQ(jogOpen, jogClosed);
    EXPECT_EQ(moveOpen, moveClosed);
}

}  // namespace
}  // namespace kvt7::test
