// Start-up against the floor: runs the program and a bare window side by
// side, in pairs of alternating order, each until its first frame is painted
// (see firstframe.cpp), and compares the medians of time and peak memory.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

struct Run
{
    double milliseconds;
    long peakKilobytes;
};

Run runOnce(const std::filesystem::path &program)
{
    const std::string path = program.string();
    char *argv[] = {const_cast<char *>(path.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", path.c_str());
        std::exit(EXIT_FAILURE);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not exit cleanly (status %d)\n", path.c_str(), status);
        std::exit(EXIT_FAILURE);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

template <typename T>
T median(std::vector<T> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "bench_startup needs a display; run it under xvfb-run\n");
        return EXIT_FAILURE;
    }
    const int pairs = argc > 1 ? std::atoi(argv[1]) : 20;
    const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    const auto program = folder / "programs" / "startup_program";
    const auto floor = folder / "programs" / "startup_floor";

    runOnce(program); // warm the file cache for both
    runOnce(floor);

    std::vector<double> programTimes, floorTimes;
    std::vector<long> programMemory, floorMemory;
    for (int pair = 0; pair < pairs; ++pair) {
        const bool programFirst = pair % 2 == 0;
        const Run first = runOnce(programFirst ? program : floor);
        const Run second = runOnce(programFirst ? floor : program);
        const Run &p = programFirst ? first : second;
        const Run &f = programFirst ? second : first;
        programTimes.push_back(p.milliseconds);
        floorTimes.push_back(f.milliseconds);
        programMemory.push_back(p.peakKilobytes);
        floorMemory.push_back(f.peakKilobytes);
    }

    const double programTime = median(programTimes), floorTime = median(floorTimes);
    const long programPeak = median(programMemory), floorPeak = median(floorMemory);
    std::printf("start-up to the first frame, median of %d pairs\n", pairs);
    std::printf("  time:        program %7.1f ms   floor %7.1f ms   ratio %.3f (goal at most 1.10)\n",
                programTime, floorTime, programTime / floorTime);
    std::printf("  peak memory: program %7ld KiB  floor %7ld KiB  ratio %.3f (goal at most 1.10)\n",
                programPeak, floorPeak, double(programPeak) / double(floorPeak));
    return EXIT_SUCCESS;
}
