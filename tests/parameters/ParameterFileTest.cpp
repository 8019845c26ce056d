#include "ParameterFixtures.h"

#include "parameters/ParameterFileOperations.h"
#include "parameters/RecordApply.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kvt7;
using namespace kvt7::test;

namespace {

// Axes 1-3 in use; axis 4 holds no values at all.
ParameterSet GoldenSet()
{
    ParameterSet set;
    EditorValues& v = set.editor;
    const struct {
        qint64 offset, stroke, lead, pulse, autoDrive, type, function, alm;
        const char* size;
        const char* speed;
        int strokeMm;
    } axes[3] = {{101, 20000, 2, 400, 0, 1, 0, 100, " 28", "L", 100},
                 {102, 2400, 4, 192, 1, 0, 1, 200, " 42", "D", 50},
                 {103, 10000, 12, 400, 0, 1, 2, 300, "E35", "H", 300}};
    for (int a = 1; a <= 3; ++a) {
        const auto& x = axes[a - 1];
        v.setNumber(Param::Offset, a, x.offset);
        v.setNumber(Param::Push, a, 20 + a);
        v.setNumber(Param::Vel, a, 30 + a);
        v.setNumber(Param::OfsVel, a, 40 + a);
        v.setNumber(Param::PushVel, a, 50 + a);
        v.setNumber(Param::Seq, a, a);
        v.setNumber(Param::Stroke, a, x.stroke);
        v.setNumber(Param::Lead, a, x.lead);
        v.setNumber(Param::Pulse, a, x.pulse);
        v.setNumber(Param::JogVel, a, 9 + a);
        v.setNumber(Param::AutoDrive, a, x.autoDrive);
        v.setNumber(Param::Type, a, x.type);
        v.setNumber(Param::Function, a, x.function);
        v.setNumber(Param::Alm, a, x.alm);
        v.setNumber(Param::PgTimer, a, 49 + a);
        v.setNumber(Param::LsTimer, a, 99 + a);
        v.setNumber(Param::SoftLimit, a, a % 2);
        v.setNumber(Param::M0Enable, a, (a + 1) % 2);
        v.setText(Param::ActSize, a, QString::fromLatin1(x.size));
        v.setText(Param::ActSpeed, a, QString::fromLatin1(x.speed));
        v.setNumber(Param::ActStroke, a, x.strokeMm);
    }
    v.setText(Param::Actuator, 1, QStringLiteral(" 28L999"));  // stale: rebuilt when written
    v.setNumber(Param::HomeOut, 3);
    v.setNumber(Param::AlmCode, 1);
    v.setNumber(Param::GrpEnable, 1);
    v.setNumber(Param::SmTimeout, 0);
    v.setNumber(Param::SmTimer, 10);
    v.setNumber(Param::Axis, 7);
    v.setNumber(Param::AutoHome, 1);
    v.setNumber(Param::StopPause, 1);
    v.setNumber(Param::HiddenCommon, 7);
    return set;
}

// Written by hand from the layout.
const QByteArray kGoldenFile =
    "\"KV-M8\",\"PRM\"\r\n"
    "5\r\n"
    "\"HOME\",6,4\r\n"
    "101,102,103,0\r\n"
    "21,22,23,0\r\n"
    "31,32,33,0\r\n"
    "41,42,43,0\r\n"
    "51,52,53,0\r\n"
    "1,2,3,0\r\n"
    "\"AXIS\",7,4\r\n"
    "20000,2400,10000,0\r\n"
    "2,4,12,0\r\n"
    "400,192,400,0\r\n"
    "10,11,12,0\r\n"
    "0,1,0,0\r\n"
    "1,0,1,0\r\n"
    "\" 28L100\",\" 42D050\",\"E35H300\",\"000\"\r\n"
    "\"PG\",2,4\r\n"
    "0,1,2,0\r\n"
    "100,200,300,0\r\n"
    "\"ETC\",5,1\r\n"
    "3\r\n"
    "1\r\n"
    "1\r\n"
    "0\r\n"
    "10\r\n"
    "\"SPECIAL\",7,4\r\n"
    "7,0,0,0\r\n"
    "1,0,0,0\r\n"
    "50,51,52,0\r\n"
    "100,101,102,0\r\n"
    "1,0,1,0\r\n"
    "0,1,0,0\r\n"
    "1,0,0,0\r\n";

class ParameterFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QString fileWith(const QByteArray& bytes)
    {
        const QString p = path("in.pmt");
        WriteBytes(p, bytes);
        return p;
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MessageCatalogue messages = EnglishMessages();
    const QString k2220 = "Not parameter file for KV-T7.\r\nOpening file is canceled.";
};

}  // namespace

