// kvt7ctl io | io set | ports: the I/O window's monitor without the window, and the serial
// devices of the machine with the port numbers that lead to them.

#include "CliCommands.h"
#include "CliContext.h"
#include "base/PortMap.h"
#include "link/ControllerLink.h"
#include "link/LinkCommands.h"
#include "operation/IoMonitor.h"
#include "platform/SerialDevices.h"
#include "base/MessageIds.h"

#include <QJsonArray>
#include <QJsonObject>

namespace kvt7 {

namespace {

// The key of a signal in the JSON document: its label, or "in 5" / "out 5" as the text lines
// name one without (an output labelled "OUT1" exists, so not "OUT1").
QString SignalKey(const char* side, int entry, const IoSignal& signal)
{
    return signal.label[0] ? QString::fromLatin1(signal.label)
                           : QLatin1String(side) + QLatin1Char(' ') + QString::number(entry + 1);
}

QJsonObject SignalStates(const char* side, const std::array<IoSignal, kIoSignalCount>& entries, const IoTable& table)
{
    QJsonObject states;
    for (int i = 0; i < kIoSignalCount; ++i)
        states.insert(SignalKey(side, i, entries[std::size_t(i)]), table[i] != 0);
    return states;
}

QString SignalLine(const char* side, int entry, const IoSignal& signal, const IoTable& table)
{
    const QString name = signal.label[0] ? QLatin1String(signal.label) : QLatin1String("-");
    return QStringLiteral("%1 %2 %3 %4").arg(QLatin1String(side)).arg(entry + 1).arg(name).arg(table[entry] ? 1 : 0);
}

// One exchange of the window's way: start (mode 0), one turn, then, for a switch, a second
// turn that writes; the stop gives the external inputs back.
class CliIoSession {
public:
    explicit CliIoSession(CliContext& context)
        : context_(context), monitor_({context.link(), context.mode(), context.dialogs(),
                                       context.catalogue(), &context.session().journal})
    {
    }
    ~CliIoSession() { stop(); }

    bool start()
    {
        context_.mode().SwitchOnlineQuietly();
        if (OpenPortOrReport(context_.link()) != Outcome::Done)
            return false;
        monitor_.PressMonitorButton();
        return turn();
    }
    bool switchOutput(int entry)
    {
        return monitor_.DoubleClickWhiteIcon(WhiteIconOfOutput(entry)) && turn();
    }
    // The closing mode command; false when it failed (the link has said why).
    bool stop() { return monitor_.StopForExit() == IoMonitor::ExitStop::Stopped; }
    // The tables as last read (the stop clears the monitor's).
    IoTable inputs, outputs;

private:
    bool turn()
    {
        if (!monitor_.Tick() || !monitor_.isMonitoring())
            return false;
        inputs = monitor_.inputs();
        outputs = monitor_.outputs();
        return true;
    }

    CliContext& context_;
    IoMonitor monitor_;
};

QString OnOffWord(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

int ShowIo(CliContext& context, const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return kExitUsage;
    CliIoSession session(context);
    if (!session.start())
        return context.failureExit();
    const bool stopped = session.stop();
    for (int i = 0; i < kIoSignalCount; ++i)
        context.print(SignalLine("in", i, InputSignals()[i], session.inputs));
    for (int i = 0; i < kIoSignalCount; ++i)
        context.print(SignalLine("out", i, OutputSignals()[i], session.outputs));
    context.result() = {{QStringLiteral("inputs"), SignalStates("in", InputSignals(), session.inputs)},
                        {QStringLiteral("outputs"), SignalStates("out", OutputSignals(), session.outputs)}};
    return stopped ? kExitSuccess : context.failureExit();
}

// The output as the controller reads it back after the switch is the result: one that did
// not take fails the command.
int SetIo(CliContext& context, const QStringList& arguments)
{
    if (arguments.size() != 2)
        return kExitUsage;
    const std::optional<int> entry = FindSignal(OutputSignals(), arguments[0]);
    const QString word = arguments[1].toLower();
    if (!entry || !OutputShown(*entry) || (word != QLatin1String("on") && word != QLatin1String("off")))
        return kExitUsage;
    const bool wanted = word == QLatin1String("on");
    CliIoSession session(context);
    if (!session.start())
        return context.failureExit();
    if ((session.outputs[*entry] != 0) != wanted && !session.switchOutput(*entry))
        return context.failureExit();
    const bool stopped = session.stop();
    const bool readBack = session.outputs[*entry] != 0;
    const IoSignal& signal = OutputSignals()[*entry];
    context.print(SignalLine("out", *entry, signal, session.outputs));
    context.result() = {{QStringLiteral("output"), SignalKey("out", *entry, signal)},
                        {QStringLiteral("number"), *entry + 1},
                        {QStringLiteral("asked"), wanted},
                        {QStringLiteral("on"), readBack}};
    if (readBack != wanted) {
        context.dialogs().message(
                context.catalogue()
                        .Text(Msg::OutputNotSwitchedControllerReadsBack)
                        .arg(QLatin1String(signal.label), OnOffWord(wanted), OnOffWord(readBack)));
        return kExitControllerRefused;
    }
    return stopped ? kExitSuccess : context.failureExit();
}

int ListPorts(CliContext& context, const QStringList& arguments)
{
    if (!arguments.isEmpty())
        return kExitUsage;
    SystemSerialDevices devices;
    const QList<SerialDevice> present = devices.present();
    const QList<PortMapping> ports = MapPorts(context.section(), devices);
    for (const QString& line : PortsListing(present, ports))
        context.print(line);
    QJsonArray list;
    for (const SerialDevice& device : present) {
        QJsonArray numbers;
        for (const PortMapping& port : ports) {
            if (port.node == device.node)
                numbers.append(port.portNo);
        }
        list.append(QJsonObject{{QStringLiteral("node"), device.node},
                                {QStringLiteral("by_id"), device.byId.isEmpty() ? QJsonValue(QJsonValue::Null)
                                                                                : QJsonValue(device.byId)},
                                {QStringLiteral("ports"), numbers}});
    }
    context.result() = {{QStringLiteral("devices"), list}};
    return kExitSuccess;
}

}  // namespace

void AddIoCommands(CliCommandTable& table)
{
    table.append({{QStringLiteral("io")}, {},
                  QStringLiteral("the 24 inputs and 24 outputs (in|out N NAME 0|1)"), false, ShowIo});
    table.append({{QStringLiteral("io"), QStringLiteral("set")}, QStringLiteral("OUTPUT on|off"),
                  QStringLiteral("switch an output (number 1-24 or name) and show it"), false, SetIo});
    table.append({{QStringLiteral("ports")}, {},
                  QStringLiteral("the serial devices: node, by-id name, port numbers"), false, ListPorts});
}

}  // namespace kvt7
