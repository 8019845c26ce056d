#include "GridPresentation.h"
#include "base/MessageIds.h"

#include "actuators/ActuatorCatalogue.h"
#include "actuators/ModelDesignation.h"
#include "actuators/UnitConversion.h"
#include "base/MessageCatalogue.h"
#include "platform/FieldFile.h"
#include "positions/PositionContext.h"

#include <charconv>
#include <cmath>

namespace kvt7 {

namespace {

constexpr int kAxisHeadingId = Msg::AXIS; // "AXIS 1" .. "AXIS 4" at 220..223
constexpr int kCommonHeadingId = Msg::Common;
constexpr int kNumberHeadingId = Msg::NoInMain;
constexpr int kPulseWordId = 6;

QString NumberText(double value)
{
    if (std::trunc(value) == value && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    return QString::number(value, 'g', 15);
}

// The "#0.000" text of a ratio read back as a single-precision number, shortest form.
QString UnitsNumber(double ratio)
{
    const float single = FormatMm(ratio).toFloat();
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, single, std::chars_format::fixed);
    return QString::fromLatin1(buffer, int(result.ptr - buffer));
}

}  // namespace

QString PositionHeadingText(const MessageCatalogue& messages, bool mmDisplay, int axis)
{
    return messages.Text(mmDisplay ? Msg::Mm : Msg::Pls) + QString::number(axis)
            + messages.Text(Msg::Posi);
}

std::array<QString, kGridColumns> AxisHeadingTexts(const MessageCatalogue& messages)
{
    std::array<QString, kGridColumns> texts;
    for (int column = 1; column <= 16; ++column)
        texts[std::size_t(column)] = messages.Text(kAxisHeadingId + AxisOfColumn(column)
                                                   - 1);
    for (int column = kItplColumn; column <= kCommentColumn; ++column)
        texts[std::size_t(column)] = messages.Text(kCommonHeadingId);
    return texts;
}

std::array<QString, kGridColumns> ColumnHeadingTexts(const MessageCatalogue& messages, bool mmDisplay)
{
    std::array<QString, kGridColumns> texts;
    texts[0] = messages.Text(kNumberHeadingId);
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        const QString digit = QString::number(axis);
        texts[std::size_t(SpeedColumn(axis))] = digit + messages.Text(Msg::VEL);
        texts[std::size_t(AccColumn(axis))] = digit + messages.Text(Msg::ACC);
        texts[std::size_t(WayColumn(axis))] = digit + messages.Text(Msg::WAY);
        texts[std::size_t(PosiColumn(axis))] = PositionHeadingText(messages, mmDisplay, axis);
    }
    for (int column = kItplColumn; column <= kCommentColumn; ++column)
        texts[std::size_t(column)] = messages.Text(Msg::ITPL + column - kItplColumn);
    return texts;
}

QString MmCellText(double mm)
{
    const QString text = FormatMm(mm);
    return text.size() >= 7 ? text : text.rightJustified(7, QLatin1Char(' '));
}

QString ValueCellText(const CellValue& value)
{
    if (IsEmptyValue(value))
        return QString();
    if (value.typeId() != QMetaType::QString)
        return NumberText(value.toDouble());
    const QString text = value.toString();
    const std::optional<double> number = FieldNumber(text);
    return number ? NumberText(*number) : text.trimmed();
}

QString UnusedAxisCellText(int column, bool mmDisplay)
{
    switch ((column - 1) % 4) {
    case 0: return QStringLiteral("30");
    case 1: return QStringLiteral("3");
    case 2: return QStringLiteral("0");
    default: return mmDisplay ? MmCellText(0.0) : QStringLiteral("0");
    }
}

QString CellTextOf(const PositionContext& context, int positionNo, int column)
{
    const PositionStore& store = *context.table.store;
    const std::size_t n = std::size_t(std::clamp(positionNo, 0, kLastPositionNo));
    const CellValue& value = store.PosiValue[n][std::size_t(column)];
    if (column == kCommentColumn)
        return IsEmptyValue(value) ? QString() : value.toString();
    const int axis = AxisOfColumn(column);
    if (axis != 0 && !context.inUse(axis))
        return UnusedAxisCellText(column, context.mmDisplay());
    if (!IsPositionColumn(column))
        return ValueCellText(value);
    // A position without data keeps its cell empty.
    if (IsEmptyValue(value))
        return QString();
    const std::size_t a = std::size_t(axis - 1);
    return context.mmDisplay() ? MmCellText(store.PosiMm[a][n]) : QString::number(store.PosiPulse[a][n]);
}

quint32 CellColour(const std::array<AxisSetting, kAxisCount>& axes, int column)
{
    const int axis = AxisOfColumn(column);
    if (axis == 0)
        return kColourDefault;
    if (!axes[std::size_t(axis - 1)].InUse)
        return kColourGrey;
    return axis % 2 == 1 ? kColourWindow : kColourLightYellow;
}

