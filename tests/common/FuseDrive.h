#pragma once

#include "common/TempFolder.h"

#include <cstdlib>
#include <string>

namespace orvane::test {

// A USB stick's file system in an image file, made and mounted through FUSE for one test
// (the kernel here may lack the file system) and unmounted when done. `why` says what
// refused it: a missing tool, or a mount the machine does not allow.
class FuseDrive {
public:
    enum class Kind { Fat, ExFat, Ntfs };

    FuseDrive(Kind kind, const std::string& image, const std::string& folder) : folder_(folder) {
        const auto [make, mount] = commandsFor(kind);
        std::filesystem::create_directories(folder);
        const auto tool = [](const std::string& command) {
            return command.substr(0, command.find(' '));
        };
        if (!run("command -v " + tool(make) + " && command -v " + tool(mount))) {
            why_ = make + " or " + mount + " is not installed";
        } else if (!run("truncate -s 32M '" + image + "' && " + make + " '" + image + "'")) {
            why_ = make + " failed";
        } else if (!run(mount + " '" + image + "' '" + folder + "'") &&
                   !(kind == Kind::ExFat && mountThroughLoop(mount, image))) {
            why_ = "the machine refused to mount " + image + " with " + mount;
        }
    }
    FuseDrive(const FuseDrive&) = delete;
    FuseDrive& operator=(const FuseDrive&) = delete;
    ~FuseDrive() {
        if (mounted()) {
            run("fusermount -u '" + folder_ + "' || umount '" + folder_ + "'");
        }
        if (!loop_.empty()) {
            run("losetup -d " + loop_);
        }
    }

    bool mounted() const { return why_.empty(); }
    const std::string& why() const { return why_; }

private:
    static std::pair<std::string, std::string> commandsFor(Kind kind) {
        switch (kind) {
        case Kind::Fat:
            return {"mkfs.vfat", "fusefat -o rw+"};
        case Kind::ExFat:
            return {"mkfs.exfat", "mount.exfat-fuse"};
        default:
            return {"mkfs.ntfs -F -Q", "ntfs-3g"};
        }
    }
    static bool run(const std::string& command) {
        return std::system(("(" + command + ") >/dev/null 2>&1").c_str()) == 0;
    }
    // exfat-fuse started by root asks for a block device: a loop device over the image.
    bool mountThroughLoop(const std::string& mount, const std::string& image) {
        const std::string device = folder_ + ".loop";
        if (!run("losetup -f --show '" + image + "' >'" + device + "'")) {
            return false;
        }
        loop_ = readFile(device);
        loop_.erase(loop_.find_last_not_of('\n') + 1);
        return run(mount + " " + loop_ + " '" + folder_ + "'");
    }

    std::string folder_;
    std::string loop_;
    std::string why_;
};

} // namespace orvane::test
