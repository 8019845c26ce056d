#include "SimOptions.h"

#include "Kvm8Simulator.h"

#include <QCommandLineParser>
#include <algorithm>

namespace kvt7::sim {

namespace {

struct PrefixOption {
    const char* name;
    FaultKind kind;
    const char* description;
};

const PrefixOption kPrefixOptions[] = {
    {"silent", FaultKind::Silent, "Do not answer (nor execute) requests beginning with PREFIX."},
    {"garble", FaultKind::Garble, "Answer requests beginning with PREFIX with wrong first characters."},
    {"split", FaultKind::Split, "Send the reply to PREFIX in two pieces 30 ms apart."},
    {"double", FaultKind::Double, "Send the reply to PREFIX twice in one write."},
    {"wrong-echo", FaultKind::WrongEcho, "Change a data character of the reply to PREFIX (echo code and length kept)."},
    {"vanish", FaultKind::Vanish, "Close the device on requests beginning with PREFIX; it comes back 300 ms later (use --link)."},
};

bool IsErrorReply(const QByteArray& reply)
{
    return reply.size() >= 6 && reply.startsWith("0%%") && !reply.contains('\r') && !reply.contains('\n');
}

bool ParseErrorFault(const QString& value, int count, QList<Fault>* faults, QString* message)
{
    const qsizetype eq = value.indexOf(QLatin1Char('='));
    const QByteArray prefix = value.left(eq).toLatin1();
    const QByteArray reply = value.mid(eq + 1).toLatin1();
    if (eq <= 0 || !IsErrorReply(reply)) {
        *message = QStringLiteral("--error wants PREFIX=REPLY with a reply like 0%%105, not \"%1\"").arg(value);
        return false;
    }
    faults->append({FaultKind::Error, prefix, reply, count});
    return true;
}

// A reply of the right code and length with a wrong echo, say, which no other fault gives.
bool ParseReplyFault(const QString& value, QList<Fault>* faults, QString* message)
{
    const qsizetype eq = value.indexOf(QLatin1Char('='));
    const QByteArray prefix = value.left(eq).toLatin1();
    const QByteArray reply = value.mid(eq + 1).toLatin1();
    if (eq <= 0 || reply.isEmpty() || reply.contains('\r') || reply.contains('\n')) {
        *message = QStringLiteral("--reply wants PREFIX=REPLY with a reply line such as 0WG0B, not \"%1\"").arg(value);
        return false;
    }
    faults->append({FaultKind::Reply, prefix, reply, -1});
    return true;
}

bool ParseDelay(const QString& value, QList<QPair<QByteArray, int>>* delays, QString* message)
{
    const qsizetype eq = value.indexOf(QLatin1Char('='));
    bool ok = false;
    const int ms = value.mid(eq + 1).toInt(&ok);
    if (eq <= 0 || !ok || ms < 0) {
        *message = QStringLiteral("--delay wants PREFIX=MS such as 0MG=3000, not \"%1\"").arg(value);
        return false;
    }
    delays->append({value.left(eq).toLatin1(), ms});
    return true;
}

bool ParseDigit(const QString& text, int base, int high, int* value)
{
    bool ok = false;
    const int v = text.toInt(&ok, base);
    if (!ok || text.size() != 1 || v < 0 || v > high)
        return false;
    *value = v;
    return true;
}

bool ReadValues(const QCommandLineParser& parser, SimOptions* o, QString* message)
{
    for (const QString& v : parser.values(QStringLiteral("error"))) {
        if (!ParseErrorFault(v, -1, &o->faults, message))
            return false;
    }
    for (const QString& v : parser.values(QStringLiteral("error-once"))) {
        if (!ParseErrorFault(v, 1, &o->faults, message))
            return false;
    }
    for (const QString& v : parser.values(QStringLiteral("reply"))) {
        if (!ParseReplyFault(v, &o->faults, message))
            return false;
    }
    for (const QString& v : parser.values(QStringLiteral("delay"))) {
        if (!ParseDelay(v, &o->replyDelays, message))
            return false;
    }
    for (const PrefixOption& p : kPrefixOptions) {
        for (const QString& v : parser.values(QLatin1String(p.name))) {
            if (v.isEmpty()) {
                *message = QStringLiteral("--%1 wants a request prefix such as 0RP").arg(QLatin1String(p.name));
                return false;
            }
            o->faults.append({p.kind, v.toLatin1(), {}, -1});
        }
    }
    int digit = 0;
    if (parser.isSet(QStringLiteral("type-digit"))) {
        if (!ParseDigit(parser.value(QStringLiteral("type-digit")), 10, 9, &digit)) {
            *message = QStringLiteral("--type-digit wants one digit 0-9");
            return false;
        }
        o->typeDigit = digit;
    }
    if (parser.isSet(QStringLiteral("axes"))) {
        if (!ParseDigit(parser.value(QStringLiteral("axes")).toUpper(), 16, 15, &digit)) {
            *message = QStringLiteral("--axes wants one hex digit 0-F (bit 0 = axis 1)");
            return false;
        }
        o->axisMask = digit;
    }
    for (const char* name : {"inputs", "outputs"}) {
        if (!parser.isSet(QLatin1String(name)))
            continue;
        const QString text = parser.value(QLatin1String(name));
        bool ok = false;
        const int bits = text.toInt(&ok, 16);
        if (!ok || text.size() != 6 || text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-'))) {
            *message = QStringLiteral("--%1 wants six hex digits such as 800001").arg(QLatin1String(name));
            return false;
        }
        (name[0] == 'i' ? o->inputs : o->outputs) = bits;
    }
    for (const char* name : {"fault-rate", "seed"}) {
        if (!parser.isSet(QLatin1String(name)))
            continue;
        bool ok = false;
        const qlonglong value = parser.value(QLatin1String(name)).toLongLong(&ok);
        if (!ok || value < 0 || value > 0xFFFFFFFFLL) {
            *message = QStringLiteral("--%1 wants a whole number of 0 or more").arg(QLatin1String(name));
            return false;
        }
        if (name[0] == 'f')
            o->faultRate = int(std::min<qlonglong>(value, 1000000000));
        else
            o->seed = quint32(value);
    }
    if (parser.isSet(QStringLiteral("home-alarm"))) {
        o->homingAlarm = parser.value(QStringLiteral("home-alarm")).toLatin1();
        if (!IsErrorReply(o->homingAlarm)) {
            *message = QStringLiteral("--home-alarm wants an error reply such as 0%%134");
            return false;
        }
    }
    return true;
}

}  // namespace

ParseOutcome ParseSimOptions(const QStringList& arguments, SimOptions* options, QString* message)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulated KV-M8 controller on a pseudo-terminal. The first line of output is the device to open."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help."));
    parser.addOption(help);
    parser.addOptions({
        {QStringLiteral("link"), QStringLiteral("Create a symbolic link PATH to the device."), QStringLiteral("PATH")},
        {QStringLiteral("state"), QStringLiteral("Load the memory from FILE when it exists; save it after every commit and at exit."), QStringLiteral("FILE")},
        {QStringLiteral("wire-delay"), QStringLiteral("Answer no faster than a 9600-baud line allows.")},
        {QStringLiteral("error"), QStringLiteral("Answer requests beginning with PREFIX with REPLY (e.g. 0RV=0%%105); repeatable."), QStringLiteral("PREFIX=REPLY")},
        {QStringLiteral("error-once"), QStringLiteral("As --error, for the next such request only."), QStringLiteral("PREFIX=REPLY")},
        {QStringLiteral("reply"), QStringLiteral("Answer requests beginning with PREFIX with the line REPLY (CR LF added), not executing them; repeatable."), QStringLiteral("PREFIX=REPLY")},
        {QStringLiteral("delay"), QStringLiteral("Execute requests beginning with PREFIX at once but answer them MS ms later; later replies wait behind; repeatable."), QStringLiteral("PREFIX=MS")},
        {QStringLiteral("busy"), QStringLiteral("Answer the ready query 0RA with busy, always.")},
        {QStringLiteral("type-digit"), QStringLiteral("Controller type digit in the 0RV reply (default 4)."), QStringLiteral("N")},
        {QStringLiteral("axes"), QStringLiteral("Axes in use at start, one hex digit (default 3)."), QStringLiteral("MASK")},
        {QStringLiteral("home-alarm"), QStringLiteral("A return to origin fails 200 ms in with REPLY (e.g. 0%%134)."), QStringLiteral("REPLY")},
        {QStringLiteral("log"), QStringLiteral("Write every request and reply to stderr.")},
        {QStringLiteral("fault-rate"), QStringLiteral("About one request in N is garbled, split, doubled, lost, answered with an error or makes the device vanish for a while (0: none)."), QStringLiteral("N")},
        {QStringLiteral("seed"), QStringLiteral("Seed of the random faults (default 1)."), QStringLiteral("S")},
        {QStringLiteral("inputs"), QStringLiteral("The input signals at start, six hex digits as 0RI answers them (default 010A05)."), QStringLiteral("HEX")},
        {QStringLiteral("outputs"), QStringLiteral("The output signals at start, six hex digits as 0RO answers them (default 000000)."), QStringLiteral("HEX")},
    });
    for (const PrefixOption& p : kPrefixOptions)
        parser.addOption({QLatin1String(p.name), QLatin1String(p.description), QStringLiteral("PREFIX")});
    if (!parser.parse(arguments)) {
        *message = parser.errorText();
        return ParseOutcome::Error;
    }
    if (parser.isSet(help)) {
        *message = parser.helpText();
        return ParseOutcome::Help;
    }
    if (!parser.positionalArguments().isEmpty()) {
        *message = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return ParseOutcome::Error;
    }
    SimOptions o;
    o.linkPath = parser.value(QStringLiteral("link"));
    o.statePath = parser.value(QStringLiteral("state"));
    o.wireDelay = parser.isSet(QStringLiteral("wire-delay"));
    o.alwaysBusy = parser.isSet(QStringLiteral("busy"));
    o.logTraffic = parser.isSet(QStringLiteral("log"));
    if (!ReadValues(parser, &o, message))
        return ParseOutcome::Error;
    *options = o;
    return ParseOutcome::Run;
}

void ApplySimOptions(const SimOptions& options, Kvm8Simulator& simulator)
{
    for (const Fault& f : options.faults)
        simulator.faults().add(f);
    simulator.randomFaults().configure(options.faultRate, options.seed);
    simulator.setAlwaysBusy(options.alwaysBusy);
    if (options.typeDigit)
        simulator.setTypeDigit(*options.typeDigit);
    if (options.axisMask)
        simulator.setAxisMask(*options.axisMask);
    if (options.inputs)
        simulator.setInputs(*options.inputs);
    if (options.outputs)
        simulator.setOutputs(*options.outputs);
    if (!options.homingAlarm.isEmpty())
        simulator.setHomingAlarm(options.homingAlarm);
}

}  // namespace kvt7::sim