TEST_F(ParameterFile, WrittenBytesFollowTheLayout)
{
    ASSERT_EQ(WriteParameterFile(GoldenSet().editor, path("golden.pmt")), Outcome::Done);
    EXPECT_EQ(ReadBytes(path("golden.pmt")), kGoldenFile);
    EXPECT_EQ(kGoldenFile.count("\r\n"), 34);
}

TEST_F(ParameterFile, ReadBackGivesTheSameValuesStopPauseSurvivesHiddenBecomesZero)
{
    const ParameterSet written = GoldenSet();
    ASSERT_EQ(WriteParameterFile(written.editor, path("round.pmt")), Outcome::Done);
    ParameterSet read;
    ASSERT_EQ(OpenParameterFileAt(read, path("round.pmt"), dialogs, messages), Outcome::Done);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(read.record.fileName(), "round.pmt");
    for (const ParameterInfo& info : ParameterTable()) {
        if (info.id == Param::HiddenCommon || info.id == Param::Actuator)
            continue;
        for (int axis = 1; axis <= (info.common ? 1 : 3); ++axis) {
            EXPECT_EQ(read.editor.number(info.id, axis), written.editor.number(info.id, axis)) << info.name << axis;
            EXPECT_EQ(read.editor.text(info.id, axis), written.editor.text(info.id, axis)) << info.name << axis;
        }
    }
    EXPECT_EQ(read.editor.text(Param::Actuator, 1), " 28L100");
    EXPECT_EQ(read.editor.number(Param::StopPause), 1);
    EXPECT_EQ(read.editor.number(Param::HiddenCommon), 0);
    EXPECT_EQ(read.editor.number(Param::Offset, 4), 0);
}

TEST_F(ParameterFile, OlderSixRowSpecialLoadsWithStopPauseZero)
{
    QByteArray older = kGoldenFile;
    older.replace("\"SPECIAL\",7,4", "\"SPECIAL\",6,4");
    older.chop(QByteArray("1,0,0,0\r\n").size());
    ParameterSet set;
    ASSERT_EQ(OpenParameterFileAt(set, fileWith(older), dialogs, messages), Outcome::Done);
    EXPECT_EQ(set.editor.number(Param::StopPause), 0);
    EXPECT_EQ(set.editor.number(Param::M0Enable, 2), 1);
    EXPECT_EQ(set.editor.number(Param::HiddenCommon), 0);
}

TEST_F(ParameterFile, OtherFilesAreRejectedOnceWithoutRetry)
{
    const QByteArray others[] = {
        "\"KV-M8\"\r\n\"KV-28L-100\",\"\",\"\",\"\"\r\n\"NEW\",\"NEW\",\"NEW\",\"NEW\"\r\n1,\" 30\"\r\n",
        "\"KV-M8\",\"GRP\"\r\n5\r\n",
        "hello\r\n",
        "",
        "\"KV-M8\",\"PRM\xff\xff\"\r\n",
    };
    for (const QByteArray& bytes : others) {
        dialogs.clear();
        ParameterSet set = ValidSet(3);
        const ParameterSet before = set;
        EXPECT_EQ(OpenParameterFileAt(set, fileWith(bytes), dialogs, messages), Outcome::Failed);
        // One message, not a retry's failure message: the kind is refused at once.
        EXPECT_EQ(dialogs.texts(), QStringList({k2220})) << bytes.constData();
        EXPECT_EQ(set.editor, before.editor);
        EXPECT_EQ(set.record, before.record);
    }
}

