// kvt7ctl: the controller operations of KV-T7 from a terminal.

#include "CliCommands.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    try {
        return kvt7::RunCli(QCoreApplication::arguments().mid(1));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "kvt7ctl: %s\n", error.what());
        return kvt7::kExitFailure;
    }
}
