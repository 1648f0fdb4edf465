// Exit statuses of the barquill command.
#pragma once

namespace cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;   // the host failed, or the output could not be written
constexpr int kExitBadInput = 2;  // an option or its value was refused

}  // namespace cli