TEST_F(ParameterFile, SectionsInAnotherOrderFailAfterRetriesAndLeaveTheSetAlone)
{
    QByteArray swapped = kGoldenFile;
    swapped.replace("\"PG\",2,4", "\"XX\",2,4");
    swapped.replace("\"ETC\",5,1", "\"PG\",5,1").replace("\"XX\",2,4", "\"ETC\",2,4");
    ParameterSet set = ValidSet(3);
    set.record.at(1, 0) = RecordValue::Text(QStringLiteral("kept.pmt"));
    const ParameterSet before = set;
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(OpenParameterFileAt(set, fileWith(swapped), dialogs, messages), Outcome::Failed);
    EXPECT_GE(timer.elapsed(), 400) << "six tries, 100 ms apart";
    EXPECT_EQ(dialogs.texts(), QStringList({QString::fromUtf8("Fail to open parameter file.")}));
    EXPECT_EQ(set.editor, before.editor);
    EXPECT_EQ(set.record, before.record);
}

TEST_F(ParameterFile, DamagedFilesFailToParseAndLeaveTheRecord)
{
    auto with = [](const char* from, const char* to) { return QByteArray(kGoldenFile).replace(from, to); };
    const std::pair<const char*, QByteArray> damaged[] = {
        {"truncated", kGoldenFile.left(kGoldenFile.size() - 20)},
        {"non-numeric", with("41,42,43,0", "41,4x,43,0")},
        {"fraction", with("41,42,43,0", "41,42.5,43,0")},
        {"wrong section name", with("\"AXIS\",7,4", "\"AXES\",7,4")},
        {"wrong row count", with("\"HOME\",6,4", "\"HOME\",5,4")},
        {"wrong section count", with("\"PRM\"\r\n5", "\"PRM\"\r\n4")},
        {"too many columns", with("\"PG\",2,4", "\"PG\",2,5")},
        {"more rows than the layout", kGoldenFile + "1,0,0,0\r\n"},
        {"special with 8 rows", with("\"SPECIAL\",7,4", "\"SPECIAL\",8,4")},
    };
    for (const auto& [what, bytes] : damaged) {
        ParameterRecord record;
        record.at(2, 5) = RecordValue::Number(42);
        const ParameterRecord before = record;
        EXPECT_EQ(ParseParameterFile(bytes, "x.pmt", record), ParameterFileRead::Failed) << what;
        EXPECT_EQ(record, before) << what;
    }
    ParameterRecord record;
    EXPECT_EQ(ParseParameterFile(kGoldenFile, "x.pmt", record), ParameterFileRead::Ok);
    EXPECT_EQ(record.at(3, 7), RecordValue::Number(10000));
    EXPECT_EQ(record.at(4, 13), RecordValue::Text("000"));
    EXPECT_EQ(record.at(1, 21), RecordValue::Number(7));
    EXPECT_EQ(record.at(1, 28), RecordValue::Number(0));
}

TEST_F(ParameterFile, MissingFileFailsWith681)
{
    ParameterSet set;
    EXPECT_EQ(OpenParameterFileAt(set, path("none.pmt"), dialogs, messages), Outcome::Failed);
    EXPECT_EQ(dialogs.texts(), QStringList({"Fail to open parameter file."}));
}

