// Time from process start to the first painted frame, and peak resident memory, of Calvanir and of
// a bare Qt window, both on the offscreen platform, alternating runs in one go.
//
//   startup_bench CALVANIR_PROBE BARE_WINDOW [RUNS]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Sample {
  double milliseconds;
  double peakMegabytes;
};

bool Run(const char* program, Sample& sample) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return false;
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    dup2(pipeFds[1], STDOUT_FILENO);
    close(pipeFds[0]);
    close(pipeFds[1]);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeFds[1]);
  char frame = 0;
  const bool framed = read(pipeFds[0], &frame, 1) == 1;
  const auto firstFrame = std::chrono::steady_clock::now();
  close(pipeFds[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  sample.milliseconds = std::chrono::duration<double, std::milli>(firstFrame - start).count();
  sample.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
  return framed && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: startup_bench CALVANIR_PROBE BARE_WINDOW [RUNS]\n", stderr);
    return 2;
  }
  const int runs = argc > 3 ? std::atoi(argv[3]) : 21;
  std::vector<double> times[2], memory[2];
  for (int i = 0; i < runs + 1; ++i) {
    for (int which = 0; which < 2; ++which) {
      Sample sample{};
      if (!Run(argv[1 + which], sample)) {
        std::fprintf(stderr, "startup_bench: %s did not show its first frame\n", argv[1 + which]);
        return 1;
      }
      if (i == 0) continue;  // the first run warms the file cache
      times[which].push_back(sample.milliseconds);
      memory[which].push_back(sample.peakMegabytes);
    }
  }
  const double ms[2] = {Median(times[0]), Median(times[1])};
  const double mb[2] = {Median(memory[0]), Median(memory[1])};
  std::printf("\nStart-up to first frame, offscreen platform, median of %d runs each:\n", runs);
  std::printf("%-14s %12s %16s\n", "", "time (ms)", "peak RSS (MB)");
  std::printf("%-14s %12.1f %16.1f\n", "Calvanir", ms[0], mb[0]);
  std::printf("%-14s %12.1f %16.1f\n", "bare window", ms[1], mb[1]);
  const double extraMs = ms[0] - ms[1], extraMb = mb[0] - mb[1];
  std::printf("%-14s %12.1f %16.1f   targets: within 15 ms and 5 MB: %s\n", "difference", extraMs,
              extraMb, extraMs <= 15 && extraMb <= 5 ? "met" : "MISSED");
  return 0;
}
