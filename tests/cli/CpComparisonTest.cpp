#include "common/ChildProcess.h"
#include "common/CopyFixtures.h"
#include "common/PosixFixtures.h"

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace orvane::test {
namespace {

constexpr uid_t kNobody = 65534;

// A POSIX ACL as the kernel stores it in system.posix_acl_*: version 2, then entries of tag,
// permissions and id (in 16-bit halves, as this little-endian machine stores them), sorted by
// tag. This one lets the user nobody read.
std::string aclGrantingNobody(std::uint16_t ownerBits) {
    const std::uint16_t words[] = {2,      0,      0x01, ownerBits, 0xffff, 0xffff, 0x02, 4,
                                   0xfffe, 0,      0x04, 4,         0xffff, 0xffff, 0x10, 4,
                                   0xffff, 0xffff, 0x20, 0,         0xffff, 0xffff};
    return std::string(reinterpret_cast<const char*>(words), sizeof words);
}

// Everything of an entry that `cp -a` keeps, its content aside (diff compares that), as a text.
std::string keptOf(const std::string& path) {
    struct stat info {};
    std::ostringstream kept;
    kept << (::lstat(path.c_str(), &info) == 0 ? "" : "missing, ");
    kept << "mode " << std::oct << info.st_mode << std::dec << ", owner " << info.st_uid << ":"
         << info.st_gid << ", modified " << info.st_mtim.tv_sec << "." << info.st_mtim.tv_nsec;
    if (!S_ISDIR(info.st_mode)) {
        kept << ", links " << info.st_nlink << ", blocks " << info.st_blocks;
    }
    char names[4096];
    std::map<std::string, std::string> attributes;
    const ssize_t length = ::llistxattr(path.c_str(), names, sizeof names);
    for (ssize_t at = 0; at < length; at += static_cast<ssize_t>(std::strlen(names + at)) + 1) {
        char value[4096];
        const ssize_t size = ::lgetxattr(path.c_str(), names + at, value, sizeof value);
        attributes[names + at] = std::string(value, size < 0 ? 0 : size);
    }
    return kept.str() + ", attributes " + testing::PrintToString(attributes);
}

// The tree of the report: what a user moving a home folder expects to find as it was.
class CpComparisonTest : public ::testing::Test, protected CliProgram {
protected:
    void SetUp() override {
        temp.write("tree/private/id_key", "secret");
        ::chmod((tree + "/private/id_key").c_str(), 0600);
        ::chmod((tree + "/private").c_str(), 0700);
        temp.write("tree/setuid-tool", "#!/bin/sh\n");
        temp.write("tree/notes.txt", "with an attribute");
        temp.write("tree/shared.txt", "with an ACL");
        temp.makeFolder("tree/inherits");
        temp.write("tree/hard/first", "one file, two names");
        std::filesystem::create_hard_link(tree + "/hard/first", tree + "/second-name");
        writeAll(tree + "/disk.img", "boot sector");
        std::filesystem::resize_file(tree + "/disk.img", 100 << 20); // all hole after the start
        std::filesystem::create_symlink("hard/first", tree + "/link");
        // Folder times last: every entry made inside a folder changes its time.
        temp.write("tree/old/letter.txt", "1999");
        const timespec old[2] = {{915148800, 0}, {915148800, 123456789}};
        ::utimensat(AT_FDCWD, (tree + "/old").c_str(), old, 0);
        ::utimensat(AT_FDCWD, (tree + "/old/letter.txt").c_str(), old, 0);
        // What the file system may refuse: another owner (the link's not its target's), a user
        // attribute, ACLs that let the user nobody read (one of them inherited).
        const std::string acl = aclGrantingNobody(6), inherited = aclGrantingNobody(7);
        if (::lchown((tree + "/link").c_str(), kNobody, kNobody) != 0 ||
            ::chown((tree + "/setuid-tool").c_str(), kNobody, kNobody) != 0 ||
            ::setxattr((tree + "/notes.txt").c_str(), "user.origin", "kept", 4, 0) != 0 ||
            ::setxattr((tree + "/shared.txt").c_str(), "system.posix_acl_access", acl.data(),
                       acl.size(), 0) != 0 ||
            ::setxattr((tree + "/inherits").c_str(), "system.posix_acl_default", inherited.data(),
                       inherited.size(), 0) != 0) {
            skipped = std::string("the file system cannot keep all of it: ") + std::strerror(errno);
        }
        ::chmod((tree + "/setuid-tool").c_str(), 04755);
        const std::string moving = temp.makeFolder("moving"); // the source of the move
        const std::string copies =
            "cp -a '" + tree + "' '" + expected + "' && cp -a '" + tree + "' '" + moving + "'";
        ASSERT_EQ(std::system(copies.c_str()), 0);
    }

    std::string tree = temp / "tree", expected = temp / "by-cp";
    std::string skipped;
};

// Each way of running keeps what cp -a keeps, and a move leaves no file behind.
TEST_F(CpComparisonTest, EveryModeKeepsWhatCpKeeps) {
    for (const std::string option : {"--survey", "--direct", "--move"}) {
        SCOPED_TRACE(option);
        const bool move = option == "--move";
        const std::string from = move ? temp / "moving/tree" : tree;
        const std::string into = temp.makeFolder(option.substr(2));
        ASSERT_EQ(option == "--survey" ? run({from, into}) : run({option, from, into}), 0)
            << errors;
        const std::string diff = "diff -r --no-dereference '" + expected + "' '" + into + "/tree'";
        EXPECT_EQ(std::system((diff + " >&2").c_str()), 0);
        EXPECT_EQ(keptOf(into + "/tree"), keptOf(expected));
        for (const auto& entry : std::filesystem::recursive_directory_iterator(expected)) {
            const std::string relative = entry.path().lexically_relative(expected).string();
            EXPECT_EQ(keptOf(into + "/tree/" + relative), keptOf(entry.path())) << relative;
        }
        const std::string left = "test -z \"$(find '" + from + "' ! -type d)\"";
        EXPECT_TRUE(!move || std::system(left.c_str()) == 0) << "a source file is left";
    }
    if (!skipped.empty()) {
        GTEST_SKIP() << "Those checks held, but " << skipped;
    }
}

// What a normal user cannot keep is no error: the copy becomes theirs, without the set-ID bit
// that would otherwise make it run as them where it ran as root.
TEST_F(CpComparisonTest, NormalUserGetsTheirOwnCopyWithoutSetIdBitsAndNoError) {
    if (::getuid() != 0 || !exists("/usr/sbin/runuser")) {
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
    ASSERT_EQ(run({"-u", "nobody", "--", program, temp / "plain", mine}, {}, "/usr/sbin/runuser"),
              0)
        << errors;
    EXPECT_TRUE(keptOf(mine + "/plain/tool").starts_with("mode 100755, owner 65534:"))
        << keptOf(mine + "/plain/tool");
}

} // namespace
} // namespace orvane::test
