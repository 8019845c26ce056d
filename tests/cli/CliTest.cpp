#include "base/MessageCatalogue.h"
#include "cli/CliOptions.h"
#include "cli/ConsoleDialogs.h"
#include "Kvt7ctlRun.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cstdio>

namespace kvt7::test {
namespace {

TEST(CliOptionsTest, OptionsEndAtTheCommandWords)
{
    const CliParse parsed = ParseCliOptions({"--port", "3", "--lang", "en", "version", "--x"});
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->portNo, 3);
    EXPECT_EQ(parsed.options->language, 2);
    EXPECT_EQ(parsed.options->words, (QStringList{"version", "--x"}));

    const CliParse simulated =
        ParseCliOptions({"--simulate", "--sim-arg", "--busy", "--lang", "ja", "status"});
    ASSERT_TRUE(simulated.options);
    EXPECT_TRUE(simulated.options->simulate);
    EXPECT_EQ(simulated.options->simulatorArguments, QStringList{"--busy"});
    EXPECT_EQ(simulated.options->language, 1);
}

TEST(CliOptionsTest, UnusableOptionsAreRefused)
{
    for (const QStringList& arguments :
         {QStringList{"--port", "0", "version"}, {"--port", "10", "version"}, {"--port"},
          {"--port", "x", "version"}, {"--lang", "de", "version"}, {"--port-device"},
          {"--port", "2", "--simulate", "version"}, {"--port-device", "/dev/x", "--simulate"},
          {"--sim-arg", "--busy", "version"}, {"--verbose", "version"}})
        EXPECT_FALSE(ParseCliOptions(arguments).options) << arguments.join(' ').toStdString();
}

class ConsoleDialogsTest : public ::testing::Test {
protected:
    ConsoleDialogsTest() : stream(std::tmpfile()), dialogs(stream) {}
    ~ConsoleDialogsTest() override { std::fclose(stream); }
    QString written()
    {
        std::fflush(stream);
        std::rewind(stream);
        QByteArray bytes(4096, '\0');
        bytes.resize(qsizetype(std::fread(bytes.data(), 1, size_t(bytes.size()), stream)));
        return QString::fromUtf8(bytes);
    }
    std::FILE* stream;
    ConsoleDialogs dialogs;
};

TEST_F(ConsoleDialogsTest, MessagesAreWrittenWithLineFeeds)
{
    EXPECT_EQ(dialogs.message("one\r\n\r\ntwo", Buttons::Ok, Icon::None), Answer::Ok);
    EXPECT_EQ(written(), "one\n\ntwo\n");
}

TEST_F(ConsoleDialogsTest, QuestionsAreRefusedUnlessTheCommandIsNonInteractive)
{
    EXPECT_EQ(dialogs.message("Q1", Buttons::OkCancel, Icon::Question), Answer::Cancel);
    EXPECT_EQ(dialogs.message("Q2", Buttons::YesNo, Icon::Question), Answer::No);
    EXPECT_EQ(dialogs.message("Q3", Buttons::YesNoCancel, Icon::Question), Answer::Cancel);
    EXPECT_FALSE(dialogs.openFileName({"Open", "", "", "", ""}));
    EXPECT_EQ(dialogs.choice("Select", "Which?", {"A", "B"}, false), -1);
    EXPECT_EQ(dialogs.choice("Select", "Which?", {"A", "B"}, true), 0);
    dialogs.setAffirmative(true);
    EXPECT_EQ(dialogs.message("Q4", Buttons::OkCancel, Icon::Question), Answer::Ok);
    EXPECT_EQ(dialogs.message("Q5", Buttons::YesNoCancel, Icon::Question), Answer::Yes);
    EXPECT_FALSE(dialogs.saveFileName({"Save", "", "", "", ""}));
    EXPECT_EQ(written(), "Q1\n-> Cancel\nQ2\n-> No\nQ3\n-> Cancel\nOpen\n-> Cancel\n"
                         "Select\nWhich?\n-> Cancel\nSelect\nWhich?\n-> A\n"
                         "Q4\n-> OK\nQ5\n-> Yes\nSave\n-> Cancel\n");
}

// kvt7ctl itself, with a settings store of its own.
class Kvt7ctl : public ::testing::Test {
protected:
    using Run = CliRun;

