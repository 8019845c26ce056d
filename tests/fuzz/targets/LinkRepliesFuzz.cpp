// The link's reply handling: a reply assembled from pieces, its check against the request,
// the error reply decoded into the alarm, re-sends and a line that goes away.
// Byte 1: bits 0-1 the exchange variant (quiet, single, with re-sends), bit 2 an alarm list
// is loaded, bit 3 a second exchange follows, bit 4 the line stays silent once the answers
// are used up (otherwise it goes away). Byte 2: the request. The rest: the answers to
// successive requests separated by 0xFE, each cut into pieces at 0xFF; answers left over
// arrive unasked after the exchanges.
#include "base/AppSettings.h"
#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "link/ControllerLink.h"
#include "link/ControllerStatus.h"
#include "platform/SettingsStore.h"
#include "targets/FuzzInput.h"
#include "targets/FuzzSerialPort.h"
#include "targets/SilentDialogs.h"

#include <QCoreApplication>
#include <array>

namespace {

struct Request {
    const char* command;
    const char* data;
    int expectedLength;
};

constexpr std::array<Request, 10> kRequests{{{"0RP", "001", 48},
                                             {"0RD", "5", 38},
                                             {"0RG", "01", 13},
                                             {"0RS", "01", 39},
                                             {"0RI", "", 11},
                                             {"0RO", "", 11},
                                             {"0RC", "F", 26},
                                             {"0RV", "", 11},
                                             {"0RA", "", 6},
                                             {"0WP", "", 6}}};

QList<QByteArrayList> Answers(const kvt7::fuzz::FuzzInput& input)
{
    QList<QByteArrayList> groups;
    for (const QByteArray& group : input.pieces('\xfe'))
        groups.append(group.split('\xff'));
    return groups;
}

kvt7::AlarmList SomeAlarms()
{
    kvt7::AlarmList list;
    list.AlarmListMissing = false;
    list.entries = {{"15", "Push fault"}, {"25", "Overvoltage"}, {"1", ""}, {"", "no code"}};
    return list;
}

kvt7::Outcome Exchange(kvt7::ControllerLink& link, int variant, const Request& request)
{
    const QString command = QString::fromLatin1(request.command);
    const QString data = QString::fromLatin1(request.data);
    switch (variant) {
    case 0:
        return link.SendCommandQuiet(command, data, request.expectedLength);
    case 1:
        return link.SendCommand(command, data, request.expectedLength);
    default:
        return link.SendCommandWithRetry(command, data, request.expectedLength);
    }
}

// Parsing the whole catalogue costs far more than an exchange; the harness keeps one copy
// for every input (the program itself creates its catalogue once in main).
const kvt7::MessageCatalogue& Catalogue()
{
    static const kvt7::MessageCatalogue catalogue = kvt7::MessageCatalogue::Builtin();
    return catalogue;
}

}  // namespace

// libFuzzer calls this once before the first input; the replay driver makes its own.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    if (!QCoreApplication::instance())
        new QCoreApplication(*argc, *argv);  // lives as long as the process
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    kvt7::fuzz::FuzzInput input(data, size);
    const uint8_t flags = input.choice();
    const Request& request = kRequests.at(input.choice() % kRequests.size());
    kvt7::fuzz::FuzzSerialPort port(Answers(input), (flags & 16) != 0);
    kvt7::OperatingMode mode;
    kvt7::fuzz::SilentDialogs dialogs;
    const kvt7::MessageCatalogue& catalogue = Catalogue();
    kvt7::MemorySettingsStore store;
    kvt7::AppSettings settings;
    kvt7::ControllerStatus status;
    if (flags & 4)
        status.setAlarmList(SomeAlarms());
    kvt7::ControllerLink link(port, mode, dialogs, catalogue, settings,
                              kvt7::SettingsSection(store), status, QStringLiteral("/dev/null"));
    link.setReplyTimeoutMs(1);
    mode.SetOnline();
    const int variant = flags & 3;
    Exchange(link, variant, request);
    link.AlarmMessageText();
    if (flags & 8) {
        link.SwitchOnlineQuietly();
        Exchange(link, variant, request);
    }
    while (port.deliverNext()) {
    }
    link.DecodeErrorReply(true);
    link.AlarmMessageText();
    return 0;
}
