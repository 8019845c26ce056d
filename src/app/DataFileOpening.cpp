#include "DataFileOpening.h"
#include "base/MessageIds.h"

#include "Program.h"
#include "platform/Dialogs.h"

#include <QFileInfo>

namespace kvt7 {

QString MainWindowTitle(const QString& caption, const QString& positionFile, bool changed)
{
    QString title = caption;
    if (!positionFile.isEmpty())
        title += QStringLiteral(" - ") + QFileInfo(positionFile).fileName();
    if (changed)
        title += QLatin1Char('*');
    return title;
}

std::optional<QString> DroppedDataFile(Program& program, const QStringList& localPaths, int itemCount)
{
    static const QStringList kinds{QStringLiteral("kvd"), QStringLiteral("pmt"), QStringLiteral("grp"),
                                   QStringLiteral("smd")};
    if (itemCount == 1 && localPaths.size() == 1) {
        const QFileInfo file(localPaths.first());
        if (file.isFile() && kinds.contains(file.suffix().toLower()))
            return file.absoluteFilePath();
    }
    program.dialogs.message(program.messages.Text(Msg::DropOneDataFileOnly), Buttons::Ok, Icon::Information);
    return std::nullopt;
}

bool RecentFileStillThere(Program& program, const QString& path)
{
    if (QFileInfo(path).isFile())
        return true;
    program.recentFiles.remove(path);
    program.dialogs.message(program.messages.Text(Msg::RecentFileNotFoundRemoved).arg(path), Buttons::Ok,
                            Icon::Warning);
    return false;
}

bool SaveQuestionBeforeOpen(Program& program, const std::function<void()>& save)
{
    if (!program.table.PosiChanged)
        return true;
    switch (program.dialogs.message(program.messages.Text(Msg::DataChangedSaveDataFile), Buttons::YesNoCancel,
                                    Icon::Question)) {
    case Answer::Yes:
        save();
        // A save that was cancelled or failed keeps the edits.
        return !program.table.PosiChanged;
    case Answer::No:
        return true;
    default:
        return false;
    }
}

}  // namespace kvt7
