#include "platform/arretsignal.h"

#include <signal.h>

#include <initializer_list>

namespace plateforme {

namespace {

// The one piece of global mutable state in the program, and only because a
// signal handler can reach nothing else: the signal that asked for the stop.
// A lock-free atomic may be set from a handler and read from any thread.
std::atomic<int> signalRecu{0};
static_assert(std::atomic<int>::is_always_lock_free, "the handler needs a lock-free flag");

// Installed with SA_RESETHAND, so a second signal of the same kind finds the
// default action again and ends the process. A second signal of the other
// kind (SIGTERM after SIGINT) comes here with its own action already reset:
// raising it again ends the process as soon as the handler returns.
extern "C" void surSignal(int numero) {
  int attendu = 0;
  if (!signalRecu.compare_exchange_strong(attendu, numero)) raise(numero);
}

}  // namespace

void installerArret() {
  struct sigaction action {};
  action.sa_handler = surSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  for (const int numero : {SIGINT, SIGTERM}) {
    // A signal the parent chose to ignore (a job started in the background
    // by a shell, nohup) stays ignored.
    struct sigaction avant {};
    if (sigaction(numero, nullptr, &avant) == 0 && avant.sa_handler == SIG_IGN) continue;
    sigaction(numero, &action, nullptr);
  }
}

const std::atomic<int>& signalArret() { return signalRecu; }

int statutArret(int signal) { return 128 + signal; }

}  // namespace plateforme
