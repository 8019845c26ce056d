#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace kvt7 {

// The four kinds of data file.
enum class DataFileKind { Positions, Parameters, Groups, Sm };

// The kind a file's identification names (a damaged file of a kind is still of that kind);
// nullopt for a file of none of them.
std::optional<DataFileKind> DataFileKindOf(const QByteArray& bytes);

// "positions", "parameters", "groups", "sm": as the JSON documents name them.
QString DataFileKindName(DataFileKind kind);

}  // namespace kvt7
