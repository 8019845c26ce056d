#include "DataFileKind.h"

#include "parameters/ParameterFile.h"
#include "positions/PositionFile.h"
#include "programs/ProgramDataFiles.h"

namespace kvt7 {

std::optional<DataFileKind> DataFileKindOf(const QByteArray& bytes)
{
    // The kinds with a type in their first line go first: a position file's line is only
    // the model.
    if (ParseGroupFile(bytes).outcome != ProgramFileRead::WrongKind)
        return DataFileKind::Groups;
    if (ParseSmFile(bytes).outcome != ProgramFileRead::WrongKind)
        return DataFileKind::Sm;
    ParameterRecord record;
    if (ParseParameterFile(bytes, QString(), record) != ParameterFileRead::NotParameterFile)
        return DataFileKind::Parameters;
    const ParsedPositionFile positions = ParsePositionFile(bytes);
    if (positions.content || positions.error != PositionFileError::NotPositionFile)
        return DataFileKind::Positions;
    return std::nullopt;
}

QString DataFileKindName(DataFileKind kind)
{
    switch (kind) {
    case DataFileKind::Positions:
        return QStringLiteral("positions");
    case DataFileKind::Parameters:
        return QStringLiteral("parameters");
    case DataFileKind::Groups:
        return QStringLiteral("groups");
    case DataFileKind::Sm:
        return QStringLiteral("sm");
    }
    return {};
}

}  // namespace kvt7
