#include "ParameterFixtures.h"

#include "actuators/ActuatorCatalogue.h"
#include "actuators/UnitConversion.h"
#include "parameters/FactoryDefaults.h"
#include "parameters/ParameterChecks.h"
#include "platform/FieldFile.h"
#include "support/ScriptedDialogs.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace kvt7;
using namespace kvt7::test;

namespace {

const QByteArray kNewList =
    "\"KV-M8\",\"KV-STDPRM\"\r\n3,0\r\n"
    "\" 28L-100\",200,50,10,11,5,1,20000,2,400,10,0,\" 28L100\"\r\n"
    "\" 42D-050\",48,60,15,12,6,2,2400,4,192,12,1,\" 42D050\"\r\n"
    "\"E35H-300\",33,45,30,15,8,3,10000,12,400,20,0,\"E35H300\"\r\n";
const QByteArray kOldList =
    "\"KV-M8\",\"KV-STDPRM\"\r\n1,0\r\n"
    "\" 28L-100\",222,55,8,8,4,4,20000,2,400,8,1,\" 28L100\"\r\n";
const QByteArray kCommonList =
    "\"KV-M8\",\"KV-CMNPRM\"\r\n3\r\n"
    "\"PG\",2,3\r\n9,0,2\r\n9,100,300\r\n"
    "\"ETC\",5,3\r\n9,3,0\r\n9,1,0\r\n9,1,0\r\n9,1,0\r\n9,20,0\r\n"
    "\"SPECIAL\",7,3\r\n9,0,0\r\n9,1,0\r\n9,50,0\r\n9,60,0\r\n9,1,0\r\n9,1,0\r\n9,1,0\r\n";

AxisSetting Actuator(const char* size, const char* speed, int stroke, bool newType, bool inUse = true)
{
    AxisSetting s;
    s.InUse = inUse;
    s.SizeCode = QString::fromLatin1(size);
    s.SpeedCode = QString::fromLatin1(speed);
    s.StrokeMm = stroke;
    s.NewType = newType;
    s.Vertical = false;
    return s;
}

class FactoryDefaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        write(kNewKvDefaultList, kNewList);
        write(kOldKvDefaultList, kOldList);
        write(kCommonDefaultList, kCommonList);
        request.programFolder = dir.path();
        request.recorded = {Actuator(" 28", "L", 100, true), Actuator(" 28", "L", 100, false),
                            Actuator(" 28", "L", 100, true, false), Actuator(" 28", "L", 100, true, false)};
    }
    void write(const QString& name, const QByteArray& bytes) { WriteBytes(dir.filePath(name), bytes); }
    int apply() { return ApplyFactoryDefaults(set, lists, request, dialogs, messages); }

    QTemporaryDir dir;
    FactoryDefaultsRequest request;
    ParameterSet set;
    DefaultLists lists;
    ScriptedDialogs dialogs;
    MessageCatalogue messages = EnglishMessages();
    const QString k2829 = "No standard parameter list file.\r\nPut standart parameter list file in the "
                          "folder in which the program saved in order to indicate standard parameters "
                          "correctly.";
    const QString k36 = "Fail to open standard parameter file.";
};

}  // namespace

