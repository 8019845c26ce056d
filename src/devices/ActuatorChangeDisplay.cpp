#include "ActuatorChangeDisplay.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"
#include "positions/GridPresentation.h"
#include "positions/PositionCheck.h"
#include "positions/PositionContext.h"
#include "positions/PositionUndo.h"
#include "positions/TableOperations.h"

namespace kvt7 {

Outcome ShowActuatorChange(PositionContext& context)
{
    RefreshAxisHeadings(context);
    ShowUnitsLineOfFirstAxis(context);
    if (!context.grid.hasPositionRows())
        return Outcome::Done;
    PositionTable& table = context.table;
    const int first = table.DispFirstNo;
    const int last = table.PositionOfRow(context.grid.rowCount() - 1);
    const auto pulsesBefore = table.store->PosiPulse;
    const int selStart = table.SelStartNo;
    const int selEnd = table.SelEndNo;
    table.SelStartNo = first;
    table.SelEndNo = last;
    const Outcome checked = CheckPositionTable(context.check());
    table.SelStartNo = selStart;
    table.SelEndNo = selEnd;
    if (checked != Outcome::Done) {
        context.dialogs.message(context.messages.Text(Msg::CheckAgainValuePositionNoErrorGenerated),
                                Buttons::Ok, Icon::Warning);
        return Outcome::Failed;
    }
    TableStep step(context, TableScope::WholeTable());
    ConvertTablePulseToMm(context, first, last);
    ShowRange(context, first, last);
    if (table.store->PosiPulse != pulsesBefore)
        step.commit(context.messages.Text(Msg::ActuatorChangeStep));
    return Outcome::Done;
}

}  // namespace kvt7
