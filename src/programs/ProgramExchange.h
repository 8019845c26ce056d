#pragma once

#include <QString>
#include <functional>

namespace kvt7 {

class ControllerLink;
struct ProgramContext;

constexpr int kProgramReplyTimeoutMs = 1000;
constexpr int kStoreReplyTimeoutMs = 2000;

// One transaction with its time-out and LinkBusy set around it. 0 or 1 (shown by the link).
int ProgramExchange(ControllerLink& link, const QString& command, const QString& data,
                    int expectedLength, int timeoutMs = kProgramReplyTimeoutMs);

// A write of program data: ready query (failed: 377; busy: 424, nothing sent), mode "01"
// (failed: 377), the write, then mode "00" (failed: 377) unless the link failed, and the
// port released. 0 when the write succeeded, 1 otherwise.
int RunInWriteMode(ProgramContext& context, const std::function<int()>& write);

}  // namespace kvt7
