#include "ParameterFile.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "parameters/ActuatorText.h"
#include "parameters/FieldIntegers.h"
#include "platform/Cp932.h"
#include "platform/Dialogs.h"

#include "platform/FieldFile.h"

#include <QFileInfo>

namespace kvt7 {

namespace {

struct Section {
    const char* name;
    int firstItem;
    int rows;
    int columns;  // as written
};

// The sections in their fixed order; the item number runs on from one section to the next.
constexpr std::array<Section, 5> kSections{{
    {"HOME", 1, 6, 4},
    {"AXIS", 7, 7, 4},
    {"PG", 14, 2, 4},
    {"ETC", 16, 5, 1},
    {"SPECIAL", 21, 7, 4},
}};
// Files of an older version lack STOP/PAUSE.
constexpr int kOlderSpecialRows = 6;

void WriteRow(FieldWriter& out, const EditorValues& values, const ParameterInfo& info, int columns)
{
    for (int axis = 1; axis <= columns; ++axis) {
        if (info.common && axis > 1)
            out.number(0);
        else if (info.id == Param::Actuator)
            out.text(RebuiltActuatorText(values, axis));
        else
            out.number(values.number(info.id, axis).value_or(0));
    }
    out.endLine();
}

}  // namespace

QString ParameterFileText(const EditorValues& values)
{
    FieldWriter out;
    out.text(QStringLiteral("KV-M8")).text(QStringLiteral("PRM")).endLine();
    out.number(static_cast<qint64>(kSections.size())).endLine();
    for (const Section& section : kSections) {
        out.text(QLatin1String(section.name)).number(section.rows).number(section.columns).endLine();
        for (int row = 0; row < section.rows; ++row)
            WriteRow(out, values, *InfoOfItem(section.firstItem + row), section.columns);
    }
    return out.content();
}

int WriteParameterFile(const EditorValues& values, const QString& path)
{
    const auto bytes = EncodeCp932(ParameterFileText(values));
    return bytes && WriteFileAtomically(path, *bytes) ? 0 : 1;
}

namespace {

// One value of a row into its record item; false when a number was expected and the field
// holds something else.
bool ReadValue(FieldReader& reader, int item, RecordValue& value)
{
    const auto field = reader.next();
    if (!field)
        return false;
    const ParameterInfo* info = InfoOfItem(item);
    if (field->text.isEmpty()) {
        value = RecordValue();
    } else if (info && info->type == ParamType::Text) {
        value = RecordValue::Text(field->text);
    } else {
        const auto n = WholeNumber(field->text);
        if (!n)
            return false;
        value = RecordValue::Number(*n);
    }
    return true;
}

bool ReadSection(FieldReader& reader, const Section& section, ParameterRecord& record)
{
    const auto name = reader.nextText();
    const auto rows = NextWholeNumber(reader);
    const auto columns = NextWholeNumber(reader);
    if (!name || *name != QLatin1String(section.name) || !rows || !columns)
        return false;
    const bool special = section.firstItem == InfoOf(Param::Axis).item;
    const bool olderSpecial = special && *rows == kOlderSpecialRows;
    if ((*rows != section.rows && !olderSpecial) || *columns < 1 || *columns > kAxisCount)
        return false;
    for (int row = 0; row < *rows; ++row) {
        for (int axis = 1; axis <= *columns; ++axis) {
            if (!ReadValue(reader, section.firstItem + row, record.at(axis, section.firstItem + row)))
                return false;
        }
    }
    if (special) {
        if (olderSpecial)
            record.of(Param::StopPause, 1) = RecordValue::Number(0);
        record.of(Param::HiddenCommon, 1) = RecordValue::Number(0);
    }
    return true;
}

}  // namespace

ParameterFileRead ParseParameterFile(const QByteArray& bytes, const QString& fileName,
                                     ParameterRecord& record)
{
    auto reader = FieldReader::FromBytes(bytes);
    if (!reader)
        return ParameterFileRead::NotParameterFile;
    const auto maker = reader->nextText();
    const auto kind = reader->nextText();
    if (!maker || !kind || *maker != QLatin1String("KV-M8") || *kind != QLatin1String("PRM"))
        return ParameterFileRead::NotParameterFile;
    const auto sections = NextWholeNumber(*reader);
    if (!sections || *sections != static_cast<qint64>(kSections.size()))
        return ParameterFileRead::Failed;
    ParameterRecord read;
    read.at(1, kRecordFileNameItem) = RecordValue::Text(fileName);
    for (const Section& section : kSections) {
        if (!ReadSection(*reader, section, read))
            return ParameterFileRead::Failed;
    }
    if (!reader->atEnd())
        return ParameterFileRead::Failed;  // more than the layout holds
    record = std::move(read);
    return ParameterFileRead::Ok;
}

ParameterFileRead ReadParameterFile(ParameterSet& set, const QString& path, Dialogs& dialogs,
                                    const MessageCatalogue& messages)
{
    const auto bytes = ReadFileBytes(path);
    if (!bytes)
        return ParameterFileRead::Failed;
    const auto result = ParseParameterFile(*bytes, QFileInfo(path).fileName(), set.record);
    if (result == ParameterFileRead::NotParameterFile) {
        dialogs.message(messages.Text(Msg::NotParameterFileKVT7) + QStringLiteral("\r\n")
                                + messages.Text(Msg::OpeningFileCanceled),
                        Buttons::Ok, Icon::Critical);
    }
    return result;
}

}  // namespace kvt7
