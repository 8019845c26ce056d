#pragma once

namespace kvt7 {

// Waits the given milliseconds while the event loop keeps running (timers, input, replies).
void WaitMs(int ms);

}  // namespace kvt7
