// Listings of what was just read from the simulated controller over a pseudo-terminal:
// positions through the Print command, groups and S/M programs through the print buttons
// of their windows. Each listing must hold the controller's values.
#include "PrintTestSupport.h"
#include "PtyServer.h"
#include "platform/SerialPort.h"
#include "positions/CommandFixture.h"
#include "positions/PositionTransfer.h"
#include "printing/PositionPrint.h"
#include "printing/ProgramListingReaders.h"
#include "programs/ui/GroupWindow.h"
#include "programs/ui/SmProgramWindow.h"

#include <QPushButton>

using namespace kvt7;
using namespace kvt7::test;

namespace {

// The simulated controller served on a pseudo-terminal before the link is built on it.
struct ServedController {
    ServedController() { served = server.open(&error); }
    sim::Kvm8Simulator controller;
    sim::PtyServer server{controller};
    QtSerialLine line;
    bool served = false;
    QString error;
};

struct SimPrintFlow : ServedController, ControllerFixture, ::testing::Test {
    SimPrintFlow() : ControllerFixture(line, server.devicePath()) {}
    void SetUp() override { ASSERT_TRUE(served) << error.toStdString(); }

    ScriptedPreview preview;
    ScriptedSelector selector;
    PrintContext print{dialogs, messages, preview, [] { return PrintMoment(); }};
    PositionPrintContext printing{commands, print, selector, parameters};
    ProgramContext programs{link, mode, dialogs, messages, groups};

    const RecordingCanvas& canvas() const { return preview.canvas; }
    QStringList rowTexts(double y) const
    {
        QStringList texts;
        for (const DrawnText& text : canvas().row(1, y))
            texts << text.text;
        return texts;
    }
    static void click(QWidget& window, const char* button)
    {
        auto* control = window.findChild<QPushButton*>(QString::fromLatin1(button));
        ASSERT_NE(control, nullptr) << button;
        control->click();
    }
};

}  // namespace

TEST_F(SimPrintFlow, PositionsReadFromTheControllerPrintTheirValues)
{
    sim::PositionData first;
    first.axes[0] = {40, 2, 1, 12000};
    first.axes[1] = {30, 2, 0, 1500};  // a " 42" takes no more than acceleration 2
    controller.setPosition(1, first);
    sim::PositionData third;
    third.axes[0].target = 15000;
    third.axes[1] = {25, 1, 0, 2000};
    controller.setPosition(3, third);

    newTable(1, 1);
    dialogs.answer(Answer::No);  // no save before the read
    ranges.answers.push_back(PositionRange{1, 3});
    dialogs.answer(Answer::Ok);
    ASSERT_EQ(ReadPositionsFromController(commands), 0) << dialogs.texts().join('|').toStdString();

    selector.answers.push_back(PrintSelection{PrintChoice::TablePositions, {}, 1, 999});
    ranges.answers.push_back(PositionRange{1, 3});
    ASSERT_EQ(PrintPositions(printing), 0) << dialogs.texts().join('|').toStdString();
    ASSERT_EQ(preview.jobs.size(), 1u);
    EXPECT_EQ(canvas().pages(), 1);
    // Number, then speed, acceleration, method and position of axes 1 and 2.
    EXPECT_EQ(rowTexts(30).mid(0, 9), QStringList({"1", "40", "2", "1", "12000", "30", "2", "0", "1500"}));
    EXPECT_EQ(rowTexts(40).mid(0, 9), QStringList({"2", "30", "3", "0", "0", "30", "2", "0", "0"}));
    EXPECT_EQ(rowTexts(50).mid(0, 9), QStringList({"3", "30", "3", "0", "15000", "25", "1", "0", "2000"}));
    EXPECT_TRUE(canvas().row(1, 60).empty());
}

TEST_F(SimPrintFlow, GroupsReadInTheirWindowPrintTheControllersRanges)
{
    controller.setGroup(10, {300, 999});
    controller.setGroup(99, {5, 7});
    GroupData data;
    GroupWindow window(programs, data, GroupPrintCommands(print, data));
    window.show();
    dialogs.answer(Answer::Ok);  // read from the controller
    click(window, "cmdReadGrp");
    ASSERT_TRUE(preview.jobs.empty());
    click(window, "cmdGrpDataPrint");
    ASSERT_EQ(preview.jobs.size(), 1u) << dialogs.texts().join('|').toStdString();
    EXPECT_EQ(rowTexts(60).mid(0, 4), QStringList({"No. 10:", "300", "---", "999"}));
    const DrawnText* last = canvas().find("No. 99:");
    ASSERT_NE(last, nullptr);
    const auto lastRow = canvas().row(1, last->y);
    QStringList lastTexts;
    for (const DrawnText& text : lastRow)
        if (text.x >= last->x)
            lastTexts << text.text;
    EXPECT_EQ(lastTexts, QStringList({"No. 99:", "5", "---", "7"}));
}

TEST_F(SimPrintFlow, SmProgramsReadInTheirWindowPrintTheControllersSteps)
{
    sim::SmProgramData program{};
    program[0] = {1, 4};
    program[1] = {6, 9};
    controller.setProgram(1, program);
    SmData data;
    SmProgramWindow window(programs, data, SmPrintCommands(print, data));
    window.show();
    dialogs.answer(Answer::Ok);  // read from the controller
    click(window, "cmdReadSMfromCt");
    dialogs.answer(Answer::Ok);  // print what the window shows
    click(window, "cmdSMDispPrint");
    ASSERT_EQ(preview.jobs.size(), 1u) << dialogs.texts().join('|').toStdString();
    EXPECT_EQ(dialogs.lastText(), "Printing SM Data indicated in display.");
    EXPECT_EQ(canvas().row(1, 20)[0].text, "<SM No.1>");
    const auto step = [this](double y) {
        QStringList texts;
        for (const DrawnText& t : canvas().row(1, y))
            if (t.x < 62)
                texts << t.text;
        return texts;
    };
    EXPECT_EQ(step(28), QStringList({"1:", "1. IN-ON", "4"}));
    EXPECT_EQ(step(32), QStringList({"2:", "6. TIMER10", "9"}));
    EXPECT_EQ(step(36), QStringList({"3:", "0. END"}));
}