TEST_F(ParameterFile, SaveTakesControlsChecksAsksAndWrites)
{
    ParameterSet set = GoldenSet();
    set.editor.setNumber(Param::Offset, 2, std::nullopt);
    bool taken = false;
    const TakeControlsStep takeControls = [&] {
        taken = true;
        set.editor.setNumber(Param::Offset, 2, 102);  // what the window's field holds
    };
    dialogs.answerSave(path("saved.pmt"));
    EXPECT_EQ(SaveParameterFile(set, dialogs, messages, takeControls), Outcome::Done);
    EXPECT_TRUE(taken);
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    const FileRequest& request = dialogs.saveRequests[0];
    EXPECT_EQ(request.title, "Save Parameters as ...");
    EXPECT_EQ(request.filter, "Parameter(*.pmt)|*.pmt|All files(*.*)|*.*");
    EXPECT_EQ(request.defaultName, "kvt7prm1.pmt");
    EXPECT_EQ(request.defaultExtension, "pmt");
    EXPECT_TRUE(request.initialFolder.isEmpty());
    EXPECT_EQ(dialogs.texts(), QStringList({"Completed save parameters into the file."}));
    EXPECT_EQ(ReadBytes(path("saved.pmt")), kGoldenFile);
    EXPECT_EQ(set.currentFile, path("saved.pmt"));
    EXPECT_EQ(set.editor.text(Param::Actuator, 1), " 28L100") << "rebuilt in the set too";
}

TEST_F(ParameterFile, SaveStopsOnEmptyOrInvalidValuesAndOnCancel)
{
    ParameterSet set = GoldenSet();
    set.editor.setNumber(Param::Alm, 3, std::nullopt);
    EXPECT_EQ(SaveParameterFile(set, dialogs, messages), Outcome::Failed);
    set.editor.setNumber(Param::Alm, 3, 4);
    EXPECT_EQ(SaveParameterFile(set, dialogs, messages), Outcome::Failed);
    EXPECT_EQ(dialogs.texts(),
              QStringList({"No data in some of parameters.\r\n Please fill the data in and try it again.",
                           "Invalid value in some parameters.\r\nConfirm the value and try it again."}));
    EXPECT_TRUE(dialogs.saveRequests.empty());

    dialogs.clear();
    set.editor.setNumber(Param::Alm, 3, 5);
    dialogs.answerSave(std::nullopt);
    EXPECT_EQ(SaveParameterFile(set, dialogs, messages), Outcome::Cancelled);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(set.currentFile.isEmpty());
}

TEST_F(ParameterFile, FailedSaveGives13AfterRetriesAndKeepsTheOldFile)
{
    ParameterSet set = GoldenSet();
    set.currentFile = QStringLiteral("before.pmt");
    dialogs.answerSave(dir.filePath("no/such/folder/x.pmt"));
    QElapsedTimer timer;
    timer.start();
    EXPECT_EQ(SaveParameterFile(set, dialogs, messages), Outcome::Failed);
    EXPECT_GE(timer.elapsed(), 400);
    EXPECT_EQ(dialogs.texts(), QStringList({"Fail to  Save parameters into the file."}));
    EXPECT_EQ(set.currentFile, "before.pmt");
}

TEST_F(ParameterFile, OpenAsksWithItsDialogAndCancelIsQuiet)
{
    ParameterSet set = ValidSet(1);
    const ParameterSet before = set;
    dialogs.answerOpen(std::nullopt);
    EXPECT_EQ(OpenParameterFile(set, dialogs, messages), Outcome::Cancelled);
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].title, "Open Parameter file");
    EXPECT_EQ(dialogs.openRequests[0].filter, "Parameter(*.pmt)|*.pmt|All files(*.*)|*.*");
    EXPECT_EQ(dialogs.openRequests[0].defaultExtension, "pmt");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(set.editor, before.editor);

    dialogs.answerOpen(fileWith(kGoldenFile));
    EXPECT_EQ(OpenParameterFile(set, dialogs, messages), Outcome::Done);
    EXPECT_EQ(set.editor.number(Param::Axis), 7);
    EXPECT_EQ(set.record.fileName(), "in.pmt");
}
