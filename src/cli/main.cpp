// kvt7ctl: the controller operations of KV-T7 from a terminal.

#include "CliCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>

namespace {

// Printing measures and embeds fonts, which needs a GUI application; without a display it
// runs on the offscreen platform.
bool PrintRequested(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "print") == 0)
            return true;
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    std::unique_ptr<QCoreApplication> application;
    if (PrintRequested(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    try {
        return kvt7::RunCli(QCoreApplication::arguments().mid(1));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kvt7ctl: %s\n", error.what());
        return kvt7::kExitFailure;
    }
}
