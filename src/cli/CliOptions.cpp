#include "CliOptions.h"

namespace kvt7 {

namespace {

CliParse Refuse(const QString& error)
{
    return {std::nullopt, error};
}

}  // namespace

CliParse ParseCliOptions(const QStringList& arguments)
{
    CliOptions options;
    int i = 0;
    const auto value = [&](const QString& name) -> std::optional<QString> {
        if (i + 1 >= arguments.size())
            return std::nullopt;
        Q_UNUSED(name);
        return arguments.at(++i);
    };
    for (; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!argument.startsWith(QLatin1String("--")))
            break;
        if (argument == QLatin1String("--help")) {
            options.help = true;
        } else if (argument == QLatin1String("--json")) {
            options.json = true;
        } else if (argument == QLatin1String("--simulate")) {
            options.simulate = true;
        } else if (argument == QLatin1String("--port")) {
            const auto text = value(argument);
            bool ok = false;
            const int number = text ? text->toInt(&ok) : 0;
            if (!ok || number < 1 || number > 9)
                return Refuse(QStringLiteral("--port needs a port number from 1 to 9"));
            if (options.controllers.isEmpty())
                options.portNo = number;
            options.controllers.append({argument, QString::number(number)});
        } else if (argument == QLatin1String("--port-device")) {
            const auto path = value(argument);
            if (!path || path->isEmpty())
                return Refuse(QStringLiteral("--port-device needs a device path"));
            if (options.controllers.isEmpty())
                options.portDevice = *path;
            options.controllers.append({argument, *path});
        } else if (argument == QLatin1String("--sim-arg")) {
            const auto extra = value(argument);
            if (!extra)
                return Refuse(QStringLiteral("--sim-arg needs an argument for kvm8-sim"));
            options.simulatorArguments << *extra;
        } else if (argument == QLatin1String("--lang")) {
            const auto language = value(argument);
            if (language == QLatin1String("ja"))
                options.language = 1;
            else if (language == QLatin1String("en"))
                options.language = 2;
            else
                return Refuse(QStringLiteral("--lang takes ja or en"));
        } else {
            return Refuse(QStringLiteral("unknown option %1").arg(argument));
        }
    }
    options.words = arguments.mid(i);
    if (options.simulate && !options.controllers.isEmpty())
        return Refuse(QStringLiteral("--simulate excludes --port and --port-device"));
    if (!options.simulatorArguments.isEmpty() && !options.simulate)
        return Refuse(QStringLiteral("--sim-arg needs --simulate"));
    return {options, {}};
}

}  // namespace kvt7
