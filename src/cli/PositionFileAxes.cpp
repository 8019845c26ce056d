// The position files of the commands that work without a controller.

#include "PositionFileAxes.h"
#include "base/MessageIds.h"

#include "CliContext.h"
#include "actuators/ActuatorCatalogue.h"
#include "actuators/AxisSettingRules.h"
#include "actuators/ModelDesignation.h"
#include "positions/PositionFileCommands.h"
#include "session/HeadlessPositions.h"

namespace kvt7 {

// The file's actuators become the program's (for a check without a controller).
bool TakeFileAxes(CliContext& cli, HeadlessPositions& headless, const PositionFileContent& content)
{
    AxisSettings& axes = headless.axes;
    for (int axis = 1; axis <= 4; ++axis) {
        const QString& model = content.modelTexts[std::size_t(axis - 1)];
        axes.Recorded(axis).InUse = !model.isEmpty();
        if (!model.isEmpty()
            && !ParseModelDesignation(axes.Recorded(axis), model, content.typeTexts[std::size_t(axis - 1)],
                                      headless.catalogue))
            return false;
    }
    AdoptFileActuators(axes);
    if (!TakeLeadAndPprFromCatalogue(axes.pc, headless.catalogue)) {
        cli.dialogs().message(cli.catalogue().Text(Msg::NotFindInformationSelectedDeviceType));
        return false;
    }
    return true;
}

// The file into the table and the grid, as File > Open shows it.
bool ShowFile(HeadlessPositions& headless, const QString& file, PositionFileContent& content)
{
    const auto read = ReadPositionFileWithRetries(headless.commands, file);
    if (!read)
        return false;
    content = *read;
    ShowFileRange(headless.context, content);
    // The table is the file's, as after File > Open: the journal names it.
    PositionTable& table = headless.table;
    table.TableName = TableNameOfFile(file);
    table.TablePath = file;
    table.ClearChanged();
    return true;
}

}  // namespace kvt7
