// Wall time and peak memory of `starloom-cli batch` (or `stats`) on a large generated CSV
// file.
//
//   starloom-cli-batch-measure [--rows N] [--threads N] [--positions METHOD]
//                              [--command batch|stats] [--cli PATH]
//
// Writes N rows (default 1,000,000) of births spread over every column's range into a
// temporary folder, runs the tool once on them (batch with --out in the same folder, stats
// with its table to /dev/null), and prints the wall time, the CPU times (in all and per
// row) and the tool's peak resident memory (from wait4). The folder is removed afterwards.
// Not part of the tests: the figures depend on the machine.
#include <sys/resource.h>
#include <sys/wait.h>

#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char **environ;

namespace {

constexpr long kDefaultRows = 1000000;
constexpr int kDefaultThreads = 2;
constexpr double kKibPerMib = 1024.0;

// Deterministic rows (a linear congruential generator, Numerical Recipes' constants).
bool WriteRows(const std::string &path, long rows) {
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    std::fputs("name,year,month,day,hour,minute,zone,dst,lat_deg,lat_min,lat_dir,lon_deg,lon_min,"
               "lon_dir,city,state,country\n",
               file);
    std::uint32_t seed = 1;
    const auto next = [&seed](int range) {
        seed = seed * 1664525U + 1013904223U;
        return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(range));
    };
    for (long i = 0; i < rows; ++i) {
        std::fprintf(file, "Person %ld,%d,%d,%d,%d,%d,%d,%d,%d,%d,%c,%d,%d,%c,City,State,Country\n",
                     i, 1901 + next(150), 1 + next(12), 1 + next(28), next(24), next(60), next(71),
                     next(2), next(90), next(60), next(2) ? 'N' : 'S', next(180), next(60),
                     next(2) ? 'E' : 'W');
    }
    return std::fclose(file) == 0;
}

long CountLines(const std::string &path) {
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return -1;
    long lines = 0;
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        for (std::size_t i = 0; i < got; ++i)
            lines += buffer[i] == '\n' ? 1 : 0;
    }
    std::fclose(file);
    return lines;
}

} // namespace

int main(int argc, char *argv[]) {
    long rows = kDefaultRows;
    int threads = kDefaultThreads;
    std::string cli = STARLOOM_CLI_PATH;
    std::string positions = "standard";
    std::string command = "batch";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--rows")
            rows = std::atol(argv[i + 1]);
        else if (option == "--threads")
            threads = std::atoi(argv[i + 1]);
        else if (option == "--cli")
            cli = argv[i + 1];
        else if (option == "--positions")
            positions = argv[i + 1];
        else if (option == "--command")
            command = argv[i + 1];
    }

    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "starloom-batch-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path folder = pattern;
    const std::string in = (folder / "births.csv").string();
    const std::string out = (folder / "readings.jsonl").string();
    std::printf("writing %ld rows to %s\n", rows, in.c_str());
    if (!WriteRows(in, rows)) {
        std::fprintf(stderr, "cannot write %s\n", in.c_str());
        fs::remove_all(folder);
        return 1;
    }

    const std::string threadText = std::to_string(threads);
    const bool stats = command == "stats";
    std::vector<char *> args = {cli.data(),
                                command.data(),
                                const_cast<char *>(in.c_str()),
                                const_cast<char *>("--threads"),
                                const_cast<char *>(threadText.c_str()),
                                const_cast<char *>("--positions"),
                                positions.data()};
    if (!stats) {
        args.push_back(const_cast<char *>("--out"));
        args.push_back(const_cast<char *>(out.c_str()));
    }
    args.push_back(nullptr);
    // The stats table goes nowhere: only the counting is measured.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stats)
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, cli.c_str(), &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot run %s\n", cli.c_str());
        fs::remove_all(folder);
        return 1;
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    std::printf("starloom-cli %s --threads %d --positions %s: exit %d\n", command.c_str(), threads,
                positions.c_str(), WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    if (!stats)
        std::printf("  rows written   %ld\n", CountLines(out));
    std::printf("  wall time      %.2f s\n", wall);
    const double cpu = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    std::printf("  CPU time       %.2f s user, %.2f s system\n", seconds(usage.ru_utime),
                seconds(usage.ru_stime));
    if (rows > 0)
        std::printf("  CPU per row    %.1f us\n", cpu / static_cast<double>(rows) * 1e6);
    std::printf("  peak resident  %.1f MB\n", usage.ru_maxrss / kKibPerMib);
    fs::remove_all(folder);
    return 0;
}
