// The whole program as a process: start-up to the first painted workbench,
// a --snapshot run that draws all five windows, and one that draws the
// windows of a set-up file. Wall time, with the
// child's peak memory as a counter.

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
    int status = -1;
    long peakKiB = 0;
};

// Runs the program with the arguments and extra environment, and waits.
Run runFakoi(const std::vector<std::string>& args, const std::vector<std::string>& env) {
    std::vector<std::string> environment = env;
    for (char** e = environ; *e; ++e)
        environment.emplace_back(*e);
    std::vector<char*> argv{const_cast<char*>(FAKOI_PATH)}, envp;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    for (const std::string& e : environment)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    pid_t pid = 0;
    Run run;
    if (posix_spawn(&pid, FAKOI_PATH, nullptr, nullptr, argv.data(), envp.data()) != 0)
        return run;
    rusage usage{};
    wait4(pid, &run.status, 0, &usage);
    run.peakKiB = usage.ru_maxrss;
    return run;
}

void report(benchmark::State& state, const Run& run) {
    if (!WIFEXITED(run.status) || WEXITSTATUS(run.status) != 0)
        state.SkipWithError("the program did not end with status 0");
    state.counters["peak_MiB"] = static_cast<double>(run.peakKiB) / 1024;
}

void BM_SnapshotAllWindows(benchmark::State& state) {
    char dir[] = "/tmp/fakoi-bench-XXXXXX";
    if (!mkdtemp(dir)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string scale = std::to_string(state.range(0));
    Run run;
    for (auto _ : state)
        run = runFakoi({"--snapshot", dir, "--scale", scale}, {});
    report(state, run);
    std::system((std::string("rm -rf ") + dir).c_str());
}
// The argument is the device pixel ratio of the pictures.
BENCHMARK(BM_SnapshotAllWindows)
    ->ArgName("scale")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

void BM_SnapshotOfASetup(benchmark::State& state) {
    char dir[] = "/tmp/fakoi-bench-XXXXXX";
    if (!mkdtemp(dir)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    Run run;
    for (auto _ : state)
        run = runFakoi({"--setup", FAKOI_SOURCE_DIR "/docs/example.fakoi", "--snapshot", dir}, {});
    report(state, run);
    std::system((std::string("rm -rf ") + dir).c_str());
}
BENCHMARK(BM_SnapshotOfASetup)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_StartToFirstPaintedWorkbench(benchmark::State& state) {
    Run run;
    for (auto _ : state)
        run = runFakoi({}, {"QT_QPA_PLATFORM=offscreen", "FAKOI_QUIT_AFTER_FIRST_PAINT=1"});
    report(state, run);
}
BENCHMARK(BM_StartToFirstPaintedWorkbench)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

} // namespace

BENCHMARK_MAIN();
