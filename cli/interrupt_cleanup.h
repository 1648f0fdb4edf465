// What an interrupted barquill leaves: only whole files. Every file is written under a temporary
// name and renamed when complete (emulator/whole_file.h); on Ctrl-C (SIGINT), SIGTERM or SIGHUP
// a thread of its own removes the temporary files still being written, says so, and ends the
// process by the same signal, so that a calling shell sees the interrupt. (SIGKILL cannot be
// caught: it leaves at most temporary files, named as such.)
#pragma once

namespace cli {

// Blocks the signals in the calling thread, and so in every thread it starts later, and starts
// the thread that waits for them. Call once, before any other thread is started.
void WatchForInterrupts();

}  // namespace cli
