// Whole-process figures, measured on the probe program started afresh each time:
// start-up until the selector is first painted, and the peak resident size after
// every lab window has been opened, used and closed in turn.

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

extern char** environ;

namespace {

// Runs the probe with one argument; returns its exit status and its standard output.
int RunProbe(const char* mode, std::string* output = nullptr) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char* args[] = {const_cast<char*>(LABS_PROBE_PATH), const_cast<char*>(mode), nullptr};
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, LABS_PROBE_PATH, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string text;
    char buffer[256];
    ssize_t n;
    while ((n = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, std::size_t(n));
    close(pipeEnds[0]);
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    if (output)
        *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_StartupToFirstPaint(benchmark::State& state) {
    for (auto _ : state)
        if (RunProbe("startup") != 0)
            state.SkipWithError("the probe failed");
}

void BM_PeakMemoryAllWindows(benchmark::State& state) {
    long peakKiB = 0;
    for (auto _ : state) {
        std::string output;
        if (RunProbe("windows", &output) != 0) {
            state.SkipWithError("the probe failed");
            return;
        }
        peakKiB = std::atol(output.c_str());
    }
    state.counters["peak_RSS_MiB"] = double(peakKiB) / 1024.0;
}

} // namespace

BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();
BENCHMARK(BM_PeakMemoryAllWindows)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
