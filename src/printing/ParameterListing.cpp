#include "printing/ParameterListing.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "printing/PageMetrics.h"

#include <span>

namespace kvt7 {

namespace {

struct ListEntries {
    Param param;
    int firstId;  // message of value 0
    int count;
};

constexpr ListEntries kLists[] = {
        {Param::AutoDrive, Msg::Drive, 2},
        {Param::Type, Msg::KVPUSH, 6},
        {Param::Function, Msg::NoPG, 3},
        {Param::SoftLimit, Msg::Disable, 2},
        {Param::M0Enable, Msg::Disable, 2},
        {Param::HomeOut, Msg::OUT1OFF, 4},
        {Param::AlmCode, Msg::DisableInParameter, 2},
        {Param::GrpEnable, Msg::Disable, 2},
        {Param::SmTimeout, Msg::Disable, 2},
        {Param::AutoHome, Msg::DisableInParameter2, 2},
        {Param::StopPause, Msg::STOP, 2},
};

const ListEntries* ListOf(Param p)
{
    for (const ListEntries& list : kLists)
        if (list.param == p)
            return &list;
    return nullptr;
}

struct Row {
    Param param;
    const char* label;
};

constexpr double kLabelX = 20;
constexpr double kAxisTextX[] = {80, 105, 130, 155};
constexpr double kAxisNumberX[] = {85, 110, 135, 160};
constexpr double kCommonTextX = 120;
constexpr double kCommonNumberX = 125;

class ParameterPage {
public:
    ParameterPage(PageCanvas& canvas, const ParameterListing& listing, const MessageCatalogue& messages)
        : canvas_(canvas), listing_(listing), messages_(messages), m_(MeasurePage(canvas, messages))
    {
    }
    void run();

private:
    double y() const { return line_ * m_.LineHeight; }
    void text(double x, const QString& t) { canvas_.drawText(x, y(), t); }
    void heading(const char* caption, bool axisHeadings);
    // A heading and its rows, each printed by `print`.
    void section(const char* caption, bool axisHeadings, std::span<const Row> rows,
                 void (ParameterPage::*print)(const Row&));
    void perAxisRow(const Row& row);
    void commonRow(const Row& row);

    PageCanvas& canvas_;
    const ParameterListing& listing_;
    const MessageCatalogue& messages_;
    PageMetrics m_;
    int line_ = 1;
};

void ParameterPage::heading(const char* caption, bool axisHeadings)
{
    ++line_;  // a blank line between groups
    text(kLabelX, QString::fromLatin1(caption));
    ++line_;
    if (!axisHeadings)
        return;
    for (int axis = 1; axis <= 4; ++axis)
        text(kAxisTextX[axis - 1], QStringLiteral("< AXIS %1 >").arg(axis));
    ++line_;
}

void ParameterPage::perAxisRow(const Row& row)
{
    text(kLabelX, QString::fromLatin1(row.label));
    const bool asText = PrintsAsText(row.param);
    for (int axis = 1; axis <= 4; ++axis) {
        const double x = asText ? kAxisTextX[axis - 1] : kAxisNumberX[axis - 1];
        if (!listing_.values.axisInUse(axis))
            text(x, QStringLiteral("--"));
        else if (row.param == Param::Actuator)
            text(x, listing_.values.text(Param::Actuator, axis).value_or(QString()));
        else
            text(x, ParameterValueText(messages_, row.param, listing_.values.number(row.param, axis)));
    }
    ++line_;
}

void ParameterPage::commonRow(const Row& row)
{
    text(kLabelX, QString::fromLatin1(row.label));
    text(PrintsAsText(row.param) ? kCommonTextX : kCommonNumberX,
         ParameterValueText(messages_, row.param, listing_.values.number(row.param)));
    ++line_;
}

constexpr Row kHoming[] = {{Param::Offset, " 1.OFFSET:"}, {Param::Push, " 2.PUSH:"},
                           {Param::Vel, " 3.VEL:"},       {Param::OfsVel, " 4.OFSVEL:"},
                           {Param::PushVel, " 5.PUSHVEL:"}, {Param::Seq, " 6.SEQ:"}};
constexpr Row kAxis[] = {{Param::Stroke, " 1.STROKE:"},        {Param::Lead, " 2.LEAD:"},
                         {Param::Pulse, " 3.PULSE:"},          {Param::JogVel, " 4.JOG VEL:"},
                         {Param::AutoDrive, " 5.Auto Drive:"}, {Param::Type, " 6.TYPE:"},
                         {Param::Actuator, " 7.Actuator:"}};
constexpr Row kPg[] = {{Param::Function, " 1.FUNCTION:"}, {Param::Alm, " 2.ALM:"}};
constexpr Row kEtc[] = {{Param::HomeOut, " 1. HOME OUT:"},     {Param::AlmCode, " 2. ALM CODE:"},
                        {Param::GrpEnable, " 3. GRP ENABLE:"}, {Param::SmTimeout, " 4. SM TIMEOUT:"},
                        {Param::SmTimer, " 5. SM TIMER:"}};
constexpr Row kSp[] = {{Param::Axis, " 1. AXIS:"},         {Param::AutoHome, " 2. AUTO HOME:"},
                       {Param::PgTimer, " 3. PG TIMER:"},  {Param::LsTimer, " 4. LS TIMER:"},
                       {Param::SoftLimit, " 5. SOFT LIMIT:"}, {Param::M0Enable, " 6. M0 ENABLE:"},
                       {Param::StopPause, " 7. STOP/PAUSE:"}};

void ParameterPage::section(const char* caption, bool axisHeadings, std::span<const Row> rows,
                            void (ParameterPage::*print)(const Row&))
{
    heading(caption, axisHeadings);
    for (const Row& row : rows)
        (this->*print)(row);
}

void ParameterPage::run()
{
    text(kLabelX, QStringLiteral("KV-T7   Parameters"));
    if (!listing_.fileName.isEmpty())
        text(80, messages_.Text(Msg::FileName) + listing_.fileName);
    ++line_;
    canvas_.drawLine(10, y(), m_.RightLimit, y());
    section("<< HOMING PARAMETER >>", true, kHoming, &ParameterPage::perAxisRow);
    section("<< AXIS PARAMETER >>", true, kAxis, &ParameterPage::perAxisRow);
    section("<< PG PARAMETER >>", true, kPg, &ParameterPage::perAxisRow);
    section("<< Etc PARAMETER >>", false, kEtc, &ParameterPage::commonRow);
    heading("<< SP Parameter >>", false);
    for (const Row& row : kSp) {
        if (InfoOf(row.param).common)
            commonRow(row);
        else
            perAxisRow(row);
    }
}

}  // namespace

bool PrintsAsText(Param p)
{
    return p == Param::Actuator || ListOf(p) != nullptr;
}

QString ParameterValueText(const MessageCatalogue& messages, Param p, std::optional<qint64> value)
{
    if (!value)
        return QString();
    const ListEntries* list = ListOf(p);
    if (list && *value >= 0 && *value < list->count)
        return messages.Text(list->firstId + int(*value));
    return QString::number(*value);
}

void LayoutParameterListing(PageCanvas& canvas, const ParameterListing& listing,
                            const MessageCatalogue& messages)
{
    ParameterPage(canvas, listing, messages).run();
}

}  // namespace kvt7