    Run run(const QStringList& arguments)
    {
        return RunKvt7ctl(arguments, config.path(), 30000);
    }
    void store(const QByteArray& settings)
    {
        QDir(config.path()).mkpath("KVT7V150");
        QFile file(config.filePath("KVT7V150/KVT7V150.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Settings]\n" + settings);
    }
    QString text(int id, int language = kEnglish)
    {
        catalogue.setLanguage(language);
        return catalogue.Text(id);
    }

    QTemporaryDir config;
    MessageCatalogue catalogue = MessageCatalogue::Builtin();
};

TEST_F(Kvt7ctl, VersionOfTheSimulatedController)
{
    const Run result = run({"--simulate", "--lang", "en", "version"});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
    const QStringList lines = result.out.split('\n');
    ASSERT_EQ(lines.size(), 8) << result.out.toStdString();  // two axes in use at start
    EXPECT_EQ(lines[0], "The version of this controller is as follows.");
    EXPECT_TRUE(lines[2].startsWith("<MAIN>  "));
    EXPECT_TRUE(lines[4].startsWith("<AXIS1>  "));
    EXPECT_TRUE(lines[6].startsWith("<AXIS2>  "));
}

TEST_F(Kvt7ctl, VersionListsTheControllersAxesInTheStoredLanguage)
{
    const Run result = run({"--simulate", "--sim-arg", "--axes", "--sim-arg", "A", "version"});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.contains(QString::fromUtf8("<２軸>  ")));
    EXPECT_TRUE(result.out.contains(QString::fromUtf8("<４軸>  ")));
    EXPECT_FALSE(result.out.contains(QString::fromUtf8("<１軸>")));
}

TEST_F(Kvt7ctl, MissingDeviceFailsWithThePortMessage)
{
    Run result = run({"--port-device", "/nonexistent/tty", "--lang", "en", "version"});
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.err, QString("Failed Communication port open.") + "\n\n" + QString("Please check a setting of a communication port.") + "\n");
    EXPECT_TRUE(result.out.isEmpty());

    // The stored port and its device mapping are used, in the stored language.
    store("Language=1\nPortNo=4\nPortDevice4=/nonexistent/ttyUSB9\n");
    result = run({"status"});
    EXPECT_EQ(result.status, 3);
    EXPECT_EQ(result.err, text(109, kJapanese) + "\n\n" + text(110, kJapanese) + "\n");
}

TEST_F(Kvt7ctl, StatusAndAlarmResetOfTheSimulatedController)
{
    Run result = run({"--simulate", "status"});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, "link: ok\nready: ready\nhome: not done\nalarm: No Error\naxes: 1 2\n");

    result = run({"--simulate", "--sim-arg", "--busy", "status"});
    EXPECT_TRUE(result.out.contains("ready: busy\n"));

    result = run({"--simulate", "alarm-reset"});
    EXPECT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, "No Error\n");

    result = run({"--simulate", "--lang", "en", "--sim-arg", "--error", "--sim-arg", "0AR=0%%125",
                  "alarm-reset"});
    EXPECT_EQ(result.status, 4);
    EXPECT_EQ(result.err, QString("Communication error occurs!") + "\nError No.5\n[Overvoltage]\n" + QString("The Alarm is not resettable.") + "\n"
                              + QString("Please turn off a power supply,and then turn on a power supply again in order to reset the alarm.") + "\n");
}

TEST_F(Kvt7ctl, ForeignControllerIsRefused)
{
    const Run result = run({"--simulate", "--lang", "en", "--sim-arg", "--type-digit",
                            "--sim-arg", "3", "version"});
    EXPECT_EQ(result.status, 4);
    EXPECT_EQ(result.err, QString("This is not \"KV-M8\" controller.") + "\n" + QString("Please check whether a controller is KV-M8.") + "\n");
}

TEST_F(Kvt7ctl, UsageErrorsExitWithTwo)
{
    for (const QStringList& arguments :
         {QStringList{}, {"frobnicate"}, {"--port", "0", "version"}, {"version", "extra"},
          {"--port", "1", "--simulate", "status"}}) {
        const Run result = run(arguments);
        EXPECT_EQ(result.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains("usage: kvt7ctl")) << arguments.join(' ').toStdString();
    }
    const Run help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("alarm-reset"));
}

}  // namespace
}  // namespace kvt7::test
