#include "SimState.h"

#include "Kvm8Simulator.h"
#include "SimHex.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace kvt7::sim {

namespace {

constexpr int kFormatVersion = 1;
const char* const kFormatKey = "kvm8-sim-state";

template <typename Item, std::size_t N, typename Encode>
QJsonArray EncodeAll(const std::array<Item, N>& items, Encode encode)
{
    QJsonArray array;
    for (const Item& item : items)
        array.append(QString::fromLatin1(encode(item)));
    return array;
}

// Decodes every string of `key`; each must have `length` characters and decode.
template <typename Item, std::size_t N, typename Decode>
bool DecodeAll(const QJsonObject& root, const char* key, int length, std::array<Item, N>& items, Decode decode,
               QString* error)
{
    const QJsonArray array = root.value(QLatin1String(key)).toArray();
    if (array.size() != qsizetype(N)) {
        *error = QStringLiteral("\"%1\" must hold %2 entries").arg(QLatin1String(key)).arg(N);
        return false;
    }
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QByteArray text = array.at(i).toString().toLatin1();
        if (!array.at(i).isString() || text.size() != length || !decode(text, &items[i])) {
            *error = QStringLiteral("entry %1 of \"%2\" is not valid").arg(i + 1).arg(QLatin1String(key));
            return false;
        }
    }
    return true;
}

QByteArray EncodeGroup(const GroupData& g)
{
    return Hex(g.start, 3) + Hex(g.end, 3);
}

bool DecodeGroup(const QByteArray& text, GroupData* g)
{
    return ReadHex(text, 0, 3, &g->start) && ReadHex(text, 3, 3, &g->end);
}

bool ReadHexText(const QJsonObject& root, const char* key, int length, QByteArray* text, QString* error)
{
    const QJsonValue value = root.value(QLatin1String(key));
    const QByteArray t = value.toString().toLatin1();
    int dummy = 0;
    bool ok = value.isString() && t.size() == length;
    for (int i = 0; ok && i < length; ++i)
        ok = ReadHex(t, i, 1, &dummy);
    if (!ok) {
        *error = QStringLiteral("\"%1\" must be %2 upper-case hex digits").arg(QLatin1String(key)).arg(length);
        return false;
    }
    *text = t;
    return true;
}

bool DecodeMemory(const QJsonObject& root, ControllerMemory* m, QString* error)
{
    return DecodeAll(root, "positions", kPositionFieldsLength, m->positions,
                     [](const QByteArray& t, PositionData* p) { return DecodePositionFields(t, 0, p); }, error)
           && DecodeAll(root, "blocks", 2 * kItemsPerBlock, m->blocks,
                        [](const QByteArray& t, ParameterBlock* b) { return DecodeBlock(t, 0, b); }, error)
           && DecodeAll(root, "groups", 6, m->groups, DecodeGroup, error)
           && DecodeAll(root, "programs", 2 * kStepsPerProgram, m->programs,
                        [](const QByteArray& t, SmProgramData* p) { return DecodeProgram(t, 0, p); }, error);
}

// Present positions, home status and outputs; files written before they were kept lack them.
struct MachineState {
    bool given = false;
    int outputs = 0;
    bool homed = false;
    std::array<int, kAxisCount> present{};
};

bool ReadMachineState(const QJsonObject& root, MachineState* machine, QString* error)
{
    if (!root.contains(QStringLiteral("present")))
        return true;
    QByteArray outputs;
    if (!ReadHexText(root, "outputs", 6, &outputs, error))
        return false;
    const QJsonArray present = root.value(QStringLiteral("present")).toArray();
    for (int i = 0; i < kAxisCount; ++i) {
        const QByteArray text = present.at(i).toString().toLatin1();
        if (present.size() != kAxisCount || text.size() != 5 || !ReadHex(text, 0, 5, &machine->present[i])) {
            *error = QStringLiteral("\"present\" must hold 4 texts of 5 hex digits");
            return false;
        }
    }
    if (!root.value(QStringLiteral("homed")).isBool()) {
        *error = QStringLiteral("\"homed\" must be true or false");
        return false;
    }
    machine->homed = root.value(QStringLiteral("homed")).toBool();
    ReadHex(outputs, 0, 6, &machine->outputs);
    machine->given = true;
    return true;
}

}  // namespace

