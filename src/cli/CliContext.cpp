#include "CliContext.h"

#include "CliCommands.h"
#include "link/AlarmList.h"
#include "link/ControllerLink.h"
#include "platform/DataFolder.h"

#include <QCoreApplication>
#include <cstdio>

namespace kvt7 {

CliContext::CliContext(CliOptions options)
    : options_(std::move(options)), catalogue_(MessageCatalogue::Builtin())
{
}

CliContext::~CliContext()
{
    if (link_)
        link_->ClosePort();
    controller_.reset();
    link_.reset();
    simulator_.reset();
}

bool CliContext::prepare()
{
    ReadStartPreferences(section_, settings_);
    if (options_.language)
        settings_.Language = *options_.language;
    catalogue_.setLanguage(settings_.Language);
    if (options_.portNo)
        settings_.PortNo = *options_.portNo;

    std::optional<QString> device = options_.portDevice;
    if (options_.simulate) {
        simulator_ = std::make_unique<SimulatorProcess>();
        if (!simulator_->start(options_.simulatorArguments)) {
            complain(simulator_->errorText());
            return false;
        }
        device = simulator_->devicePath();
    }
    link_ = std::make_unique<ControllerLink>(port_, mode_, dialogs_, catalogue_, settings_,
                                             section_, status_, device);
    controller_.emplace(ControllerContext{*link_, status_, dialogs_, catalogue_});
    status_.setAlarmList(
        LoadAlarmList(ProgramDataFolder(), catalogue_, dialogs_));
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
        dialogs().message(catalogue_.Text(2560));
    return end == WriteEnd::Stored ? kExitSuccess : kExitFailure;
}

}  // namespace kvt7
