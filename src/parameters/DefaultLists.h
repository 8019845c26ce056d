#pragma once

#include "actuators/AxisSetting.h"
#include "base/Outcome.h"
#include "parameters/ParameterTable.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <vector>

namespace kvt7 {

class Dialogs;
class MessageCatalogue;

inline const QString kOldKvDefaultList = QStringLiteral("t7kvstpr.lst");
inline const QString kNewKvDefaultList = QStringLiteral("t7nkvstpr.lst");
inline const QString kCommonDefaultList = QStringLiteral("t7cmstpr.lst");

// The parameters a per-actuator list gives for a model, in the order of its columns 4-14.
inline constexpr std::array<Param, 11> kDefaultAxisColumns{
    Param::Offset, Param::Push, Param::Vel,    Param::OfsVel, Param::PushVel,  Param::Seq,
    Param::Stroke, Param::Lead, Param::Pulse,  Param::JogVel, Param::AutoDrive};

// One model of a per-actuator list.
struct DefaultAxisEntry {
    QString ModelCode;                // column 0
    QString SizeCode;                 // column 1: characters 1-3 of the model code
    QString SpeedCode;                // column 2: character 4
    int StrokeMm = -1;                // column 3: characters 6-8; -1 when not a number
    std::array<qint64, 11> Values{};  // columns 4-14, see kDefaultAxisColumns
    qint64 Type = 0;                  // column 15: 1 for a new-type or vertical actuator
    QString Actuator;                 // column 16
};

struct DefaultAxisTable {
    static constexpr int kMaxEntries = 99;
    QString FileName;  // the list it was read from
    QString Tag;       // "KV-STDPRM" or "RQ-STDPRM"
    std::vector<DefaultAxisEntry> Entries;

    // The first entry of that size, speed and stroke, or nullptr.
    const DefaultAxisEntry* find(const QString& size, const QString& speed, int strokeMm) const;
};

// Rows run on across the sections of the common list: PG 0-1, ETC 2-6, SPECIAL 7-13.
struct DefaultCommonTable {
    static constexpr int kRows = 21;
    static constexpr int kColumns = 3;
    std::array<std::array<qint64, kColumns>, kRows> Cells{};

    qint64 at(int row, int column) const { return Cells.at(row).at(column); }
};

struct DefaultLists {
    std::array<DefaultAxisTable, kAxisCount> Axes;
    DefaultCommonTable Common;
    bool DefaultListsUnusable = false;
};

enum class DefaultListRead { Ok, Unreadable, BadHeader };

// The bytes of a per-actuator list (typeFlag: the recorded actuator is new-type or vertical,
// column 15) and of the common list. `table` changes only when the result is Ok.
DefaultListRead ParseDefaultAxisList(const QByteArray& bytes, const QString& fileName,
                                     bool typeFlag, DefaultAxisTable& table);
DefaultListRead ParseDefaultCommonList(const QByteArray& bytes, DefaultCommonTable& table);

// The list a KV axis reads: the new-type or the old-type one.
QString DefaultListNameFor(const AxisSetting& setting);

// Reads the per-actuator list of each axis (chosen by the settings given, the recorded
// ones) and the common list from programFolder. Failed with the failure shown (messages
// 26 + "(nAXIS)", 27, or 28/29) and DefaultListsUnusable set.
Outcome LoadDefaultLists(DefaultLists& lists, const QString& programFolder,
                         const std::array<AxisSetting, kAxisCount>& settings, Dialogs& dialogs,
                         const MessageCatalogue& messages);

}  // namespace kvt7
