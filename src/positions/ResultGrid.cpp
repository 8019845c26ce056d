#include "ResultGrid.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "positions/GridPresentation.h"

namespace kvt7 {

ResultGridContent BuildResultGrid(const MessageCatalogue& messages, bool mmDisplay, ResultVariant variant,
                                  const std::vector<ResultRow>& rows, const std::array<bool, 4>& axisInUse)
{
    ResultGridContent content;
    const bool verify = variant == ResultVariant::Verify;
    content.caption
            = messages.Text(verify ? Msg::ResultVerification : Msg::ResultPositionDataCheck);
    content.text = messages.Text(verify ? Msg::PartsWhereValueDifferentResult
                                        : Msg::InvalidValueDataFollowsDetails);
    const auto axisTexts = AxisHeadingTexts(messages);
    const auto columnTexts = ColumnHeadingTexts(messages, mmDisplay);
    std::array<ResultGridContent::Cell, kResultColumns> axisRow;
    std::array<ResultGridContent::Cell, kResultColumns> columnRow;
    for (int column = 0; column < kResultColumns; ++column) {
        axisRow[std::size_t(column)].text = axisTexts[std::size_t(column)];
        columnRow[std::size_t(column)].text = columnTexts[std::size_t(column)];
        const int axis = AxisOfColumn(column);
        content.visible[std::size_t(column)] = axis == 0 || axisInUse[std::size_t(axis - 1)];
    }
    content.rows.push_back(axisRow);
    content.rows.push_back(columnRow);
    for (const ResultRow& result : rows) {
        std::array<ResultGridContent::Cell, kResultColumns> row;
        row[0].text = QString::number(result.positionNo);
        for (int column = 1; column < kResultColumns; ++column) {
            const bool marked = result.marked[std::size_t(column - 1)];
            row[std::size_t(column)].text = marked ? QStringLiteral("X") : QStringLiteral("O");
            if (marked)
                row[std::size_t(column)].colour = kColourLightRed;
        }
        content.rows.push_back(row);
    }
    return content;
}

}  // namespace kvt7