TEST_F(FactoryDefaults, NewAndOldAxesReadDifferentListsAndGetCommonValues)
{
    ASSERT_EQ(apply(), 0);
    EXPECT_TRUE(dialogs.messages.empty());
    const EditorValues& v = set.editor;
    EXPECT_EQ(v.number(Param::Offset, 1), 200);
    EXPECT_EQ(v.number(Param::Offset, 2), 222) << "an old-type axis reads t7kvstpr.lst";
    EXPECT_EQ(v.number(Param::Seq, 2), 4);
    EXPECT_EQ(v.number(Param::AutoDrive, 2), 1);
    EXPECT_EQ(v.number(Param::OfsVel, 1), 11);
    EXPECT_EQ(v.number(Param::Stroke, 1), 20000);
    EXPECT_EQ(v.number(Param::Type, 1), 1) << "new-type";
    EXPECT_EQ(v.number(Param::Type, 2), 0) << "old-type, not vertical";
    EXPECT_EQ(v.text(Param::Actuator, 1), " 28L100");
    EXPECT_EQ(v.text(Param::ActSize, 1), " 28");
    EXPECT_EQ(v.number(Param::ActStroke, 1), 100);
    EXPECT_EQ(v.number(Param::Function, 1), 0);
    EXPECT_EQ(v.number(Param::Alm, 1), 100);
    EXPECT_EQ(v.number(Param::PgTimer, 2), 50);
    EXPECT_EQ(v.number(Param::LsTimer, 2), 60);
    EXPECT_EQ(v.number(Param::HomeOut), 3);
    EXPECT_EQ(v.number(Param::SmTimer), 20);
    EXPECT_EQ(v.number(Param::AutoHome), 1);
    EXPECT_EQ(v.number(Param::StopPause), 1);
    EXPECT_EQ(v.number(Param::Axis), 0b0011);
    EXPECT_FALSE(v.number(Param::Offset, 3)) << "axes not in use are left alone";
    EXPECT_EQ(lists.Axes[0].FileName, kNewKvDefaultList);
    EXPECT_EQ(lists.Axes[1].FileName, kOldKvDefaultList);
}

TEST_F(FactoryDefaults, EncoderTakesColumnTwoAndVerticalOldTypeIsTypeOne)
{
    request.recorded[0].WithPg = true;
    request.recorded[1].Vertical = true;
    ASSERT_EQ(apply(), 0);
    EXPECT_EQ(set.editor.number(Param::Function, 1), 2);
    EXPECT_EQ(set.editor.number(Param::Alm, 1), 300);
    EXPECT_EQ(set.editor.number(Param::Function, 2), 0);
    EXPECT_EQ(set.editor.number(Param::Type, 2), 1);
}

TEST_F(FactoryDefaults, MissingModelGives36ButKeepsPgAndSpecialValues)
{
    request.recorded[1] = Actuator(" 42", "D", 50, false);  // not in the old-type list
    set.editor.setNumber(Param::Offset, 2, 1234);
    EXPECT_EQ(apply(), 1);
    EXPECT_EQ(dialogs.texts(), QStringList({k36}));
    EXPECT_EQ(set.editor.number(Param::Offset, 2), 1234);
    EXPECT_EQ(set.editor.number(Param::Alm, 2), 100);
    EXPECT_EQ(set.editor.number(Param::PgTimer, 2), 50);
    EXPECT_EQ(set.editor.number(Param::Offset, 1), 200) << "the axis found is filled";
    EXPECT_EQ(set.editor.number(Param::HomeOut), 3);
}

TEST_F(FactoryDefaults, CommonSectionsOutOfOrderGive2829Then36)
{
    QByteArray swapped = kCommonList;
    swapped.replace("\"ETC\"", "\"TMP\"").replace("\"PG\"", "\"ETC\"").replace("\"TMP\"", "\"PG\"");
    write(kCommonDefaultList, swapped);
    EXPECT_EQ(apply(), 1);
    EXPECT_EQ(dialogs.texts(), QStringList({k2829, k36}));
    EXPECT_TRUE(lists.DefaultListsUnusable);
    EXPECT_FALSE(set.editor.number(Param::Offset, 1)) << "nothing applied";
}

TEST_F(FactoryDefaults, HeaderAndFileFailures)
{
    write(kOldKvDefaultList, "\"KV-M8\",\"XX-STDPRM\"\r\n0,0\r\n");
    EXPECT_EQ(apply(), 1);
    EXPECT_EQ(dialogs.texts(),
              QStringList({"Fail to open standard parameter file for KV-T7.(2AXIS)", k36}));

    dialogs.clear();
    write(kOldKvDefaultList, kOldList);
    write(kCommonDefaultList, "\"KV-M8\",\"KV-STDPRM\"\r\n3\r\n");
    EXPECT_EQ(apply(), 1);
    EXPECT_EQ(dialogs.texts(), QStringList({"Fail to open standard parameter file for KV-T7.", k36}));

    dialogs.clear();
    QFile::remove(dir.filePath(kCommonDefaultList));
    EXPECT_EQ(apply(), 1);
    EXPECT_EQ(dialogs.texts(), QStringList({k2829, k36}));
    EXPECT_TRUE(lists.DefaultListsUnusable);

    dialogs.clear();
    write(kCommonDefaultList, kCommonList);
    EXPECT_EQ(apply(), 0);
    EXPECT_FALSE(lists.DefaultListsUnusable) << "cleared by the next load";
}

