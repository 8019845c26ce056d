#include "SoakPositions.h"

#include "SoakRig.h"
#include "actuators/AxisSettingRules.h"
#include "link/LinkCommands.h"
#include "parameters/ControllerAxisSettings.h"
#include "parameters/ParameterTransfer.h"
#include "positions/GridPresentation.h"
#include "positions/PositionFileCommands.h"
#include "positions/TableOperations.h"

#include <QDataStream>
#include <QIODevice>

namespace kvt7 {

namespace {

// The position models of a program just started.
Session& Fresh(Session& session)
{
    session.table = PositionTable{};
    session.grid.clear();
    session.axes = AxisSettings{};
    session.parameters = ParameterSet{};
    session.defaultLists = DefaultLists{};
    return session;
}

}  // namespace

SoakPositions::SoakPositions(SoakRig& r) : HeadlessPositions(Fresh(r.session())), rig(r) {}

bool SoakPositions::takeControllerAxes()
{
    ControllerLink& link = rig.link();
    link.SwitchOnlineQuietly();
    if (OpenPortOrReport(link) != 0 || ReadAxisMask(link, parameters, axes) != 0
        || ReadControllerAxisSettings(link, axes) != 0 || !AdoptControllerAxisSettings(axes))
        return false;
    RecordPcActuators(axes);
    return true;
}

bool SoakPositions::showFile(const QString& path)
{
    const auto read = ReadPositionFileWithRetries(commands, path);
    if (!read)
        return false;
    ShowFileRange(context, *read);
    return true;
}

QByteArray SoakPositions::snapshot() const
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << table.DispFirstNo << table.DispLastNo << table.DispCount << table.PosiChanged << grid.rowCount();
    for (int row = 0; row < grid.rowCount(); ++row)
        for (int column = 0; column < kGridColumns; ++column)
            out << grid.text(row, column);
    return bytes;
}

}  // namespace kvt7
