#pragma once

#include "actuators/AxisSetting.h"
#include "parameters/ParameterTable.h"

#include <QString>
#include <array>
#include <optional>
#include <variant>

namespace kvt7 {

// One loosely typed value of the parameter record: empty, a number or a text, as it came
// from a file or from the controller.
class RecordValue {
public:
    RecordValue() = default;
    static RecordValue Number(qint64 value);
    static RecordValue Text(const QString& value);

    bool isEmpty() const { return std::holds_alternative<std::monostate>(value_); }
    bool isNumber() const { return std::holds_alternative<qint64>(value_); }
    bool isText() const { return std::holds_alternative<QString>(value_); }
    // The number, also of a text that spells a whole number; nullopt otherwise.
    std::optional<qint64> number() const;
    // The text; a number as its decimal digits; empty text for an empty value.
    QString text() const;

    bool operator==(const RecordValue&) const = default;

private:
    std::variant<std::monostate, qint64, QString> value_;
};

// 4 axes x 36 items; common parameters live in axis 1's row, item 0 of axis 1 is the name of
// the file last loaded.
class ParameterRecord {
public:
    // axis 1..4, item 0..35
    RecordValue& at(int axis, int item);
    const RecordValue& at(int axis, int item) const;
    // The item of a parameter: a common one always from axis 1's row.
    RecordValue& of(Param p, int axis);
    const RecordValue& of(Param p, int axis) const;

    QString fileName() const { return at(1, kRecordFileNameItem).text(); }
    void clear() { *this = ParameterRecord(); }

    bool operator==(const ParameterRecord&) const = default;

private:
    std::array<std::array<RecordValue, kRecordItems>, kAxisCount> items_{};
};

// The typed values the editor shows and the files and transfers write. A value is empty
// (nullopt) while its control is empty.
class EditorValues {
public:
    // axis 1..4; a common parameter ignores the axis.
    std::optional<qint64> number(Param p, int axis = 1) const;
    std::optional<QString> text(Param p, int axis = 1) const;
    void setNumber(Param p, int axis, std::optional<qint64> value);
    void setText(Param p, int axis, std::optional<QString> value);
    // Common parameters.
    void setNumber(Param p, std::optional<qint64> value) { setNumber(p, 1, value); }
    bool isEmpty(Param p, int axis = 1) const;
    void clear() { *this = EditorValues(); }

    // The axes in use as AXIS names them (its low four bits; 0 when AXIS is empty).
    int axisMask() const;
    bool axisInUse(int axis) const { return AxisBitSet(axisMask(), axis); }

    bool operator==(const EditorValues&) const = default;

private:
    struct Slot {
        std::optional<qint64> number;
        std::optional<QString> text;
        bool operator==(const Slot&) const = default;
    };
    const Slot& slot(Param p, int axis) const;
    Slot& slot(Param p, int axis);
    std::array<std::array<Slot, kParamCount>, kAxisCount> slots_{};
};

// Items of the controller's blocks that this program does not interpret; they are written
// back as the last read returned them. Each is one byte.
struct ReservedValues {
    std::array<int, 7> common{};                    // block 0, items 9-15
    std::array<std::array<int, 2>, kAxisCount> partA{};  // blocks 5/7/9/B, items 14-15
    std::array<std::array<int, 4>, kAxisCount> partB{};  // blocks 6/8/A/C, items 12-15
    static constexpr int kCount = 7 + 2 * kAxisCount + 4 * kAxisCount;

    bool operator==(const ReservedValues&) const = default;
};

// The program's working copy of the controller's parameters.
struct ParameterSet {
    EditorValues editor;
    ParameterRecord record;
    ReservedValues reserved;
    QString currentFile; // the parameter file last opened or saved; empty after a read from the controller

    void clear() { *this = ParameterSet(); }
};

}  // namespace kvt7
