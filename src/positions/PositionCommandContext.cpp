#include "PositionCommandContext.h"

#include "actuators/AxisSettingRules.h"
#include "actuators/ModelDesignation.h"
#include "base/MessageCatalogue.h"
#include "link/CommandGroups.h"
#include "positions/PositionFile.h"

namespace kvt7 {

QString PositionCommandContext::text(int id) const
{
    return messages().Text(id);
}

QString PositionCommandContext::lines(std::initializer_list<int> ids) const
{
    QStringList texts;
    for (int id : ids)
        texts << text(id);
    return texts.join(QLatin1String("\r\n"));
}

CommandsLocked::CommandsLocked(PositionCommandContext& context) : context_(context)
{
    if (!context_.groups.acquireLock())
        return;
    context_.groups.setCommandsEnabled(false);
    context_.groups.disableEditingCommands();
    if (context_.freezeGrid)
        context_.freezeGrid(true);
}

CommandsLocked::~CommandsLocked()
{
    if (!context_.groups.releaseLock())
        return;
    context_.groups.setCommandsEnabled(true);
    if (context_.freezeGrid)
        context_.freezeGrid(false);
}

PositionFileHeader FileHeaderOf(const PositionContext& context)
{
    PositionFileHeader header;
    for (int axis = 1; axis <= 4; ++axis) {
        const AxisSetting& setting = context.axis(axis);
        const std::size_t i = std::size_t(axis - 1);
        header.modelTexts[i] = setting.InUse ? ModelLabel(setting, context.catalogue) : QString();
        header.typeTexts[i] = header.modelTexts[i].isEmpty() ? TypeFileText(true) : TypeFileText(setting.NewType);
    }
    return header;
}

}  // namespace kvt7