TEST_F(FactoryDefaults, DamagedListsAreUnreadable)
{
    const QByteArray damaged[] = {
        "\"KV-M8\",\"KV-STDPRM\"\r\n2,0\r\n\" 28L-100\",200,50,10,11,5,1,20000,2,400,10,0,\" 28L100\"\r\n",
        "\"KV-M8\",\"KV-STDPRM\"\r\n1,0\r\n\" 28L-100\",200,abc,10,11,5,1,20000,2,400,10,0,\" 28L100\"\r\n",
        "\"KV-M8\",\"KV-STDPRM\"\r\n100,0\r\n",
    };
    for (const QByteArray& bytes : damaged) {
        dialogs.clear();
        write(kNewKvDefaultList, bytes);
        EXPECT_EQ(apply(), 1);
        EXPECT_EQ(dialogs.texts(), QStringList({k2829, k36})) << bytes.constData();
    }
}

TEST_F(FactoryDefaults, FixedAxisMaskIsKept)
{
    request.fixedAxisMask = 0b1011;
    ASSERT_EQ(apply(), 0);
    EXPECT_EQ(set.editor.number(Param::Axis), 0b1011);
}

TEST_F(FactoryDefaults, NonKvAxisTakesTheListTaggedForIt)
{
    QByteArray rqList = kOldList;
    rqList.replace("KV-STDPRM", "RQ-STDPRM").replace("222", "333");
    write(kOldKvDefaultList, rqList);
    request.recorded[0].IsKv = false;
    request.recorded[0].Family = QStringLiteral("RQ");
    ASSERT_EQ(apply(), 0);
    EXPECT_EQ(set.editor.number(Param::Offset, 1), 333) << "new-type, but the RQ list is taken";
    EXPECT_EQ(set.editor.number(Param::Offset, 2), 333) << "the tag is accepted for a KV axis";

    write(kOldKvDefaultList, kOldList);
    ASSERT_EQ(apply(), 0);
    EXPECT_EQ(set.editor.number(Param::Offset, 1), 200) << "no RQ list: its type's list";
}

TEST_F(FactoryDefaults, AxisVariantChangesOnlyTheAxisValues)
{
    set = ValidSet(0b0011);
    const ParameterSet before = set;
    request.recorded[0] = Actuator("E35", "H", 300, true);
    request.recorded[0].WithPg = true;
    ASSERT_EQ(ApplyFactoryAxisDefaults(set, lists, request, dialogs, messages), 0);
    const EditorValues& v = set.editor;
    EXPECT_EQ(v.number(Param::Offset, 1), 33);
    EXPECT_EQ(v.number(Param::PushVel, 1), 8);
    EXPECT_EQ(v.number(Param::Lead, 1), 12);
    EXPECT_EQ(v.number(Param::JogVel, 1), 20);
    EXPECT_EQ(v.text(Param::Actuator, 1), "E35H300");
    EXPECT_EQ(v.text(Param::ActSize, 1), "E35");
    EXPECT_EQ(v.number(Param::Function, 1), 2);
    for (const Param p : {Param::Seq, Param::AutoDrive, Param::Alm, Param::PgTimer, Param::M0Enable})
        EXPECT_EQ(v.number(p, 1), before.editor.number(p, 1)) << InfoOf(p).name;
    for (const Param p : {Param::HomeOut, Param::SmTimer, Param::AutoHome, Param::StopPause, Param::Axis})
        EXPECT_EQ(v.number(p), before.editor.number(p)) << InfoOf(p).name;

    request.recorded[1] = Actuator(" 99", "Z", 10, false);
    EXPECT_EQ(ApplyFactoryAxisDefaults(set, lists, request, dialogs, messages), 1);
    EXPECT_EQ(dialogs.lastText(), k36);
}

