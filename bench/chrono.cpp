// pagevet_chrono: runs a command several times with its output thrown away
// and prints the median wall time and the peak resident memory of the runs.
//
//   pagevet_chrono RUNS COMMAND [ARG...]
//
// Prints one line: "<median seconds> <peak resident KiB>". The memory is
// what wait4 reports for the child, which covers the processes it waited
// for too, so "sh -c 'a | b'" counts the largest of its pipeline.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

double maintenant() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// One run: the seconds it took, and its peak resident memory in KiB.
struct Mesure {
  double secondes;
  long kib;
};

bool lancer(char* const* commande, Mesure& mesure) {
  const double debut = maintenant();
  const pid_t pid = fork();
  if (pid < 0) {
    std::perror("pagevet_chrono: fork");
    return false;
  }
  if (pid == 0) {
    const int nul = open("/dev/null", O_WRONLY);
    if (nul < 0 || dup2(nul, STDOUT_FILENO) < 0) _exit(126);
    close(nul);
    execvp(commande[0], commande);
    std::fprintf(stderr, "pagevet_chrono: %s: %s\n", commande[0], std::strerror(errno));
    _exit(127);
  }
  int statut = 0;
  rusage usage{};
  while (wait4(pid, &statut, 0, &usage) < 0) {
    if (errno != EINTR) {
      std::perror("pagevet_chrono: wait4");
      return false;
    }
  }
  mesure.secondes = maintenant() - debut;
  mesure.kib = usage.ru_maxrss;
  // pagevet exits with 1 when a page has findings, which the benchmark's
  // sites always have; 2 and above, or a signal, is a failed run.
  if (!WIFEXITED(statut) || WEXITSTATUS(statut) > 1) {
    std::fprintf(stderr, "pagevet_chrono: %s failed (status %d)\n", commande[0], statut);
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int essais = argc >= 3 ? std::atoi(argv[1]) : 0;
  if (essais < 1) {
    std::fprintf(stderr, "usage: pagevet_chrono RUNS COMMAND [ARG...]\n");
    return 2;
  }
  std::vector<double> temps;
  long kibMax = 0;
  for (int i = 0; i < essais; ++i) {
    Mesure mesure{};
    if (!lancer(argv + 2, mesure)) return 1;
    temps.push_back(mesure.secondes);
    kibMax = std::max(kibMax, mesure.kib);
  }
  std::sort(temps.begin(), temps.end());
  const size_t n = temps.size();
  const double mediane = n % 2 == 1 ? temps[n / 2] : (temps[n / 2 - 1] + temps[n / 2]) / 2;
  std::printf("%.4f %ld\n", mediane, kibMax);
  return 0;
}
