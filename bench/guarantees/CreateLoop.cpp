// What the guarantees of placing a small file cost in the kernel, measured without the rest of
// the program: a loop that copies N files of 4 KiB into a fresh folder in each of these ways,
// interleaved round by round, and prints the median CPU time (user and system) of each, and its
// ratio to the unnamed copy that orvane-cli makes.
//
//   plain        open(O_CREAT | O_EXCL) under the real name, as cp -a does: a file cut short
//                keeps the real name
//   unnamed      O_TMPFILE, linkat of its descriptor under the real name when complete
//                (Orvane's way where the system lets it, as root)
//   unnamed/proc the same, linked through /proc/self/fd (Orvane's way for other users)
//   named        a hidden name made with O_EXCL, renameat2(RENAME_NOREPLACE) to the real
//                name when complete (Orvane's way where O_TMPFILE is missing)
//   unnamed+look the unnamed way with the looks the per-file step adds: the source at its turn
//                and the destination folder's path, each one newfstatat
//
// Usage: create-loop FOLDER [FILES] [ROUNDS]

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

double cpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

enum class Way { Plain, Unnamed, UnnamedThroughProc, Named, UnnamedWithLooks };
constexpr int kWays = 5;
constexpr const char* kNames[] = {"plain", "unnamed", "unnamed/proc", "named", "unnamed+look"};

bool placeOne(Way way, int folder, const std::string& folderPath, int source,
              const std::string& name) {
    struct stat info {};
    if (way == Way::UnnamedWithLooks &&
        (::fstatat(AT_FDCWD, folderPath.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 ||
         ::fstat(source, &info) != 0)) {
        return false;
    }
    const std::string hidden = "." + name + ".part";
    const int out =
        way == Way::Plain   ? ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644)
        : way == Way::Named ? ::openat(folder, hidden.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600)
                            : ::openat(folder, ".", O_TMPFILE | O_WRONLY, 0644);
    loff_t from = 0;
    bool placed = out >= 0 && ::copy_file_range(source, &from, out, nullptr, 4096, 0) == 4096;
    if (placed && way == Way::UnnamedThroughProc) {
        char self[32];
        std::snprintf(self, sizeof self, "/proc/self/fd/%d", out);
        placed = ::linkat(AT_FDCWD, self, folder, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
    } else if (placed && (way == Way::Unnamed || way == Way::UnnamedWithLooks)) {
        placed = ::linkat(out, "", folder, name.c_str(), AT_EMPTY_PATH) == 0;
    } else if (placed && way == Way::Named) {
        placed = ::renameat2(folder, hidden.c_str(), folder, name.c_str(), RENAME_NOREPLACE) == 0;
    }
    return out >= 0 && ::close(out) == 0 && placed;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: create-loop FOLDER [FILES] [ROUNDS]\n");
        return 64;
    }
    const std::filesystem::path root = argv[1];
    const int files = argc > 2 ? std::atoi(argv[2]) : 20000;
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 9;
    const std::string sourcePath = root / "source";
    std::vector<char> bytes(4096, 'x');
    const int source = ::open(sourcePath.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
    if (source < 0 || ::write(source, bytes.data(), bytes.size()) != 4096) {
        std::perror(sourcePath.c_str());
        return 1;
    }
    std::vector<std::vector<double>> times(kWays);
    std::mt19937 order(7);
    for (int round = 0; round <= rounds; ++round) {
        std::vector<int> ways{0, 1, 2, 3, 4};
        std::shuffle(ways.begin(), ways.end(), order);
        for (const int way : ways) {
            const std::filesystem::path folderPath = root / "out";
            std::filesystem::remove_all(folderPath);
            std::filesystem::create_directory(folderPath);
            ::sync();
            const int folder = ::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY);
            const double start = cpuSeconds();
            for (int file = 0; file < files; ++file) {
                if (!placeOne(static_cast<Way>(way), folder, folderPath, source,
                              "f" + std::to_string(file))) {
                    std::perror(kNames[way]);
                    return 1;
                }
            }
            const double used = cpuSeconds() - start;
            ::close(folder);
            if (round > 0) { // the first round warms the caches
                times[static_cast<std::size_t>(way)].push_back(used);
            }
        }
    }
    std::filesystem::remove_all(root / "out");
    ::close(source);
    std::filesystem::remove(sourcePath);
    std::vector<double> medians;
    for (auto& each : times) {
        std::sort(each.begin(), each.end());
        medians.push_back(each[each.size() / 2]);
    }
    std::printf("| way | CPU s for %d files | x unnamed |\n|---|---:|---:|\n", files);
    for (int way = 0; way < kWays; ++way) {
        std::printf("| %s | %.4f | %.2f |\n", kNames[way], medians[static_cast<std::size_t>(way)],
                    medians[static_cast<std::size_t>(way)] / medians[1]);
    }
}