QByteArray SaveState(const Kvm8Simulator& simulator)
{
    const ControllerMemory& m = simulator.memory(Kvm8Simulator::Copy::Stored);
    QJsonObject root;
    root.insert(QLatin1String(kFormatKey), kFormatVersion);
    root.insert(QStringLiteral("positions"), EncodeAll(m.positions, EncodePositionFields));
    root.insert(QStringLiteral("blocks"), EncodeAll(m.blocks, EncodeBlock));
    root.insert(QStringLiteral("groups"), EncodeAll(m.groups, EncodeGroup));
    root.insert(QStringLiteral("programs"), EncodeAll(m.programs, EncodeProgram));
    root.insert(QStringLiteral("inputs"), QString::fromLatin1(Hex(simulator.inputs(), 6)));
    // Where the axes stand, whether they were homed and the outputs last as well: a restarted
    // simulator is the same machine, not one that was carried back to its origin.
    root.insert(QStringLiteral("outputs"), QString::fromLatin1(Hex(simulator.outputs(), 6)));
    root.insert(QStringLiteral("homed"), simulator.homed());
    QJsonArray present;
    for (int axis = 1; axis <= kAxisCount; ++axis)
        present.append(QString::fromLatin1(Hex(simulator.presentPosition(axis), 5)));
    root.insert(QStringLiteral("present"), present);
    root.insert(QStringLiteral("version"), QString::fromLatin1(simulator.version()));
    root.insert(QStringLiteral("typeDigit"), QString::fromLatin1(Hex(simulator.typeDigit(), 1)));
    QJsonArray axisVersions;
    for (int axis = 1; axis <= kAxisCount; ++axis)
        axisVersions.append(QString::fromLatin1(simulator.axisVersion(axis)));
    root.insert(QStringLiteral("axisVersions"), axisVersions);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool LoadState(Kvm8Simulator& simulator, const QByteArray& json, QString* error)
{
    QString ignored;
    QString& message = error ? *error : ignored;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (!doc.isObject()) {
        message = parseError.error != QJsonParseError::NoError ? parseError.errorString() : QStringLiteral("not a JSON object");
        return false;
    }
    const QJsonObject root = doc.object();
    if (root.value(QLatin1String(kFormatKey)).toInt(-1) != kFormatVersion) {
        message = QStringLiteral("not a kvm8-sim state (\"%1\": %2 missing)").arg(QLatin1String(kFormatKey)).arg(kFormatVersion);
        return false;
    }
    ControllerMemory memory;
    QByteArray inputs, version, typeDigit;
    if (!DecodeMemory(root, &memory, &message) || !ReadHexText(root, "inputs", 6, &inputs, &message)
        || !ReadHexText(root, "version", 3, &version, &message) || !ReadHexText(root, "typeDigit", 1, &typeDigit, &message))
        return false;
    const QJsonArray axisVersions = root.value(QStringLiteral("axisVersions")).toArray();
    std::array<QByteArray, kAxisCount> axes;
    for (int i = 0; i < kAxisCount; ++i) {
        axes[i] = axisVersions.at(i).toString().toLatin1();
        if (axisVersions.size() != kAxisCount || axes[i].size() != 3) {
            message = QStringLiteral("\"axisVersions\" must hold 4 texts of 3 characters");
            return false;
        }
    }
    MachineState machine;
    if (!ReadMachineState(root, &machine, &message))
        return false;
    int value = 0;
    simulator.setMemory(memory);
    if (machine.given) {
        simulator.setOutputs(machine.outputs);
        simulator.setHomed(machine.homed);
        for (int axis = 1; axis <= kAxisCount; ++axis)
            simulator.setPresentPosition(axis, machine.present[axis - 1]);
    }
    ReadHex(inputs, 0, 6, &value);
    simulator.setInputs(value);
    ReadHex(typeDigit, 0, 1, &value);
    simulator.setTypeDigit(value);
    simulator.setVersion(version);
    for (int axis = 1; axis <= kAxisCount; ++axis)
        simulator.setAxisVersion(axis, axes[axis - 1]);
    return true;
}

bool SaveStateFile(const Kvm8Simulator& simulator, const QString& path, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(SaveState(simulator)) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool LoadStateFile(Kvm8Simulator& simulator, const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return LoadState(simulator, file.readAll(), error);
}

}  // namespace kvt7::sim
