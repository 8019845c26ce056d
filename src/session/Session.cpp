#include "Session.h"

#include "link/AlarmList.h"

namespace kvt7 {

Session::Session(SettingsStore& outsideStore, Dialogs& outsideDialogs, SerialPort& line, QString folder,
                 std::optional<QString> device)
    : store(outsideStore),
      dialogs(outsideDialogs),
      port(line),
      programFolder(std::move(folder)),
      deviceOverride(std::move(device)),
      link(port, mode, dialogs, messages, settings, section, status, deviceOverride),
      catalogueFile(programFolder, messages, dialogs)
{
}

void LoadProgramAlarmList(Session& session)
{
    session.status.setAlarmList(LoadAlarmList(session.programFolder, session.messages, session.dialogs));
}

}  // namespace kvt7
