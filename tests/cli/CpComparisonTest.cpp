#include "common/ChildProcess.h"
#include "common/CopyFixtures.h"
#include "common/TempFolder.h"

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <map>

namespace orvane::test {
namespace {

constexpr uid_t kNobody = 65534;
constexpr off_t kSparseSize = 100 << 20;

// A POSIX ACL as the kernel stores it in system.posix_acl_*: version 2, then entries of
// tag, permissions and id, sorted by tag. This one lets the user nobody read.
std::string aclGrantingNobody(std::uint16_t ownerBits) {
    struct Entry {
        std::uint16_t tag, perm;
        std::uint32_t id;
    };
    const std::array<Entry, 5> entries{{{0x01, ownerBits, ~0U},
                                        {0x02, 4, kNobody},
                                        {0x04, 4, ~0U},
                                        {0x10, 4, ~0U},
                                        {0x20, 0, ~0U}}};
    std::string bytes(4, '\0');
    bytes[0] = 2;
    for (const auto& entry : entries) {
        char raw[sizeof(Entry)];
        std::memcpy(raw, &entry, sizeof raw);
        bytes.append(raw, sizeof raw);
    }
    return bytes;
}

// Everything of an entry that `cp -a` keeps, its content aside (diff compares that).
struct Kept {
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
    std::int64_t modifiedNs = 0;
    nlink_t links = 0;
    blkcnt_t blocks = 0;
    std::map<std::string, std::string> attributes;
};

Kept keptOf(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        ADD_FAILURE() << path << " is missing";
        return {};
    }
    Kept kept{info.st_mode,
              info.st_uid,
              info.st_gid,
              info.st_mtim.tv_sec * std::int64_t{1000000000} + info.st_mtim.tv_nsec,
              S_ISDIR(info.st_mode) ? 0 : info.st_nlink,
              S_ISREG(info.st_mode) ? info.st_blocks : 0,
              {}};
    char names[4096];
    const ssize_t length = ::llistxattr(path.c_str(), names, sizeof names);
    for (ssize_t at = 0; at < length; at += static_cast<ssize_t>(std::strlen(names + at)) + 1) {
        char value[4096];
        const ssize_t size = ::lgetxattr(path.c_str(), names + at, value, sizeof value);
        kept.attributes[names + at] = std::string(value, size < 0 ? 0 : size);
    }
    return kept;
}

// The tree of the report: what a user moving a home folder expects to find as it was.
class CpComparisonTest : public ::testing::Test, protected CliProgram {
protected:
    void SetUp() override {
        temp.write("tree/private/id_key", "secret");
        ::chmod((tree + "/private/id_key").c_str(), 0600);
        ::chmod((tree + "/private").c_str(), 0700);
        temp.write("tree/setuid-tool", "#!/bin/sh\n");
        if (::chown((tree + "/setuid-tool").c_str(), kNobody, kNobody) != 0) {
            cannot("give a file to another user", errno);
        }
        ::chmod((tree + "/setuid-tool").c_str(), 04755);
        temp.write("tree/notes.txt", "with an attribute");
        if (::setxattr((tree + "/notes.txt").c_str(), "user.origin", "kept", 4, 0) != 0) {
            cannot("hold user attributes", errno);
        }
        temp.write("tree/shared.txt", "with an ACL");
        temp.makeFolder("tree/inherits");
        if (setAcl("/shared.txt", "system.posix_acl_access", 6) != 0 ||
            setAcl("/inherits", "system.posix_acl_default", 7) != 0) {
            cannot("hold ACLs", errno);
        }
        temp.write("tree/hard/first", "one file, two names");
        std::filesystem::create_hard_link(tree + "/hard/first", tree + "/second-name");
        makeSparse(tree + "/disk.img");
        std::filesystem::create_symlink("hard/first", tree + "/link");
        if (::lchown((tree + "/link").c_str(), kNobody, kNobody) != 0) { // not its target's
            cannot("give a link to another user", errno);
        }
        // Folder times last: every entry made inside a folder changes its time.
        temp.write("tree/old/letter.txt", "1999");
        const timespec old[2] = {{915148800, 0}, {915148800, 123456789}};
        ::utimensat(AT_FDCWD, (tree + "/old").c_str(), old, 0);
        ::utimensat(AT_FDCWD, (tree + "/old/letter.txt").c_str(), old, 0);
        ASSERT_EQ(std::system(("cp -a '" + tree + "' '" + expected + "'").c_str()), 0);
    }

