#pragma once

namespace kvt7 {

// How an operation ended, for the many that either finish, fail (the failure already shown)
// or are cancelled by the operator; operations with other ends have an enum of their own.
enum class Outcome { Done, Failed, Cancelled };

}  // namespace kvt7
