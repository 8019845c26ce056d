#include "CliContext.h"
#include "base/MessageIds.h"

#include "CliCommands.h"
#include "platform/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <cstdio>

namespace kvt7 {

CliContext::CliContext(CliOptions options) : options_(std::move(options))
{
    clock_.start();
}

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
    // A relative path names a file of the working folder; the serial port would look for it
    // under /dev (where a bare name such as "ttyUSB0" is still looked for).
    if (device && device->contains(QLatin1Char('/')) && QDir::isRelativePath(*device))
        device = QDir::cleanPath(QDir::current().absoluteFilePath(*device));
    if (options_.simulate) {
        simulator_ = std::make_unique<SimulatorProcess>();
        if (!simulator_->start(options_.simulatorArguments)) {
            complain(simulator_->errorText());
            return false;
        }
        device = simulator_->devicePath();
    }
    session_ = std::make_unique<Session>(
            SessionOutside{store_, dialogs_, port_, &journal_, QStringLiteral("kvt7ctl")},
            ProgramDataFolder(), device);
    Session& session = *session_;
    ReadStartPreferences(session.section, session.settings);
    if (options_.language)
        session.settings.Language = *options_.language;
    session.messages.setLanguage(session.settings.Language);
    if (options_.portNo)
        session.settings.PortNo = *options_.portNo;
    LoadProgramAlarmList(session);
    // Whether a failed exchange was answered decides between "no controller" and "refused".
    QObject::connect(&session.link, &ControllerLink::exchangeFailing, &session.link, [this] {
        exchangeFailed_ = true;
        exchangeUnanswered_ = session_->link.TimeoutElapsed() || port_.wentAway();
    });
    return true;
}

int CliContext::failureExit() const
{
    if (port_.lastOpenFailed() || (exchangeFailed_ && exchangeUnanswered_))
        return kExitNoController;
    // A write refused because the machine was moving exchanged nothing that failed.
    const bool moving = dialogs_.shownTexts().contains(
            ConsoleText(session_->messages.Text(Msg::WritingDataNotMadeDuringMovement)));
    return exchangeFailed_ || moving ? kExitControllerRefused : kExitFailure;
}

QByteArray CliContext::document(int status) const
{
    QJsonObject object = result_;
    object.insert(QStringLiteral("exit"), status);
    const QStringList shown = dialogs_.shownTexts();
    if (!shown.isEmpty())
        object.insert(QStringLiteral("messages"), QJsonArray::fromStringList(shown));
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

void CliContext::print(const QString& text)
{
    if (options_.json)
        return;
    const QByteArray bytes = (ConsoleText(text) + QLatin1Char('\n')).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void CliContext::complain(const QString& text)
{
    dialogs_.note(QStringLiteral("kvt7ctl: ") + text);
}

int CliContext::writeExit(WriteEnd end)
{
    if (end == WriteEnd::StoredModeLeft)
        dialogs().message(session_->messages.Text(Msg::DataStoredControllerButControllerStays));
    if (end == WriteEnd::Stored)
        return kExitSuccess;
    // The data went in and the controller did not take the mode command: it refused.
    const int failure = failureExit();
    return end == WriteEnd::StoredModeLeft && failure == kExitFailure ? kExitControllerRefused : failure;
}

}  // namespace kvt7
