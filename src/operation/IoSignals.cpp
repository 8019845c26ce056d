#include "IoSignals.h"

namespace kvt7 {

namespace {

const std::array<IoSignal, kIoSignalCount> kInputs{{
    {"STB", "Stb"},         {"STOP", "Stop"},       {"GRP", "Grp"},         {"RES", "Res"},
    {"EXP-IN4", "ExpIn4"},  {"EXP-IN3", "ExpIn3"},  {"EXP-IN2", "ExpIn2"},  {"EXP-IN1", "ExpIn1"},
    {"IP800", "Ip800"},     {"IP400", "Ip400"},     {"IP200", "Ip200"},     {"IP100", "Ip100"},
    {"IP80", "Ip80"},       {"IP40", "Ip40"},       {"IP20", "Ip20"},       {"IP10", "Ip10"},
    {"IP8", "Ip8"},         {"IP4", "Ip4"},         {"IP2", "Ip2"},         {"IP1", "Ip1"},
    {"LS4", "HomeLs4"},     {"LS3", "HomeLs3"},     {"LS2", "HomeLs2"},     {"LS1", "HomeLs1"},
}};

const std::array<IoSignal, kIoSignalCount> kOutputs{{
    {"", ""},                 {"ALM", "Alm"},           {"RDY", "Rdy"},           {"IN-P", "InP"},
    {"EXP-OUT4", "ExpOut4"},  {"EXP-OUT3", "ExpOut3"},  {"EXP-OUT2", "ExpOut2"},  {"EXP-OUT1", "ExpOut1"},
    {"OP800", "Op800"},       {"OP400", "Op400"},       {"OP200", "Op200"},       {"OP100", "Op100"},
    {"OP80", "Op80"},         {"OP40", "Op40"},         {"OP20", "Op20"},         {"OP10", "Op10"},
    {"OP8", "Op8"},           {"OP4", "Op4"},           {"OP2", "Op2"},           {"OP1", "Op1"},
    {"", ""},                 {"", ""},                 {"OUT2", "Out2"},         {"OUT1", "Out1"},
}};

// White icons 24..44 of the outputs, in the order the window was designed with.
const std::array<int, 21> kOutputIcons{1, 2, 3, 4, 5, 6, 7, 22, 23, 8, 9, 10, 11,
                                       12, 13, 14, 15, 16, 17, 18, 19};

constexpr int kFirstOutputIcon = 24;

}  // namespace

const std::array<IoSignal, kIoSignalCount>& InputSignals() { return kInputs; }
const std::array<IoSignal, kIoSignalCount>& OutputSignals() { return kOutputs; }

int IoDigit(int entry) { return entry / 4 + 1; }
int IoBit(int entry) { return 8 >> (entry % 4); }
bool OutputShown(int entry) { return kOutputs.at(entry).label[0] != '\0'; }

std::optional<int> OutputEntryOfWhiteIcon(int iconIndex)
{
    const int i = iconIndex - kFirstOutputIcon;
    if (i < 0 || i >= int(kOutputIcons.size()))
        return std::nullopt;
    return kOutputIcons[i];
}

int WhiteIconOfOutput(int entry)
{
    for (int i = 0; i < int(kOutputIcons.size()); ++i) {
        if (kOutputIcons[i] == entry)
            return kFirstOutputIcon + i;
    }
    return -1;
}

std::optional<IoTable> DecodeIoDigits(const QString& digits)
{
    if (digits.size() != 6)
        return std::nullopt;
    IoTable table{};
    for (int d = 0; d < 6; ++d) {
        bool ok = false;
        const int value = QString(digits.at(d)).toInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        for (int k = 0; k < 4; ++k)
            table[d * 4 + k] = (value & (8 >> k)) ? -1 : 0;
    }
    return table;
}

QString EncodeIoDigits(const IoTable& table)
{
    QString digits;
    for (int d = 0; d < 6; ++d) {
        int value = 0;
        for (int k = 0; k < 4; ++k) {
            if (table[d * 4 + k])
                value |= 8 >> k;
        }
        digits += QString::number(value, 16).toUpper();
    }
    return digits;
}

std::optional<int> FindSignal(const std::array<IoSignal, kIoSignalCount>& table,
                              const QString& numberOrName)
{
    bool isNumber = false;
    const int number = numberOrName.toInt(&isNumber);
    if (isNumber)
        return number >= 1 && number <= kIoSignalCount ? std::optional<int>(number - 1) : std::nullopt;
    for (int i = 0; i < kIoSignalCount; ++i) {
        const QString label = QLatin1String(table[i].label);
        if (!label.isEmpty() && label.compare(numberOrName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

}  // namespace kvt7
