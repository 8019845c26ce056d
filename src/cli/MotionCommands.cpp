// kvt7ctl home | move | run-group | where: the move test's operations from the command line.

#include "CliCommands.h"
#include "CliContext.h"
#include "actuators/UnitConversion.h"
#include "link/CommandGroups.h"
#include "link/ControllerLink.h"
#include "link/LinkCommands.h"
#include "operation/MoveExchanges.h"
#include "operation/MoveTest.h"
#include "parameters/ControllerAxisSettings.h"
#include "parameters/ParameterTransfer.h"
#include "platform/StopSignals.h"

#include <QJsonArray>
#include <QJsonObject>
#include <optional>

namespace kvt7 {

namespace {

// A decimal number low..high, nothing else.
std::optional<int> NumberArgument(const QString& text, int low, int high)
{
    if (text.isEmpty() || text.size() > 4)
        return std::nullopt;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    const int value = text.toInt();
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

// "1,3": axes 1-4, comma-separated, none twice; the mask, or nullopt.
std::optional<int> AxisListMask(const QString& list)
{
    int mask = 0;
    for (const QString& item : list.split(QLatin1Char(','))) {
        const std::optional<int> axis = NumberArgument(item, 1, kAxisCount);
        if (!axis || item.size() != 1 || (mask & (1 << (*axis - 1))) != 0)
            return std::nullopt;
        mask |= 1 << (*axis - 1);
    }
    return mask;
}

// The parts a move-test run works with, over the controller's axes in use.
class MotionRun {
public:
    explicit MotionRun(CliContext& context)
        : context_(context),
          motion_{context.link(), context.status(), context.mode(), context.dialogs(), context.catalogue(),
                  context.settings(), axes_, parameters_, commands_},
          move_(motion_)
    {
        QObject::connect(&stops_, &StopSignals::stopRequested, &move_, [this](int signalNumber) {
            stopSignal_ = signalNumber;
            move_.abandon();
        });
    }

    // The axes in use as the controller names them.
    Outcome readAxes()
    {
        context_.mode().SwitchOnlineQuietly();
        return ReadAxisMask(context_.link(), parameters_, axes_);
    }
    int axisMask() const { return AxisMaskOf(axes_); }
    AxisSettings& axes() { return axes_; }
    MoveTest& move() { return move_; }
    const MotionContext& motion() const { return motion_; }

    // The exit status of a run: an interrupted one stops the machine first and exits with
    // 128 + the signal's number.
    int finish(MoveTest::End end)
    {
        if (stops_.received()) {
            stopMachine();
            context_.complain(QStringLiteral("interrupted; the controller was told to stop"));
            return kExitSignalBase + stopSignal_;
        }
        if (end == MoveTest::End::Done)
            return kExitSuccess;
        if (end == MoveTest::End::NotReady) {
            context_.complain(QStringLiteral("controller busy"));
            return kExitControllerRefused;
        }
        // A run that ended without a failed exchange was refused by the controller (an alarm,
        // a home that did not end).
        const int failure = context_.failureExit();
        return failure == kExitFailure ? kExitControllerRefused : failure;
    }

private:
    void stopMachine()
    {
        ControllerLink& link = context_.link();
        if (!context_.mode().isOnline())
            context_.mode().SwitchOnlineQuietly();
        LinkBusyScope busy(link);
        link.setReplyTimeoutMs(1000);
        // Quiet: an aborted group's echo may still hold the line, and the stop has gone out
        // whether or not its answer comes in time.
        link.SendCommandQuiet(QStringLiteral("0SP"), QString(), 5);
    }

    CliContext& context_;
    AxisSettings axes_;
    ParameterSet parameters_;
    NoCommandGroups commands_;
    MotionContext motion_;
    MoveTest move_;
    StopSignals stops_;
    int stopSignal_ = 0;
};

QString OnOff(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

int Home(CliContext& context, const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return kExitUsage;
    MotionRun run(context);
    if (run.readAxes() != Outcome::Done)
        return context.failureExit();
    const int status = run.finish(run.move().RunHome());
    if (status != kExitSuccess)
        return status;
    ControllerLink& link = context.link();
    if (HomeStatusRead(link, context.status()) != Outcome::Done)
        return context.failureExit();
    link.ReleasePort();
    context.print(context.status().HomeDone() ? QStringLiteral("home: done") : QStringLiteral("home: not done"));
    context.result() = {{QStringLiteral("home"), context.status().HomeDone()}};
    return kExitSuccess;
}

int Move(CliContext& context, const QStringList& arguments)
{
    std::optional<int> position;
    std::optional<int> listMask;
    bool smSkip = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        if (word == QLatin1String("--sm-skip")) {
            smSkip = true;
        } else if (word == QLatin1String("--axes") && i + 1 < arguments.size() && !listMask) {
            listMask = AxisListMask(arguments.at(++i));
            if (!listMask)
                return kExitUsage;
        } else if (!position) {
            position = NumberArgument(word, kLowestPositionNo, kHighestPositionNo);
            if (!position)
                return kExitUsage;
        } else {
            return kExitUsage;
        }
    }
    if (!position)
        return kExitUsage;
    MotionRun run(context);
    if (run.readAxes() != Outcome::Done)
        return context.failureExit();
    if (listMask && (*listMask & ~run.axisMask()) != 0) {
        context.complain(QStringLiteral("--axes names an axis the controller does not use"));
        return kExitFailure;
    }
    run.move().setAxisMask(listMask.value_or(run.axisMask()));
    run.move().inputs().selective.at(0) = QString::number(*position);
    run.move().inputs().smSkip = smSkip;
    const int status = run.finish(run.move().RunSelective());
    if (status != kExitSuccess)
        return status;
    const OutputLamps& lamps = run.move().lamps();
    context.print(QStringLiteral("position: %1\nOUT1: %2\nOUT2: %3")
                      .arg(*position)
                      .arg(OnOff(lamps.out1), OnOff(lamps.out2)));
    context.result() = {{QStringLiteral("position"), *position},
                        {QStringLiteral("OUT1"), lamps.out1},
                        {QStringLiteral("OUT2"), lamps.out2}};
    return kExitSuccess;
}

int RunGroup(CliContext& context, const QStringList& arguments)
{
    if (arguments.size() != 1)
        return kExitUsage;
    const std::optional<int> group = NumberArgument(arguments.at(0), kLowestGroupNo, kHighestGroupNo);
    if (!group)
        return kExitUsage;
    MotionRun run(context);
    if (run.readAxes() != Outcome::Done)
        return context.failureExit();
    run.move().inputs().group = *group;
    const int status = run.finish(run.move().RunGroup());
    if (status == kExitSuccess)
        context.print(QStringLiteral("group: %1 done").arg(*group));
    context.result() = {{QStringLiteral("group"), *group}, {QStringLiteral("done"), status == kExitSuccess}};
    return status;
}

int Where(CliContext& context, const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return kExitUsage;
    MotionRun run(context);
    ControllerLink& link = context.link();
    if (run.readAxes() != Outcome::Done || ReadControllerAxisSettings(link, run.axes()) != Outcome::Done)
        return context.failureExit();
    std::array<qint32, kAxisCount> pulses{};
    const Outcome read = ReadPresentPositions(link, run.axisMask(), pulses, context.catalogue());
    link.ReleasePort();
    if (read != Outcome::Done)
        return context.failureExit();
    QStringList lines;
    QJsonArray axes;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (!run.axes().Pc(axis).InUse)
            continue;
        const qint32 p = pulses.at(std::size_t(axis - 1));
        const QString mm = FormatMm(PulseToMm(run.axes().Controller(axis), p));
        lines << QStringLiteral("axis %1: %2 mm, %3 pulses").arg(axis).arg(mm).arg(p);
        axes.append(QJsonObject{{QStringLiteral("axis"), axis},
                                {QStringLiteral("pulses"), p},
                                {QStringLiteral("mm"), mm.toDouble()}});
    }
    context.print(lines.join(QLatin1Char('\n')));
    context.result() = {{QStringLiteral("axes"), axes}};
    return kExitSuccess;
}

}  // namespace

void AddMotionCommands(CliCommandTable& table)
{
    table.append({{QStringLiteral("home")}, {},
                  QStringLiteral("return to origin; prints the home status"), false, Home});
    table.append({{QStringLiteral("move")}, QStringLiteral("N [--axes LIST] [--sm-skip]"),
                  QStringLiteral("run position N (1-999) once"), false, Move});
    table.append({{QStringLiteral("run-group")}, QStringLiteral("N"),
                  QStringLiteral("run group N (1-99) to its end"), false, RunGroup});
    table.append({{QStringLiteral("where")}, {},
                  QStringLiteral("present position of each axis in use"), false, Where});
}

}  // namespace kvt7
