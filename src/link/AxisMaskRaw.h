#pragma once

#include <optional>

namespace kvt7 {

class ControllerLink;

// The controller's axis mask as it stands in parameter block 0, item 6 ("0RD" + "0",
// 38 characters; reply characters 17-18 in hex), after the port (6 attempts) and the link
// check. Only the four axis bits are kept. nullopt when an exchange failed (already shown)
// or the item is not hex. It neither touches the parameter set nor the program's axes.
std::optional<int> ReadAxisMaskRaw(ControllerLink& link);

}  // namespace kvt7
