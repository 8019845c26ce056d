// The move-test window lets go of the machine when the operator lets go of it: focus lost,
// minimised, hidden or closed.
#include "OperationFixture.h"
#include "operation/ui/MoveTestWindow.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace kvt7::test {
namespace {

class MoveWindowFocus : public OperationFixture {
protected:
    MoveWindowFocus()
    {
        controller.busyQueries = 3;
        other.resize(200, 100);
    }
    template <typename T>
    T* control(const char* name) const { return window.findChild<T*>(QString::fromLatin1(name)); }
    static bool activate(QWidget& w)
    {
        w.show();
        w.activateWindow();
        return QTest::qWaitForWindowActive(&w);
    }
    // The operator goes to another window as soon as `line` goes out.
    void leaveAt(const QString& line, const std::function<void()>& leave)
    {
        controller.onRequest = [this, line, leave](const QString& sent) {
            if (sent == line)
                QTimer::singleShot(0, &window, leave);
        };
    }
    // A continual run from 1 to 3, started with its button.
    void startContinual()
    {
        control<QTabWidget>("SSTab1")->setCurrentIndex(1);
        control<QSpinBox>("updownEndPosiNo")->setValue(3);
        QTest::mouseClick(control<QPushButton>("cmdSelectMove"), Qt::LeftButton);
    }
    bool runEnds()
    {
        const MoveTest& move = window.operation();
        return QTest::qWaitFor([&] { return move.ExecMoveNo() == MoveTest::None && !move.running(); }, 10000);
    }
    // The requests from `first` on.
    QStringList requestsFrom(const QString& first) const
    {
        const QStringList lines = requests();
        return lines.mid(lines.indexOf(first));
    }

    MoveTestWindow window{context};
    QWidget other;
};

TEST_F(MoveWindowFocus, FocusLostDuringAMoveLetsItCompleteAndSendsNoFurtherMove)
{
    ASSERT_TRUE(activate(window));
    leaveAt("0MP0023", [this] { activate(other); });
    startContinual();
    ASSERT_TRUE(runEnds());
    EXPECT_EQ(moves(), QStringList({"0MP0013", "0MP0023"}));
    EXPECT_EQ(requestsFrom("0MP0023"), QStringList({"0MP0023", "0RA", "0RA", "0RA", "0RA", "0RO"}));
    EXPECT_EQ(control<QLabel>("lblkanryoNo")->text(), "2");
    EXPECT_TRUE(control<QPushButton>("cmdSelectMove")->isEnabled());
    QTest::qWait(300);
    EXPECT_EQ(moves().size(), 2);

    // A modal window the program shows takes the focus, not the operator: the run goes on.
    port.writes.clear();
    ASSERT_TRUE(activate(window));
    leaveAt("0MP0013", [] {
        QDialog box;
        box.setModal(true);
        QTimer::singleShot(150, &box, &QDialog::accept);
        box.exec();
    });
    QTest::mouseClick(control<QPushButton>("cmdSelectMove"), Qt::LeftButton);
    ASSERT_TRUE(runEnds());
    EXPECT_EQ(moves(), QStringList({"0MP0013", "0MP0023", "0MP0033"}));
}

TEST_F(MoveWindowFocus, MinimisedDuringTheGroupAbortsItsWaitHiddenDuringTheOriginReturnEndsIt)
{
    ASSERT_TRUE(activate(window));
    controller.overrides["0MG"] = QByteArray();  // the group's reply is awaited without end
    leaveAt("0MG01", [this] { window.showMinimized(); });
    control<QTabWidget>("SSTab1")->setCurrentIndex(2);
    QTest::mouseClick(control<QPushButton>("cmdGrpMove"), Qt::LeftButton);
    ASSERT_TRUE(runEnds());
    EXPECT_EQ(requests(), QStringList({"0RA", "0RH", "0MG01"}));
    EXPECT_TRUE(dialogs.messages.empty());

    // The origin return: its wait for the ready answer ends, the origin is not taken as reached.
    port.writes.clear();
    status.setHomeDone(false);
    controller.overrides.clear();
    controller.busyQueries = 1000;
    window.showNormal();
    ASSERT_TRUE(activate(window));
    leaveAt("0MM0003", [this] { QTimer::singleShot(250, &window, [this] { window.hide(); }); });
    QTest::mouseClick(control<QPushButton>("cmdHome"), Qt::LeftButton);
    ASSERT_TRUE(runEnds());
    const QStringList lines = requestsFrom("0MM0003");
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines.count("0RA"), lines.size() - 1);
    EXPECT_EQ(moves(), QStringList({"0MM0003"}));
    EXPECT_FALSE(status.HomeDone());
    EXPECT_FALSE(status.homeLampVisible());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MoveWindowFocus, CloseDuringARunStopsItBefore570AndCancelKeepsItOpenAndStopped)
{
    keepJournal(port);
    ASSERT_TRUE(activate(window));
    const QString question = "message:" + text(570);
    dialogs.answer(Answer::Cancel);
    leaveAt("0MP0023", [this] { window.close(); });
    startContinual();
    ASSERT_TRUE(runEnds());
    // The move in progress completes after Cancel; nothing further goes out.
    EXPECT_EQ(journal.mid(journal.indexOf("0MP0023")),
              QStringList({"0MP0023", question, "0RA", "0RA", "0RA", "0RA", "0RO"}));
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(control<QPushButton>("cmdSelectMove")->isEnabled());

    // A run asked for but held back (another window holds the link) is withdrawn before the
    // question waits: freed meanwhile, the link carries nothing, and Cancel starts nothing.
    journal.clear();
    ASSERT_TRUE(activate(window));
    link.setLinkBusy(true);
    QTest::mouseClick(control<QPushButton>("cmdSelectMove"), Qt::LeftButton);
    dialogs.answer(Answer::Cancel);
    dialogs.onMessage = [this](const QString&) {
        link.setLinkBusy(false);
        QTest::qWait(400);
    };
    window.close();
    QTest::qWait(400);
    EXPECT_EQ(journal, QStringList({question}));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.operation().ExecMoveNo(), MoveTest::None);
    EXPECT_TRUE(control<QPushButton>("cmdSelectMove")->isEnabled());
}

}  // namespace
}  // namespace kvt7::test