TEST(ShippedDefaultLists, EveryModelIsConsistentAndPassesTheFullCheck)
{
    const QString folder = ProgramDir();
    const MessageCatalogue messages = EnglishMessages();
    ScriptedDialogs dialogsForCatalogue;
    for (const QString& name : {kNewKvDefaultList, kOldKvDefaultList}) {
        auto reader = FieldReader::FromFile(QDir(folder).filePath(name));
        ASSERT_TRUE(reader) << name.toStdString();
        EXPECT_EQ(reader->nextText(), "KV-M8");
        EXPECT_EQ(reader->nextText(), "KV-STDPRM");
        const int count = static_cast<int>(*reader->nextNumber());
        reader->next();
        ASSERT_GT(count, 0);
        for (int i = 0; i < count; ++i) {
            const QString model = *reader->nextText();
            std::array<double, 11> values{};
            for (double& value : values)
                value = *reader->nextNumber();
            const QString actuator = *reader->nextText();
            const double lead = values[7];
            const double ppr = values[8];
            // LEAD, PULSE and STROKE agree with the catalogue and with the largest position the
            // program computes from the stroke, so a controller set from the lists matches.
            const auto catalogue = CatalogueFile(folder, messages, dialogsForCatalogue)
                                       .FindLeadAndPpr(model.left(3), model.mid(3, 1), model.mid(5, 3).toInt());
            ASSERT_TRUE(catalogue) << model.toStdString();
            EXPECT_EQ(lead, catalogue->LeadMm) << model.toStdString();
            EXPECT_EQ(ppr, catalogue->PulsesPerRev) << model.toStdString();
            EXPECT_EQ(values[6], MaxPulseOfStroke(model.mid(5, 3).toInt(), lead, ppr)) << model.toStdString();
            EXPECT_EQ(actuator, model.left(4) + model.mid(5, 3));

            AxisSetting setting = Actuator("", "", 0, name == kNewKvDefaultList);
            setting.SizeCode = model.left(3);
            setting.SpeedCode = model.mid(3, 1);
            setting.StrokeMm = model.mid(5, 3).toInt();
            FactoryDefaultsRequest request{folder, {setting, setting, setting, setting}, std::nullopt};
            ParameterSet set;
            DefaultLists lists;
            ScriptedDialogs dialogs;
            ASSERT_EQ(ApplyFactoryDefaults(set, lists, request, dialogs, messages), 0) << model.toStdString();
            EXPECT_EQ(CheckParameterValues(set.editor), 0) << model.toStdString();
            EXPECT_FALSE(CheckEmptyFields(set.editor));
        }
    }
}

TEST(ShippedDefaultLists, CatalogueModelsNamedForTheProgramAreListed)
{
    const QString folder = ProgramDir();
    const MessageCatalogue messages = EnglishMessages();
    struct Model { const char* size; const char* speed; int stroke; qint64 lead, ppr, stroke_pulses; };
    for (const Model& m : {Model{" 28", "L", 100, 2, 400, 20000}, Model{" 42", "D", 50, 4, 192, 2400},
                           Model{" 28", "L", 50, 2, 400, 10000}, Model{" 28", "L", 200, 2, 400, 40000},
                           Model{" 20", "M", 100, 6, 400, 6667}, Model{"E35", "H", 300, 12, 400, 10000}}) {
        AxisSetting s = Actuator(m.size, m.speed, m.stroke, true);
        FactoryDefaultsRequest request{folder, {s, s, s, s}, std::nullopt};
        ParameterSet set;
        DefaultLists lists;
        ScriptedDialogs dialogs;
        ASSERT_EQ(ApplyFactoryDefaults(set, lists, request, dialogs, messages), 0) << m.size << m.speed;
        EXPECT_EQ(set.editor.number(Param::Lead, 4), m.lead);
        EXPECT_EQ(set.editor.number(Param::Pulse, 4), m.ppr);
        EXPECT_EQ(set.editor.number(Param::Stroke, 4), m.stroke_pulses);
        EXPECT_EQ(set.editor.number(Param::Axis), 0xF);
    }
}
