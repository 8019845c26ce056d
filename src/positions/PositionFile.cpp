#include "PositionFile.h"

#include "platform/Cp932.h"
#include "platform/FieldFile.h"

#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace kvt7 {

namespace {

bool IsTypeText(const QString& text)
{
    return text == QLatin1String("NEW") || text == QLatin1String("OLD");
}

// Reads identification, models and (unless the file is older) types.
// The next fields, one a text; false when the file ends first.
bool ReadTexts(FieldReader& reader, std::array<QString, 4>& texts)
{
    for (QString& text : texts) {
        const auto field = reader.next();
        if (!field)
            return false;
        text = field->text;
    }
    return true;
}

std::optional<PositionFileError> ReadHeader(FieldReader& reader, PositionFileContent& content,
                                            bool older)
{
    const auto id = reader.next();
    if (!id)
        return PositionFileError::Fault;
    if (id->text != kPositionFileId)
        return PositionFileError::NotPositionFile;
    if (!ReadTexts(reader, content.modelTexts))
        return PositionFileError::Fault;
    if (older) {
        content.typeTexts.fill(QStringLiteral("OLD"));
        return std::nullopt;
    }
    if (!ReadTexts(reader, content.typeTexts))
        return PositionFileError::Fault;
    return std::nullopt;
}

bool ReadRecord(FieldReader& reader, PositionFileContent::Record& record)
{
    const auto number = reader.next();
    // The record number is written bare and followed by the record's other fields.
    if (!number || number->quoted || reader.lastFieldEndedLine())
        return false;
    const auto value = FieldNumber(number->text);
    if (!value || *value != std::floor(*value) || *value < 0 || *value > kLastPositionNo)
        return false;
    record.number = int(*value);
    for (int column = 1; column <= kCommentColumn; ++column) {
        const auto field = reader.next();
        if (!field)
            return false;
        const bool last = column == kCommentColumn;
        if (reader.lastFieldEndedLine() != last)
            return false;  // a line shorter or longer than a record
        record.values[std::size_t(column)] = field->text;
    }
    return true;
}

ParsedPositionFile Parse(const QByteArray& bytes, bool older)
{
    ParsedPositionFile result;
    auto reader = FieldReader::FromBytes(bytes);
    if (!reader)
        return result;
    PositionFileContent content;
    if (const auto error = ReadHeader(*reader, content, older)) {
        result.error = *error;
        return result;
    }
    if (!older && !std::any_of(content.typeTexts.begin(), content.typeTexts.end(), IsTypeText))
        return Parse(bytes, true);
    content.older = older;
    while (!reader->atEnd()) {
        PositionFileContent::Record record;
        if (!ReadRecord(*reader, record))
            return result;
        // The displayed range runs from the first record to the last one.
        if (!content.records.empty() && record.number <= content.lastNo)
            return result;
        if (content.records.empty())
            content.firstNo = record.number;
        content.lastNo = record.number;
        content.records.push_back(std::move(record));
    }
    result.content = std::move(content);
    return result;
}

}  // namespace

ParsedPositionFile ParsePositionFile(const QByteArray& bytes)
{
    return Parse(bytes, false);
}

ParsedPositionFile ReadPositionFileAt(const QString& path)
{
    const auto bytes = ReadFileBytes(path);
    if (!bytes)
        return {};
    return ParsePositionFile(*bytes);
}

void TakeIntoLoadBuffer(const PositionFileContent& content, PositionTable& table)
{
    for (const auto& record : content.records) {
        auto& row = table.store->PosiLoadBuffer[std::size_t(record.number)];
        for (int column = 1; column <= kCommentColumn; ++column)
            row[std::size_t(column)] = record.values[std::size_t(column)];
    }
    table.FileFirstNo = content.firstNo;
    table.FileLastNo = content.lastNo;
}

QString PositionFileText(const PositionStore& store, const PositionFileHeader& header, int from, int to)
{
    FieldWriter writer;
    writer.text(kPositionFileId).endLine();
    for (const QString& model : header.modelTexts)
        writer.text(model);
    writer.endLine();
    for (const QString& type : header.typeTexts)
        writer.text(type);
    writer.endLine();
    for (int n = from; n <= to; ++n) {
        const auto& row = store.PosiValue[std::size_t(n)];
        writer.number(n);
        for (int column = 1; column < kCommentColumn; ++column)
            writer.strForm(NumberOf(row[std::size_t(column)]));
        const QString comment = row[kCommentColumn].toString();
        if (comment.isEmpty())
            writer.empty();
        else
            writer.text(comment);
        writer.endLine();
    }
    return writer.content();
}

QString TableNameOfFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.left(std::max<qsizetype>(0, name.size() - 4));
}

}  // namespace kvt7

namespace kvt7 {

bool WritePositionFileAt(const QString& path, const PositionStore& store,
                         const PositionFileHeader& header, int from, int to)
{
    const auto bytes = EncodeCp932(PositionFileText(store, header, from, to));
    return bytes && WriteFileAtomically(path, *bytes);
}

}  // namespace kvt7
