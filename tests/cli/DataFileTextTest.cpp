// kvt7ctl show and diff: the four data files as text and compared with each other, offline.
#include "Kvt7ctlRun.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

// Two positions with comments in full-width and half-width katakana, written as the program
// writes them: CP932, CR LF, quoted fields.
QString PositionFileText(const QString& pos8Axis1 = " 2500", const QString& pos8Comment = "全角コメント１")
{
    return QStringLiteral("\"KV-M8\"\r\n\"KV- 28L-100_ \",\"KV- 42D-050  \",\"\",\"\"\r\n"
                          "\"NEW\",\"NEW\",\"NEW\",\"NEW\"\r\n"
                          "7,\" 30\",\" 3\",\" 0\",\" 12000\",\" 30\",\" 2\",\" 0\",\" 192\",\" 0\",\" 0\",\" 0\","
                          "\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 1\",\" 2\",\" 0\",\"位置ｺﾒﾝﾄ\"\r\n"
                          "8,\" 30\",\" 3\",\" 0\",\"%1\",\" 30\",\" 2\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\","
                          "\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 0\",\" 3\",\"%2\"\r\n")
        .arg(pos8Axis1, pos8Comment);
}

class DataFileText : public ::testing::Test {
protected:
    CliRun run(const QStringList& arguments) { return RunKvt7ctl(arguments, folder.path(), 30000); }
    QString path(const QString& name) const { return folder.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void writeCp932(const QString& name, const QString& text) const
    {
        QStringEncoder encoder("windows-31j");
        const QByteArray bytes = encoder.encode(text);
        ASSERT_FALSE(encoder.hasError());
        write(name, bytes);
    }
    // A golden file of the source tree with one piece replaced.
    void copyChanged(const QString& source, const QString& name, const QByteArray& from, const QByteArray& to) const
    {
        QFile file(SourceDir() + "/tests/" + source);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QByteArray bytes = file.readAll();
        if (!from.isEmpty()) {
            ASSERT_TRUE(bytes.contains(from));
            bytes.replace(from, to);
        }
        write(name, bytes);
    }
    static QJsonObject document(const CliRun& result)
    {
        const QJsonDocument parsed = QJsonDocument::fromJson(result.out.toUtf8());
        EXPECT_TRUE(parsed.isObject()) << result.out.toStdString();
        return parsed.object();
    }

    QTemporaryDir folder;
};

TEST_F(DataFileText, ShowPrintsTheFourKindsAsUtf8Lines)
{
    writeCp932("job.kvd", PositionFileText());
    const CliRun positions = run({"show", path("job.kvd")});
    ASSERT_EQ(positions.status, 0) << positions.err.toStdString();
    EXPECT_EQ(positions.out,
              "KV-M8 positions\naxis 1: KV- 28L-100_ (NEW)\naxis 2: KV- 42D-050 (NEW)\n"
              "pos 7: ax1 60.000 mm (12000 pl) VEL 30 ACC 3 WAY 0, ax2 4.000 mm (192 pl) VEL 30 ACC 2 WAY 0, "
              "ITPL 1, OUT 2, S/M 0, comment \"位置ｺﾒﾝﾄ\"\n"
              "pos 8: ax1 12.500 mm (2500 pl) VEL 30 ACC 3 WAY 0, ax2 0.000 mm (0 pl) VEL 30 ACC 2 WAY 0, "
              "ITPL 0, OUT 0, S/M 3, comment \"全角コメント１\"\n");
    const QJsonObject json = document(run({"--json", "show", path("job.kvd")}));
    EXPECT_EQ(json["kind"].toString(), "positions");
    EXPECT_EQ(json["lines"].toArray().size(), 5);

    copyChanged("fuzz/parameter_file/seeds/golden.pmt", "set.pmt", {}, {});
    const CliRun parameters = run({"show", path("set.pmt")});
    ASSERT_EQ(parameters.status, 0) << parameters.err.toStdString();
    EXPECT_TRUE(parameters.out.startsWith("KV-M8 parameters\nOFFSET: ax1 101, ax2 102, ax3 103, ax4 0\n"))
        << parameters.out.toStdString();

    copyChanged("programs/golden/groups.grp", "g.grp", {}, {});
    const CliRun groups = run({"show", path("g.grp")});
    EXPECT_EQ(groups.status, 0);
    EXPECT_TRUE(groups.out.startsWith("KV-M8 groups\ngroup 1: 1-5\ngroup 2: 1-1\n")) << groups.out.toStdString();
    EXPECT_EQ(groups.out.count('\n'), 100);

    copyChanged("programs/golden/programs.smd", "s.smd", {}, {});
    const CliRun programs = run({"show", path("s.smd")});
    EXPECT_EQ(programs.status, 0);
    EXPECT_TRUE(programs.out.contains("\nsm 3: 1,2 5,9 4,4 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0 0,0\n"))
        << programs.out.toStdString();

    write("noise.kvd", "\"KV-M8\"\r\n\"KV- 28L-100_ \",");
    const CliRun damaged = run({"show", path("noise.kvd")});
    EXPECT_EQ(damaged.status, 5);
    EXPECT_TRUE(damaged.out.isEmpty());
    EXPECT_EQ(run({"show", path("absent.smd")}).status, 5);
    write("text.txt", "hello\n");
    EXPECT_EQ(run({"show", path("text.txt")}).status, 5);
}

// The same positions spelled otherwise (fractions of a pulse, as a value converted from mm
// leaves them) are equal; a pulse and a comment of difference are listed.
TEST_F(DataFileText, DiffComparesPositionsByTheirValueInPulses)
{
    writeCp932("a.kvd", PositionFileText());
    writeCp932("b.kvd", PositionFileText(" 2499.8"));
    const CliRun equal = run({"diff", path("a.kvd"), path("b.kvd")});
    EXPECT_EQ(equal.status, 0) << equal.out.toStdString() << equal.err.toStdString();
    EXPECT_TRUE(equal.out.isEmpty());

    writeCp932("c.kvd", PositionFileText(" 2501", "ｺﾒﾝﾄ"));
    const CliRun different = run({"--json", "diff", path("a.kvd"), path("c.kvd")});
    EXPECT_EQ(different.status, 1);
    const QJsonObject json = document(different);
    EXPECT_EQ(json["equal"], QJsonValue(false));
    EXPECT_EQ(json["differences"].toArray(),
              (QJsonArray{QJsonObject{{"kind", "position"}, {"number", 8}, {"axis", 1}, {"item", "position"},
                                      {"a", "12.500"}, {"b", "12.505"}, {"a_pulses", 2500}, {"b_pulses", 2501}},
                          QJsonObject{{"kind", "position"}, {"number", 8}, {"item", "comment"},
                                      {"a", "全角コメント１"}, {"b", "ｺﾒﾝﾄ"}}}));
    const CliRun text = run({"diff", path("a.kvd"), path("c.kvd")});
    EXPECT_EQ(text.out, "position 8 axis 1 position: 12.500 | 12.505\nposition 8 comment: 全角コメント１ | ｺﾒﾝﾄ\n");
}

TEST_F(DataFileText, DiffComparesParametersGroupsAndProgramsByName)
{
    copyChanged("fuzz/parameter_file/seeds/golden.pmt", "a.pmt", {}, {});
    copyChanged("fuzz/parameter_file/seeds/golden.pmt", "b.pmt", "\r\n101,102,103,0\r\n", "\r\n111,102,103,0\r\n");
    EXPECT_EQ(run({"diff", path("a.pmt"), path("a.pmt")}).status, 0);
    const CliRun parameters = run({"--json", "diff", path("a.pmt"), path("b.pmt")});
    EXPECT_EQ(parameters.status, 1);
    EXPECT_EQ(document(parameters)["differences"].toArray(),
              (QJsonArray{QJsonObject{{"kind", "parameter"}, {"axis", 1}, {"item", "OFFSET"}, {"a", "101"},
                                      {"b", "111"}}}));

    copyChanged("programs/golden/groups.grp", "a.grp", {}, {});
    copyChanged("programs/golden/groups.grp", "b.grp", "\r\n\"5\",1,1\r\n", "\r\n\"5\",1,7\r\n");
    EXPECT_EQ(document(run({"--json", "diff", path("a.grp"), path("b.grp")}))["differences"].toArray(),
              (QJsonArray{QJsonObject{{"kind", "group"}, {"number", 5}, {"item", "end"}, {"a", "1"}, {"b", "7"}}}));

    copyChanged("programs/golden/programs.smd", "a.smd", {}, {});
    copyChanged("programs/golden/programs.smd", "b.smd", "\r\n4,4\r\n0,0\r\n", "\r\n4,4\r\n2,1\r\n");
    const CliRun programs = run({"diff", path("a.smd"), path("b.smd")});
    EXPECT_EQ(programs.status, 1);
    EXPECT_EQ(programs.out, "sm 3 step 4: 0,0 | 2,1\n");

    EXPECT_EQ(run({"diff", path("a.grp"), path("a.smd")}).status, 2) << "two kinds";
    EXPECT_EQ(run({"diff", path("a.grp"), path("absent.grp")}).status, 5);
}

}  // namespace
}  // namespace kvt7::test
