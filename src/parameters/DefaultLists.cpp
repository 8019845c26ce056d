#include "DefaultLists.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "parameters/FieldIntegers.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace kvt7 {

namespace {

using ListRead = DefaultListRead;

const QString kRqTag = QStringLiteral("RQ-STDPRM");

std::optional<DefaultAxisEntry> ReadAxisEntry(FieldReader& reader, bool typeFlag)
{
    DefaultAxisEntry entry;
    const auto model = reader.nextText();
    if (!model)
        return std::nullopt;
    entry.ModelCode = *model;
    for (qint64& value : entry.Values) {
        const auto n = NextWholeNumber(reader);
        if (!n)
            return std::nullopt;
        value = *n;
    }
    const auto actuator = reader.nextText();
    if (!actuator)
        return std::nullopt;
    entry.Actuator = *actuator;
    entry.SizeCode = entry.ModelCode.left(3);
    entry.SpeedCode = entry.ModelCode.mid(3, 1);
    bool ok = false;
    const int stroke = entry.ModelCode.mid(5, 3).trimmed().toInt(&ok);
    entry.StrokeMm = ok ? stroke : -1;
    entry.Type = typeFlag ? 1 : 0;
    return entry;
}

ListRead ParseAxisList(std::optional<FieldReader> reader, const QString& fileName, bool typeFlag,
                       DefaultAxisTable& table)
{
    if (!reader)
        return ListRead::Unreadable;
    const auto maker = reader->nextText();
    const auto tag = reader->nextText();
    if (!maker || !tag || *maker != QLatin1String("KV-M8")
        || (*tag != QLatin1String("KV-STDPRM") && *tag != kRqTag))
        return ListRead::BadHeader;
    DefaultAxisTable read;
    read.FileName = fileName;
    read.Tag = *tag;
    const auto count = NextWholeNumber(*reader);
    if (!count || *count < 0 || *count > DefaultAxisTable::kMaxEntries || !reader->next())
        return ListRead::Unreadable;
    for (qint64 i = 0; i < *count; ++i) {
        auto entry = ReadAxisEntry(*reader, typeFlag);
        if (!entry)
            return ListRead::Unreadable;
        read.Entries.push_back(std::move(*entry));
    }
    table = std::move(read);
    return ListRead::Ok;
}

using CommonRead = DefaultListRead;

CommonRead ParseCommonList(std::optional<FieldReader> reader, DefaultCommonTable& table)
{
    if (!reader)
        return CommonRead::Unreadable;
    const auto maker = reader->nextText();
    const auto tag = reader->nextText();
    if (!maker || !tag || *maker != QLatin1String("KV-M8") || *tag != QLatin1String("KV-CMNPRM"))
        return CommonRead::BadHeader;
    static constexpr std::array<const char*, 3> kSections{"PG", "ETC", "SPECIAL"};
    const auto sections = NextWholeNumber(*reader);
    if (!sections || *sections != static_cast<qint64>(kSections.size()))
        return CommonRead::Unreadable;
    DefaultCommonTable read;
    int row = 0;
    for (const char* expected : kSections) {
        const auto name = reader->nextText();
        const auto rows = NextWholeNumber(*reader);
        const auto columns = NextWholeNumber(*reader);
        if (!name || *name != QLatin1String(expected) || !rows || !columns || *rows < 0
            || row + *rows > DefaultCommonTable::kRows || *columns < 1
            || *columns > DefaultCommonTable::kColumns)
            return CommonRead::Unreadable;
        for (qint64 r = 0; r < *rows; ++r, ++row) {
            for (qint64 c = 0; c < *columns; ++c) {
                const auto value = NextWholeNumber(*reader);
                if (!value)
                    return CommonRead::Unreadable;
                read.Cells[row][c] = *value;
            }
        }
    }
    table = read;
    return CommonRead::Ok;
}

ListRead ReadAxisList(const QString& path, bool typeFlag, DefaultAxisTable& table)
{
    return ParseAxisList(FieldReader::FromFile(path), QFileInfo(path).fileName(), typeFlag, table);
}

// A KV axis reads its type's list. No family but KV has lists of its own, so another family
// takes a list tagged for it when one of the two is, and otherwise its type's list as well.
QString ListNameForAxis(const AxisSetting& setting, const QString& folder)
{
    if (!setting.IsKv) {
        for (const QString& name : {kNewKvDefaultList, kOldKvDefaultList}) {
            DefaultAxisTable probe;
            if (ReadAxisList(QDir(folder).filePath(name), false, probe) == ListRead::Ok
                && probe.Tag == kRqTag)
                return name;
        }
    }
    return DefaultListNameFor(setting);
}

void ShowMissingLists(Dialogs& dialogs, const MessageCatalogue& messages)
{
    dialogs.message(messages.Text(Msg::NoStandardParameterListFile) + QStringLiteral("\r\n")
                            + messages.Text(Msg::PutStandardParameterListFileFolder),
                    Buttons::Ok, Icon::Critical);
}

}  // namespace

DefaultListRead ParseDefaultAxisList(const QByteArray& bytes, const QString& fileName,
                                     bool typeFlag, DefaultAxisTable& table)
{
    return ParseAxisList(FieldReader::FromBytes(bytes), fileName, typeFlag, table);
}

DefaultListRead ParseDefaultCommonList(const QByteArray& bytes, DefaultCommonTable& table)
{
    return ParseCommonList(FieldReader::FromBytes(bytes), table);
}

const DefaultAxisEntry* DefaultAxisTable::find(const QString& size, const QString& speed,
                                               int strokeMm) const
{
    for (const DefaultAxisEntry& entry : Entries) {
        if (entry.SizeCode == size && entry.SpeedCode == speed && entry.StrokeMm == strokeMm)
            return &entry;
    }
    return nullptr;
}

QString DefaultListNameFor(const AxisSetting& setting)
{
    return setting.NewType ? kNewKvDefaultList : kOldKvDefaultList;
}

int LoadDefaultLists(DefaultLists& lists, const QString& programFolder,
                     const std::array<AxisSetting, kAxisCount>& settings, Dialogs& dialogs,
                     const MessageCatalogue& messages)
{
    lists = DefaultLists();
    const QDir folder(programFolder);
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        const AxisSetting& setting = settings[static_cast<std::size_t>(axis - 1)];
        const QString name = ListNameForAxis(setting, programFolder);
        const ListRead read = ReadAxisList(folder.filePath(name), setting.NewType || setting.Vertical,
                                           lists.Axes[static_cast<std::size_t>(axis - 1)]);
        if (read == ListRead::BadHeader) {
            dialogs.message(messages.Text(Msg::FailOpenStandardParameterFileKVT7)
                                    + QStringLiteral("(%1AXIS)").arg(axis),
                            Buttons::Ok, Icon::Critical);
        } else if (read == ListRead::Unreadable) {
            ShowMissingLists(dialogs, messages);
        }
        if (read != ListRead::Ok) {
            lists.DefaultListsUnusable = true;
            return 1;
        }
    }
    const CommonRead common =
        ParseCommonList(FieldReader::FromFile(folder.filePath(kCommonDefaultList)), lists.Common);
    if (common == CommonRead::BadHeader)
        dialogs.message(messages.Text(Msg::FailOpenStandardParameterFileKVT7InStart), Buttons::Ok,
                        Icon::Critical);
    else if (common == CommonRead::Unreadable)
        ShowMissingLists(dialogs, messages);
    if (common != CommonRead::Ok) {
        lists.DefaultListsUnusable = true;
        return 1;
    }
    return 0;
}

}  // namespace kvt7
