// The online actuator window's write, on a scripted line whose far end is the simulated
// controller.
#include "DeviceTestSupport.h"
#include "devices/DeviceWrite.h"
#include "link/CommandGroups.h"
#include "parameters/ParameterFixtures.h"
#include "support/TransferFixture.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace kvt7::test {
namespace {

class DeviceWriteTest : public TransferFixture {
protected:
    DeviceWriteTest()
    {
        controller.setAxisMask(1);
        axes.Pc(1) = PcAxis(" 28", "L", 100, true);
        axes.Pc(2) = PcAxis(" 28", "L", 100, false);
        axes.Pc(3) = PcAxis(" 28", "L", 100, false);
        axes.Pc(4) = PcAxis(" 28", "L", 100, false);
        axes.recorded = axes.pc;
        before = axes;
        columns.open(axes.pc);
        columns.chooseSpeed(1, "H");
        columns.chooseStroke(1, 200);
        memoryBefore = controller.memory();
        storedBefore = controller.memory(sim::Kvm8Simulator::Copy::Stored);
    }
    Outcome write() { return WriteDeviceSetting(context, columns); }
    // The request lines, a block write by its block alone, joined by blanks.
    std::string lines() const
    {
        QStringList shortened;
        for (const QString& line : dataRequests())
            shortened << (line.startsWith("0WD") ? line.left(4) : line);
        return shortened.join(' ').toStdString();
    }
    void expectNothingChanged()
    {
        EXPECT_EQ(Describe(axes), Describe(before));
        EXPECT_TRUE(parameters.editor == ParameterSet().editor);
        EXPECT_EQ(store.writeCount(), 0);
        EXPECT_EQ(groups.calls, QStringList({"off", "on"}));
    }
    // A refused write: the controller's memory and mode as they were.
    void expectControllerUntouched()
    {
        EXPECT_TRUE(controller.memory() == memoryBefore);
        EXPECT_TRUE(controller.memory(sim::Kvm8Simulator::Copy::Stored) == storedBefore);
        EXPECT_EQ(controller.controllerMode(), 0);
        EXPECT_EQ(port.requests().filter("0CM0").size(), 0) << "no mode command";
    }

