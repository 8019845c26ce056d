// The daily job on positions end to end, over a real pseudo-terminal and the program's own
// serial line against the simulated controller.
#include "PtyServer.h"
#include "platform/SerialPort.h"
#include "positions/CommandFixture.h"
#include "positions/PositionFileCommands.h"
#include "positions/PositionTransfer.h"
#include "positions/PositionVerify.h"

namespace kvt7::test {
namespace {

struct PtyLine {
    sim::Kvm8Simulator controller;
    sim::PtyServer server{controller};
    QtSerialLine port;
    PtyLine()
    {
        QString error;
        if (!server.open(&error))
            ADD_FAILURE() << error.toStdString();
    }
};

struct FileSource final : VerifySourceChooser {
    int chooseVerifySource() override { return 1; }
};

struct PositionFlow : PtyLine, ControllerFixture, ::testing::Test {
    PositionFlow() : ControllerFixture(port, server.devicePath()) {}
};

TEST_F(PositionFlow, EditSaveWriteReadBackAndVerify)
{
    newTable(1, 4);
    type(1, 1, {"20", "3", "1", "12000"});
    type(2, 5, {"10", "1", "2", "2400"});
    type(3, 17, {"1", "2", "5", "third"});
    dialogs.answerSave(path("job.kvd"));
    ASSERT_EQ(SavePosition(commands), Outcome::Done);

    ranges.answers.push_back(PositionRange{1, 4});
    dialogs.answer(Answer::Ok);
    ASSERT_EQ(WritePositionsToController(commands), WriteEnd::Stored);
    EXPECT_EQ(dialogs.lastText(), messages.Text(376));
    EXPECT_EQ(controller.position(1).axes[0].target, 12000);

    newTable(1, 1);
    dialogs.answer(Answer::No);  // nothing to save first
    ranges.answers.push_back(PositionRange{1, 4});
    dialogs.answer(Answer::Ok);
    ASSERT_EQ(ReadPositionsFromController(commands), Outcome::Done);
    EXPECT_EQ(cell(1, 4), "12000");
    EXPECT_EQ(cell(2, 8), "2400");
    EXPECT_EQ(cell(3, 19), "5");

    FileSource source;
    dialogs.answerOpen(path("job.kvd"));
    ranges.answers.push_back(PositionRange{1, 4});
    VerifyPositions(commands, source);
    EXPECT_EQ(results.count, 0) << "the controller's data are the file's";
    EXPECT_TRUE(dialogs.lastText().endsWith(messages.Text(826)));

    type(2, 6, {"2"});
    dialogs.answerOpen(path("job.kvd"));
    ranges.answers.push_back(PositionRange{1, 4});
    VerifyPositions(commands, source);
    ASSERT_EQ(results.count, 1);
    ASSERT_EQ(results.rows.size(), 1u);
    EXPECT_EQ(results.rows[0].positionNo, 2);
    for (int c = 1; c <= 19; ++c)
        EXPECT_EQ(results.rows[0].marked[std::size_t(c - 1)], c == 6) << c;
}

}  // namespace
}  // namespace kvt7::test
