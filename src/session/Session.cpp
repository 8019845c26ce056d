#include "Session.h"

#include "link/AlarmList.h"
#include "platform/JournalFile.h"

namespace kvt7 {

Session::Session(const SessionOutside& outside, QString folder, std::optional<QString> device)
    : keptJournal(outside.journal ? nullptr : std::make_unique<MemoryJournal>()),
      store(outside.store), frontEnd(outside.frontEnd),
      journal(
              outside.journal ? *outside.journal : *keptJournal,
              [this] {
                  return JournalOrigin{frontEnd, link.portDevice(),
                                       status.version().ControllerVersion};
              },
              outside.dialogs, messages),
      journalDialogs(outside.dialogs, journal), dialogs(journalDialogs), port(outside.port),
      programFolder(std::move(folder)), deviceOverride(std::move(device)),
      link(port, mode, dialogs, messages, settings, section, status, deviceOverride),
      catalogueFile(programFolder, messages, dialogs)
{
}

Session::Session(SettingsStore& outsideStore, Dialogs& outsideDialogs, SerialPort& line,
                 QString folder, std::optional<QString> device)
    : Session(SessionOutside{outsideStore, outsideDialogs, line}, std::move(folder),
              std::move(device))
{
}

void LoadProgramAlarmList(Session& session)
{
    session.status.setAlarmList(LoadAlarmList(session.programFolder, session.messages, session.dialogs));
}

}  // namespace kvt7