void SetHeadingTexts(PositionContext& context)
{
    const auto axisTexts = AxisHeadingTexts(context.messages);
    const auto columnTexts = ColumnHeadingTexts(context.messages, context.mmDisplay());
    for (int column = 0; column < kGridColumns; ++column) {
        context.grid.setText(0, column, axisTexts[std::size_t(column)]);
        context.grid.setText(1, column, columnTexts[std::size_t(column)]);
    }
    context.table.TableName = context.messages.Text(Msg::NewData);
}

QStringList RefreshAxisHeadings(PositionContext& context)
{
    QStringList captions;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        const AxisSetting& setting = context.axis(axis);
        QString heading = context.messages.Text(kAxisHeadingId + axis
                                                - 1)
                + QLatin1Char(':');
        QString caption;
        if (setting.InUse) {
            const int pg = context.catalogue.PgOptionOf(setting.SizeCode, setting.SpeedCode, setting.StrokeMm);
            const int vertical =
                context.catalogue.VerticalOptionOf(setting.SizeCode, setting.SpeedCode, setting.StrokeMm);
            heading += ModelDesignation(setting, pg, vertical);
            caption = ModelLabel(setting, pg, vertical);
        } else {
            heading += kAxisNotInUseMark;
        }
        for (int column = SpeedColumn(axis); column <= PosiColumn(axis); ++column)
            context.grid.setText(0, column, heading);
        captions << caption;
    }
    emit context.events.modelLabelsChanged(captions);
    return captions;
}

void ChangeDisplayUnit(PositionContext& context)
{
    for (int axis = 1; axis <= kAxisCount; ++axis)
        context.grid.setText(1, PosiColumn(axis), PositionHeadingText(context.messages, context.mmDisplay(), axis));
}

void ColourRows(PositionContext& context, int from, int to)
{
    PositionGrid& grid = context.grid;
    grid.setRowCount(std::max(to - from + 1, 0) + kHeadingRows);
    for (int row = kHeadingRows; row < grid.rowCount(); ++row)
        for (int column = 0; column < kGridColumns; ++column)
            grid.setColour(row, column, CellColour(context.axes.pc, column));
}

void ShowRange(PositionContext& context, int from, int to)
{
    PositionTable& table = context.table;
    PositionGrid& grid = context.grid;
    const bool redraw = grid.redrawEnabled();
    // New data, a read or a conversion: what a verification found no longer stands.
    grid.clearDifferences();
    grid.setRedraw(false);
    ColourRows(context, table.DispFirstNo, table.DispFirstNo + table.DispCount - 1);
    const int last = table.PositionOfRow(grid.rowCount() - 1);
    for (int n = std::max({from, table.DispFirstNo, 0}); n <= std::min({to, last, kLastPositionNo}); ++n) {
        const int row = table.RowOf(n);
        grid.setText(row, 0, QString::number(n));
        for (int column = 1; column < kGridColumns; ++column)
            grid.setText(row, column, CellTextOf(context, n, column));
    }
    grid.setRedraw(redraw);
}

std::pair<QString, QString> UnitsLineTexts(const MessageCatalogue& messages, int axisNo,
                                           const AxisSetting& axis)
{
    const QString pulse = messages.Text(kPulseWordId);
    const double lead = axis.LeadMm;
    const double ppr = axis.PulsesPerRev;
    const QString perMm = lead > 0 ? UnitsNumber(ppr / lead) : QStringLiteral("0");
    const QString perPulse = ppr > 0 ? UnitsNumber(lead / ppr) : QStringLiteral("0");
    const QString axisMark = QLatin1Char('<') + QString::number(axisNo) + QLatin1Char('>');
    return {axisMark + QStringLiteral("1mm = ") + perMm + pulse,
            axisMark + QLatin1Char('1') + pulse + QStringLiteral("= ") + perPulse + QStringLiteral("mm")};
}

void ShowUnitsLine(PositionContext& context, int axisNo)
{
    if (axisNo < 1 || axisNo > kAxisCount || !context.inUse(axisNo)) {
        emit context.events.unitsLineChanged(QString(), QString());
        return;
    }
    const auto [perMm, perPulse] = UnitsLineTexts(context.messages, axisNo, context.axis(axisNo));
    emit context.events.unitsLineChanged(perMm, perPulse);
}

int FirstAxisInUse(const std::array<AxisSetting, kAxisCount>& axes)
{
    for (int axis = 1; axis <= kAxisCount; ++axis)
        if (axes[std::size_t(axis - 1)].InUse)
            return axis;
    return 0;
}

void ShowUnitsLineOfFirstAxis(PositionContext& context)
{
    ShowUnitsLine(context, FirstAxisInUse(context.axes.pc));
}

}  // namespace kvt7
