#include "CliContext.h"

#include "CliCommands.h"
#include "platform/DataFolder.h"

#include <QCoreApplication>
#include <cstdio>

namespace kvt7 {

CliContext::CliContext(CliOptions options) : options_(std::move(options)) {}

CliContext::~CliContext()
{
    if (session_)
        session_->link.ClosePort();
    session_.reset();
    simulator_.reset();
}

bool CliContext::prepare()
{
    std::optional<QString> device = options_.portDevice;
    if (options_.simulate) {
        simulator_ = std::make_unique<SimulatorProcess>();
        if (!simulator_->start(options_.simulatorArguments)) {
            complain(simulator_->errorText());
            return false;
        }
        device = simulator_->devicePath();
    }
    session_ = std::make_unique<Session>(store_, dialogs_, port_, ProgramDataFolder(), device);
    Session& session = *session_;
    ReadStartPreferences(session.section, session.settings);
    if (options_.language)
        session.settings.Language = *options_.language;
    session.messages.setLanguage(session.settings.Language);
    if (options_.portNo)
        session.settings.PortNo = *options_.portNo;
    LoadProgramAlarmList(session);
    return true;
}

void CliContext::print(const QString& text)
{
    const QByteArray bytes = (ConsoleText(text) + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void CliContext::complain(const QString& text)
{
    const QByteArray bytes = (QStringLiteral("kvt7ctl: ") + text + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

int CliContext::writeExit(WriteEnd end)
{
    if (end == WriteEnd::StoredModeLeft)
        dialogs().message(session_->messages.Text(2560));
    return end == WriteEnd::Stored ? kExitSuccess : kExitFailure;
}

}  // namespace kvt7
