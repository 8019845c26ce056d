// The three factory-default lists: the first byte chooses the old-type, the new-type
// (both per-actuator lists) or the common list.
#include "parameters/DefaultLists.h"
#include "targets/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    kvt7::fuzz::FuzzInput input(data, size);
    const uint8_t which = input.choice() % 3;
    if (which == 2) {
        kvt7::DefaultCommonTable table;
        kvt7::ParseDefaultCommonList(input.rest(), table);
        return 0;
    }
    kvt7::DefaultAxisTable table;
    const QString name = which == 0 ? kvt7::kOldKvDefaultList : kvt7::kNewKvDefaultList;
    if (kvt7::ParseDefaultAxisList(input.rest(), name, which == 1, table) == kvt7::DefaultListRead::Ok
        && !table.Entries.empty()) {
        const kvt7::DefaultAxisEntry& first = table.Entries.front();
        table.find(first.SizeCode, first.SpeedCode, first.StrokeMm);
    }
    return 0;
}