    void cannot(const std::string& what, int error) {
        skipped += "the file system cannot " + what + " (" + std::strerror(error) + "); ";
    }
    int setAcl(const std::string& entry, const char* name, std::uint16_t ownerBits) const {
        const std::string acl = aclGrantingNobody(ownerBits);
        return ::setxattr((tree + entry).c_str(), name, acl.data(), acl.size(), 0);
    }
    void makeSparse(const std::string& path) {
        writeAll(path, "boot sector");
        std::filesystem::resize_file(path, kSparseSize);
        {
            std::fstream(path, std::ios::in | std::ios::out | std::ios::binary)
                    .seekp(kSparseSize / 2)
                << "middle";
        }
        struct stat info {};
        ::stat(path.c_str(), &info);
        if (info.st_blocks * 512 >= kSparseSize) {
            skipped += "the file system cannot hold holes; ";
        }
    }

    // The copy against `cp -a`'s: names and bytes, then what each entry keeps.
    void expectSameAsCp(const std::string& copy) {
        const std::string diff = "diff -r --no-dereference '" + expected + "' '" + copy + "' >&2";
        EXPECT_EQ(std::system(diff.c_str()), 0);
        for (const auto& entry : std::filesystem::recursive_directory_iterator(expected)) {
            const std::string relative = entry.path().lexically_relative(expected).string();
            SCOPED_TRACE(relative);
            const Kept want = keptOf(entry.path().string());
            const Kept got = keptOf(copy + "/" + relative);
            EXPECT_EQ(got.mode, want.mode) << std::oct << got.mode << " instead of " << want.mode;
            EXPECT_EQ(got.owner, want.owner);
            EXPECT_EQ(got.group, want.group);
            EXPECT_EQ(got.modifiedNs, want.modifiedNs);
            EXPECT_EQ(got.links, want.links);
            EXPECT_EQ(got.blocks, want.blocks);
            EXPECT_EQ(got.attributes, want.attributes);
        }
        const Kept top = keptOf(copy);
        EXPECT_EQ(top.mode, keptOf(expected).mode);
        EXPECT_EQ(top.modifiedNs, keptOf(expected).modifiedNs);
    }

    std::string tree = temp / "tree", expected = temp / "by-cp";
    std::string skipped;
};

// Each way of running keeps what cp -a keeps, and a move leaves no file behind.
TEST_F(CpComparisonTest, EveryModeKeepsWhatCpKeeps) {
    for (const std::string option : {"--survey", "--direct", "--move"}) {
        SCOPED_TRACE(option);
        const bool move = option == "--move";
        const std::string from = move ? temp.makeFolder("moving") + "/tree" : tree;
        if (move) {
            ASSERT_EQ(std::system(("cp -a '" + tree + "' '" + from + "'").c_str()), 0);
        }
        const std::string into = temp.makeFolder(option.substr(2));
        ASSERT_EQ(option == "--survey" ? run({from, into}) : run({option, from, into}), 0)
            << errors;
        expectSameAsCp(into + "/tree");
        const auto left = std::filesystem::recursive_directory_iterator(from);
        EXPECT_TRUE(!move || std::all_of(begin(left), end(left), [](const auto& entry) {
            return entry.is_directory() && !entry.is_symlink();
        })) << "a source file is left";
    }
    if (!skipped.empty()) {
        GTEST_SKIP() << "Those checks held, but some of the tree could not be made: " << skipped;
    }
}

// What a normal user cannot keep is no error: the copy becomes theirs, without the set-ID bit
// that would otherwise make it run as them where it ran as root.
TEST_F(CpComparisonTest, NormalUserGetsTheirOwnCopyWithoutSetIdBitsAndNoError) {
    const char* runuser = "/usr/sbin/runuser";
    if (::getuid() != 0 || ::access(runuser, X_OK) != 0) {
        GTEST_SKIP() << "needs root and runuser to act as another user";
    }
    temp.write("plain/tool", "#!/bin/sh\n");
    ::chmod((temp / "plain/tool").c_str(), 04755);
    const std::string mine = temp.makeFolder("mine");
    for (const std::string& path : {temp.path(), temp / "bin", mine}) {
        ::chmod(path.c_str(), 0755);
    }
    ASSERT_EQ(::chown((temp / "bin").c_str(), kNobody, kNobody) +
                  ::chown(mine.c_str(), kNobody, kNobody),
              0);
    ASSERT_EQ(run({"-u", "nobody", "--", program, temp / "plain", mine}, {}, runuser), 0) << errors;
    const Kept tool = keptOf(mine + "/plain/tool");
    EXPECT_EQ(tool.mode, S_IFREG | 0755);
    EXPECT_EQ(tool.owner, kNobody);
    EXPECT_EQ(keptOf(mine + "/plain").mode, keptOf(temp / "plain").mode);
    EXPECT_EQ(keptOf(mine + "/plain").modifiedNs, keptOf(temp / "plain").modifiedNs);
}

} // namespace
} // namespace orvane::test
