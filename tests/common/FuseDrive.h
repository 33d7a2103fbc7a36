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
        const std::string make[] = {"mkfs.vfat", "mkfs.exfat", "mkfs.ntfs -F -Q"};
        // fusefat renames a file deleted before the kernel has told it of the file's last close
        // to .fuse_hidden* until then; when the two cross, the hidden file stays for good and
        // a listing finds one file too many. The test wants the deletion the user asked for.
        // Its attributes are not cached: what fusefat stamps on its own (a rename restamps the
        // write time) then shows at once, not only when the kernel's second has run out.
        const std::string mount[] = {"fusefat -o rw+,hard_remove,attr_timeout=0",
                                     "mount.exfat-fuse", "ntfs-3g"};
        const auto k = static_cast<int>(kind);
        std::filesystem::create_directories(folder);
        if (!run("truncate -s 32M '" + image + "' && " + make[k] + " '" + image + "'")) {
            why_ = make[k] + " failed or is not installed";
        } else if (!run(mount[k] + " '" + image + "' '" + folder + "'") &&
                   !(kind == Kind::ExFat && mountThroughLoop(mount[k], image))) {
            why_ = "the machine refused to mount " + image + " with " + mount[k];
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
