#pragma once

#include "positions/PositionTable.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace kvt7 {

inline const QString kPositionFileId = QStringLiteral("KV-M8");

// What a position data file holds, before it reaches the table.
struct PositionFileContent {
    std::array<QString, 4> modelTexts;   // "" for an axis not in use
    std::array<QString, 4> typeTexts;    // "NEW" or "OLD"
    bool older = false;                  // the file had no line of types
    int firstNo = 0;
    int lastNo = 0;
    struct Record {
        int number = 0;
        PositionStore::Row values;  // columns 1..20 as read (texts)
    };
    std::vector<Record> records;
};

enum class PositionFileError {
    NotPositionFile,  // the identification is not "KV-M8"
    Fault             // unreadable, truncated, a record number outside 0..999 or not above the
                      // one before, a broken record
};

struct ParsedPositionFile {
    std::optional<PositionFileContent> content;
    PositionFileError error = PositionFileError::Fault;
};

// Parses the bytes of a .kvd file. A record is a bare record number and 20 fields ending its
// line; anything else is a fault, so a damaged file never half-fills the table.
ParsedPositionFile ParsePositionFile(const QByteArray& bytes);
ParsedPositionFile ReadPositionFileAt(const QString& path);

// Puts the records into the load buffer and the file's range into FileFirstNo/FileLastNo.
void TakeIntoLoadBuffer(const PositionFileContent& content, PositionTable& table);

// The file's bytes for positions from..to of the store. The model texts are the captions of
// the axis model labels; the type texts "NEW"/"OLD" per axis.
struct PositionFileHeader {
    std::array<QString, 4> modelTexts;
    std::array<QString, 4> typeTexts;
};
QString PositionFileText(const PositionStore& store, const PositionFileHeader& header, int from, int to);

// Writes the file through a temporary copy; false on any fault (the old file stays).
bool WritePositionFileAt(const QString& path, const PositionStore& store,
                         const PositionFileHeader& header, int from, int to);

// The name shown for a file: its name without folder and without its last four characters.
QString TableNameOfFile(const QString& path);

}  // namespace kvt7
