// The parsers of the read replies: the first byte chooses "0RP", "0RD", "0RG", "0RS",
// "0RI"/"0RO" or "0RC", the second the number or mask asked for; the rest is the reply.
#include "operation/IoSignals.h"
#include "operation/MoveExchanges.h"
#include "parameters/ParameterBlocks.h"
#include "positions/PositionWire.h"
#include "programs/ProgramWire.h"
#include "targets/FuzzInput.h"

namespace {

void ParseBlock(const QString& reply, int block)
{
    const auto items = kvt7::ParseBlockReply(reply, block);
    if (!items)
        return;
    kvt7::ParameterRecord record;
    kvt7::ReservedValues reserved;
    kvt7::DecodeBlock(*items, block, record, reserved);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    kvt7::fuzz::FuzzInput input(data, size);
    const uint8_t which = input.choice() % 6;
    const uint8_t number = input.choice();
    const QString reply = QString::fromLatin1(input.rest());
    switch (which) {
    case 0:
        kvt7::ParsePositionReply(reply);
        break;
    case 1:
        ParseBlock(reply, number % kvt7::kParameterBlockCount);
        break;
    case 2:
        kvt7::ParseGroupReply(reply, 1 + number % 99);
        break;
    case 3:
        kvt7::ParseSmReply(reply, 1 + number % 20);
        break;
    case 4:
        if (const auto table = kvt7::DecodeIoDigits(reply.mid(3, 6)))
            kvt7::EncodeIoDigits(*table);
        break;
    default:
        kvt7::ParsePresentPositions(reply, 1 + number % 15, {});
        break;
    }
    return 0;
}
