// Stopping a run on SIGINT or SIGTERM: the handler only raises a flag, which
// the run reads between pages; a second signal ends the process at once.
#ifndef PAGEVET_PLATFORM_ARRETSIGNAL_H_
#define PAGEVET_PLATFORM_ARRETSIGNAL_H_

#include <atomic>

namespace plateforme {

// From now on, SIGINT and SIGTERM set the flag below instead of ending the
// process; a signal that comes once the flag is set ends it at once, as if
// nothing had been installed. Interrupted system calls resume. A signal the
// process was started ignoring stays ignored.
void installerArret();

// The number of the first signal that asked the run to stop, 0 while none
// did. Any thread may read it.
const std::atomic<int>& signalArret();

// The exit status of a run stopped by signal: 128 + its number (130 for
// SIGINT, 143 for SIGTERM), as a shell gives it.
int statutArret(int signal);

}  // namespace plateforme

#endif  // PAGEVET_PLATFORM_ARRETSIGNAL_H_
