// The settings values: each line of the input is the stored text of one key, in the order
// below; then every reader of the program's section runs over them.
#include "base/AppSettings.h"
#include "targets/FuzzInput.h"
#include "targets/SilentDialogs.h"

#include <array>

namespace {

constexpr std::array<const char*, 12> kKeys{
    "DispMmUnit",  "Language",     "PortNo",   "PortOccupy", "MmRoundUp",   "VelOf100Pls",
    "AccOf100Pls", "AccOf100Pls2", "AccOfJog", "AccOfJog2",  "PortDevice1", "PortDevice9"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    kvt7::fuzz::FuzzInput input(data, size);
    kvt7::MemorySettingsStore store;
    kvt7::SettingsSection section(store);
    const QByteArrayList lines = input.pieces('\n');
    for (std::size_t i = 0; i < kKeys.size() && qsizetype(i) < lines.size(); ++i)
        section.write(QString::fromLatin1(kKeys[i]), QString::fromUtf8(lines.at(qsizetype(i))));
    kvt7::AppSettings values;
    kvt7::ReadStartPreferences(section, values);
    kvt7::fuzz::SilentDialogs dialogs;
    kvt7::ReadTeachingSettings(section, values, dialogs);
    values.PortNo = 0;  // not usable, so the stored one is read
    const int port = kvt7::UsablePortNo(section, values);
    kvt7::PortDevice(section, port);
    kvt7::SaveExitSettings(section, values);
    return 0;
}
