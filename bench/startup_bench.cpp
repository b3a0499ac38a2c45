// SPDX-License-Identifier: GPL-3.0-or-later
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
  const int runs = argc > 3 ? std::atoi(argv[3]) : 31;
  // Runs alternate, and the difference is taken within each pair, so that the machine's drift from
  // one moment to the next falls on both programs alike.
  std::vector<double> times[2], memory[2], extraTimes, extraMemory;
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
    if (i == 0) continue;
    extraTimes.push_back(times[0].back() - times[1].back());
    extraMemory.push_back(memory[0].back() - memory[1].back());
  }
  const double ms[2] = {Median(times[0]), Median(times[1])};
  const double best[2] = {*std::min_element(times[0].begin(), times[0].end()),
                          *std::min_element(times[1].begin(), times[1].end())};
  const double mb[2] = {Median(memory[0]), Median(memory[1])};
  std::printf("\nStart-up to first frame, offscreen platform, %d alternating runs each:\n", runs);
  std::printf("%-12s %18s %16s %16s\n", "", "median time (ms)", "best time (ms)", "peak RSS (MB)");
  std::printf("%-12s %18.1f %16.1f %16.1f\n", "Calvanir", ms[0], best[0], mb[0]);
  std::printf("%-12s %18.1f %16.1f %16.1f\n", "bare window", ms[1], best[1], mb[1]);
  const double extraMs = Median(extraTimes), extraMb = Median(extraMemory);
  std::printf("%-12s %18.1f %16.1f %16.1f   (medians of the paired differences)\n", "difference",
              extraMs, best[0] - best[1], extraMb);
  std::printf("Target, within 15 ms and 5 MB of the bare window: %s\n",
              extraMs <= 15 && extraMb <= 5 ? "met" : "MISSED");
  return 0;
}
