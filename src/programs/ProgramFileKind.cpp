#include "ProgramFileKind.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"

#include <QStringList>

namespace kvt7 {

namespace {

QString Lines(const MessageCatalogue& messages, const QList<int>& ids)
{
    QStringList texts;
    for (int id : ids)
        texts << messages.Text(id);
    return texts.join(QLatin1String("\r\n"));
}

std::optional<QString> GroupRefusal(GroupData& data, const MessageCatalogue& messages)
{
    return GroupCheck(data.table) == 0 ? std::nullopt : std::optional(GroupCheckMessage(messages));
}

std::optional<QString> SmRefusal(SmData& data, const MessageCatalogue& messages)
{
    return SmDataCheck(data) == 0 ? std::nullopt
                                  : std::optional(SmCheckMessage(messages, data.refusedPrograms));
}

}  // namespace

FileRequest ProgramFileTexts::request(const MessageCatalogue& messages, const FileDialogIds& dialog) const
{
    FileRequest request;
    request.title = messages.Text(dialog.title);
    request.filter = messages.Text(dialog.filter);
    request.defaultExtension = extensionId != 0 ? messages.Text(extensionId) : extension;
    if (dialog.defaultName != 0)
        request.defaultName = messages.Text(dialog.defaultName);
    return request;
}

QString ProgramFileTexts::readFault(const MessageCatalogue& messages, ProgramFileRead outcome) const
{
    return Lines(messages, outcome == ProgramFileRead::WrongKind ? otherKind : damaged);
}

const ProgramFileKind<GroupData>& GroupFileKind()
{
    static const ProgramFileKind<GroupData> kind{
            {{Msg::OpenGRPDataFile, Msg::GRPDataGrpGrpAllFiles},
             {Msg::SaveGRPData, Msg::GRPDataGrpGrpAllFilesInGroup, Msg::Kvt7grp1Grp},
             {Msg::OpenGRPDataFileVerified, Msg::GRPDataGrpGrpAllFilesInGroup},
             {Msg::OpenGRPDataFilePrinted, Msg::GRPDataGrpGrpAllFilesInGroup},
             QStringLiteral("grp"),
             0,
             {Msg::NotGRPDataFileKVT7, Msg::OpeningFileCanceled},
             {Msg::ErrorOccurredReadingFile},
             Msg::ErrorOccurredWhileSavingGroupData,
             false},
            ReadGroupFile,
            WriteGroupFile,
            CopyReadBufferToTable,
            GroupRefusal,
            GroupDifferenceList,
            GroupVerifyMessage,
    };
    return kind;
}

const ProgramFileKind<SmData>& SmFileKind()
{
    static const ProgramFileKind<SmData> kind{
            {{Msg::OpenSMDataFile, Msg::SMDataSmdSmdAllFiles},
             {Msg::SaveSMData, Msg::SMDataSmdSmdAllFiles, Msg::Kvt7sm01Smd},
             {Msg::OpenSMDataFileVerified, Msg::SMDataSmdSmdAllFiles},
             {Msg::OpenSMDataFilePrinted, Msg::SMDataSmdSmdAllFiles},
             QString(),
             Msg::Smd,
             {Msg::ErrorOccurredWhileOpenigSMDataFile},
             {Msg::ErrorOccurredWhileOpenigSMDataFile},
             Msg::ErrorOccurredWhileSavingSMData,
             true},
            ReadSmFile,
            WriteSmFile,
            CopySmReadBufferToTable,
            SmRefusal,
            SmDifferenceList,
            SmVerifyMessage,
    };
    return kind;
}

}  // namespace kvt7