    MessageCatalogue english = [] {
        MessageCatalogue c = MessageCatalogue::Builtin();
        c.setLanguage(kEnglish);
        return c;
    }();
    CatalogueFile catalogueFile{ProgramDir(), english, dialogs};
    DeviceColumns columns{catalogueFile};
    ParameterSet parameters;
    AxisSettings axes;
    AxisSettings before;
    sim::ControllerMemory memoryBefore;
    sim::ControllerMemory storedBefore;
    DefaultLists lists;
    RecordingGroups groups;
    int shown = 0;
    ControllerContext controllerContext{link, status, dialogs, english};
    DeviceWriteContext context{controllerContext, parameters, axes,   lists,        section,
                               mode,    dialogs,    english, groups,      ProgramDir(),
                               [this] { ++shown; }};
};

// The ready query and what the write will overwrite (axis 1), read before anything is written.
const std::string kReadyAndRead = "0RA 0RD0 0RD1 0RD5 0RD6";
// Parameter mode, AXIS written and read back.
const std::string kEntered = " 0CM01 0RD0 0WD0 0RD0";

// A folder with the common list and a new-type list holding one line.
void WriteLists(const QString& folder, const QByteArray& line)
{
    QFile::copy(QDir(ProgramDir()).filePath("t7cmstpr.lst"), QDir(folder).filePath("t7cmstpr.lst"));
    QFile file(QDir(folder).filePath("t7nkvstpr.lst"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\"KV-M8\",\"KV-STDPRM\"\r\n1,0\r\n" + line + "\r\n");
}

TEST_F(DeviceWriteTest, WritesTheMaskAndTheAxisBlocksThenReadsBack)
{
    columns.setAxisTicked(3, true);
    columns.chooseSize(3, " 42");
    columns.chooseSpeed(3, "D");
    columns.chooseStroke(3, 50);
    dialogs.answer(Answer::Yes);
    ASSERT_EQ(write(), Outcome::Done);
    // Blocks 1 to 4 are the homing parameters, 5 to C parts A and B of the axes.
    EXPECT_EQ(lines(), "0RA 0RD0 0RD1 0RD3 0RD5 0RD6 0RD9 0RDA 0CM01 0RD0 0WD0 0RD0 "
                       "0WD5 0WD6 0WD9 0WDA 0WE2 0CM00 0RD0 0RD0 0RD1 0RD3 0RD5 0RD6 0RD9 0RDA");
    // Block 0 went back as it was read, with the ticked axes as item 6.
    const QStringList sent = dataRequests();
    EXPECT_EQ(sent.at(10), "0WD0" + blockText(0));
    EXPECT_EQ(controller.block(0).at(6), 5);
    EXPECT_EQ(dialogs.texts(), QStringList({"A setting of AXIS is changed.\r\nIs a setting of AXIS changed?",
                                            "Completed writing parameters."}));
    // The setting is the one read back.
    EXPECT_EQ(parameters.editor.number(Param::Lead, 1), 12);
    EXPECT_EQ(parameters.editor.number(Param::Stroke, 1), 6667);
    EXPECT_EQ(parameters.editor.number(Param::Pulse, 3), 192);
    EXPECT_EQ(Describe(axes.Pc(1)), "use KV  28H-200 new lead12 ppr400 V-K max6667");
    EXPECT_EQ(Describe(axes.Pc(3)), "use KV  42D-50 new lead4 ppr192 V-K max2400");
    EXPECT_EQ(section.text("DevSpeed1", ""), "H");
    EXPECT_EQ(section.text("DevSize3", ""), " 42");
    EXPECT_EQ(groups.calls, QStringList({"off", "on"}));
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(mode.isOnline());
}

TEST_F(DeviceWriteTest, AnE35KeepsItsChosenSpeedThoughTheControllerReadsItBackAsL)
{
    columns.chooseSize(1, "E35");
    columns.chooseSpeed(1, "H");
    columns.chooseStroke(1, 150);
    ASSERT_EQ(write(), Outcome::Done);
    EXPECT_EQ(parameters.editor.text(Param::ActSpeed, 1), "L");
    EXPECT_EQ(Describe(axes.Pc(1)), "use KV E35H-150 new lead12 ppr400 V-K max5000");
    EXPECT_EQ(section.text("DevSpeed1", ""), "H");
}

TEST_F(DeviceWriteTest, TheAxisQuestionComesBeforeAnyTrafficAnd17StopsBeforeIt)
{
    columns.setAxisTicked(2, true);
    qsizetype sentAtQuestion = -1;
    dialogs.onMessage = [&](const QString&) {
        if (sentAtQuestion < 0)
            sentAtQuestion = port.requests().size();
    };
    dialogs.answer(Answer::No);
    ASSERT_EQ(write(), Outcome::Done);
    EXPECT_EQ(sentAtQuestion, 0);
    EXPECT_FALSE(axes.Pc(2).InUse);
    EXPECT_EQ(controller.block(0).at(6), 1);

    port.writes.clear();
    dialogs.clear();
    columns.setAxisTicked(2, false);
    columns.chooseStroke(1, 123);
    mode.SetOffline();
    EXPECT_EQ(write(), Outcome::Failed);
    EXPECT_EQ(dialogs.texts(), QStringList({"Can not find information of selected device type."}));
    EXPECT_TRUE(port.requests().isEmpty());
    EXPECT_FALSE(mode.isOnline());
}

TEST_F(DeviceWriteTest, AMovingControllerGets424AfterTheReadyQueryAlone)
{
    rewrite = [](const QByteArray& line, const QByteArray& reply) {
        return line == "0RA" ? QByteArray("0RA0\r\n") : reply;
    };
    EXPECT_EQ(write(), Outcome::Failed);
    EXPECT_EQ(lines(), "0RA");
    EXPECT_EQ(dialogs.texts(), QStringList({"The writing of data is not made during movement."}));
    expectNothingChanged();
    expectControllerUntouched();
}

// The checks run on what the write would send, before anything is written: with the ticked
// axes equal to the controller's AXIS and with one more axis ticked.
TEST_F(DeviceWriteTest, AnInvalidDefaultEndsWith1524BeforeAnythingIsWritten)
{
    QTemporaryDir folder;
    WriteLists(folder.path(), "\" 28H-200\",66,40,99,10,5,1,6667,12,400,15,0,\" 28H200\"");
    context.programFolder = folder.path();
    EXPECT_EQ(write(), Outcome::Failed);
    EXPECT_EQ(lines(), kReadyAndRead);
    EXPECT_EQ(dialogs.texts(),
              QStringList({"Invalid value in some parameters.\r\nConfirm the value, and try it again."}));
    expectNothingChanged();
    expectControllerUntouched();

    port.writes.clear();
    dialogs.clear();
    groups.calls.clear();
    columns.setAxisTicked(3, true);
    columns.chooseSize(3, " 28");
    columns.chooseSpeed(3, "H");
    columns.chooseStroke(3, 200);
    dialogs.answer(Answer::Yes);  // 1151/1152
    EXPECT_EQ(write(), Outcome::Failed);
    EXPECT_EQ(lines(), "0RA 0RD0 0RD1 0RD3 0RD5 0RD6 0RD9 0RDA");
    EXPECT_EQ(dialogs.texts().last(), "Invalid value in some parameters.\r\nConfirm the value, and try it again.");
    expectNothingChanged();
    expectControllerUntouched();
    EXPECT_EQ(controller.axisMask(), 1);
}

TEST_F(DeviceWriteTest, MissingDefaultsEndWith36BeforeAnythingIsWritten)
{
    QTemporaryDir folder;
    WriteLists(folder.path(), "\" 28L-100\",200,50,10,10,5,1,20000,2,400,10,0,\" 28L100\"");
    context.programFolder = folder.path();
    EXPECT_EQ(write(), Outcome::Failed);
    EXPECT_EQ(lines(), kReadyAndRead);
    EXPECT_EQ(dialogs.texts(), QStringList({"Fail to open standard parameter file."}));
    expectNothingChanged();
    expectControllerUntouched();
}

TEST_F(DeviceWriteTest, AnErrorReplyToAnAxisBlockStopsBeforeTheCommit)
{
    rewrite = [](const QByteArray& line, const QByteArray& reply) {
        return line.startsWith("0WD6") ? sim::ErrorReply('0', '2') : reply;
    };
    EXPECT_EQ(write(), Outcome::Failed);
    EXPECT_EQ(lines(), kReadyAndRead + kEntered + " 0WD5 0WD6 0CM00");
    expectNothingChanged();
}

}  // namespace
}  // namespace kvt7::test
