// Start-up against two floors: runs the program, a bare window and a window
// of the same plain Qt widgets side by side, in rounds whose order rotates.
// Each prints the time of its first painted frame (see firstframe.cpp) and
// runs on a moment after it; the benchmark compares the medians of the time
// to that frame and of the peak memory of the whole run.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Run
{
    double milliseconds;
    long peakKilobytes;
};

[[noreturn]] void fail(const std::string &what)
{
    std::fprintf(stderr, "bench_startup: %s\n", what.c_str());
    std::exit(EXIT_FAILURE);
}

Run runOnce(const std::filesystem::path &program)
{
    const std::string path = program.string();
    char *argv[] = {const_cast<char *>(path.c_str()), nullptr};
    int frame[2];
    if (pipe(frame) != 0)
        fail("cannot make a pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, frame[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, frame[0]);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(frame[1]);
    if (spawned != 0)
        fail("cannot start " + path);

    char line[32] = {};
    FILE *output = fdopen(frame[0], "r");
    const bool reported = std::fgets(line, sizeof line, output) != nullptr;
    std::fclose(output);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !reported)
        fail(path + " did not report its first frame and exit cleanly");

    const std::chrono::steady_clock::time_point drawn{std::chrono::nanoseconds(std::atoll(line))};
    return {std::chrono::duration<double, std::milli>(drawn - start).count(), usage.ru_maxrss};
}

template <typename T>
T median(std::vector<T> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

struct Subject
{
    const char *name;
    std::filesystem::path path;
    std::vector<double> times;
    std::vector<long> peaks;
};

} // namespace

int main(int argc, char *argv[])
{
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        fail("needs a display; run it under xvfb-run");
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 25;
    const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "programs";
    std::array<Subject, 3> subjects{{
        {"program", folder / "startup_program", {}, {}},
        {"same widgets", folder / "startup_widgets", {}, {}},
        {"bare window", folder / "startup_floor", {}, {}},
    }};

    for (Subject &subject : subjects)
        runOnce(subject.path); // warms the file cache
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < subjects.size(); ++i) {
            Subject &subject = subjects[(i + round) % subjects.size()];
            const Run run = runOnce(subject.path);
            subject.times.push_back(run.milliseconds);
            subject.peaks.push_back(run.peakKilobytes);
        }
    }

    std::printf("start-up, medians of %d rounds: time to the first frame, peak memory of the whole run\n",
                rounds);
    const double time = median(subjects[0].times);
    const double peak = double(median(subjects[0].peaks));
    for (const Subject &subject : subjects) {
        const double t = median(subject.times), p = double(median(subject.peaks));
        std::printf("  %-13s %7.1f ms  %8.0f KiB", subject.name, t, p);
        if (&subject != &subjects[0])
            std::printf("   program / this: time %.3f, memory %.3f", time / t, peak / p);
        std::printf("\n");
    }
    std::printf("  goal against the same widgets: time at most 1.05, memory at most 1.03\n");
    return EXIT_SUCCESS;
}
