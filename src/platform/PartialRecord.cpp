#include "platform/PartialRecord.h"

#include "platform/TextHash.h"

#include <algorithm>
#include <cstdio>

namespace orvane::platform {

namespace {

constexpr const char* kPartialMark = ".orvane-resume";
constexpr const char* kRecordMark = "-record";
// The second version added the source's folder and status change time; a record of the first
// proves neither, and is left alone as a user's file would be.
constexpr std::string_view kRecordTitle = "orvane partial copy 2\n";

std::string factsLine(const FolderIdentity& folder, const FileIdentity& source, std::int64_t length,
                      std::int64_t flushed) {
    std::string line;
    for (const auto number :
         {static_cast<std::int64_t>(folder.device), static_cast<std::int64_t>(folder.inode),
          static_cast<std::int64_t>(source.device), static_cast<std::int64_t>(source.inode),
          source.size, source.modifiedNs, source.changedNs, length, flushed}) {
        if (!line.empty()) {
            line += ' ';
        }
        line += std::to_string(number);
    }
    return line;
}

std::string checkLine(std::string_view facts) {
    return std::to_string(textHash(std::string(kRecordTitle) + std::string(facts)));
}

} // namespace

std::string partialNameOf(const std::string& destinationName) {
    return "." + destinationName + kPartialMark;
}

std::string recordNameOf(const std::string& destinationName) {
    return partialNameOf(destinationName) + kRecordMark;
}

std::string recordedName(const std::string& name) {
    static const std::string tail = std::string(kPartialMark) + kRecordMark;
    if (name.size() <= tail.size() + 1 || name.front() != '.' || !name.ends_with(tail)) {
        return {};
    }
    return name.substr(1, name.size() - tail.size() - 1);
}

std::string partialRecordText(const FolderIdentity& folder, const FileIdentity& source,
                              std::int64_t length, std::int64_t flushed) {
    const std::string facts = factsLine(folder, source, length, flushed);
    std::string text = std::string(kRecordTitle) + facts + "\n" + checkLine(facts) + "\n";
    text.resize(std::max(text.size(), kPartialRecordBytes), ' ');
    return text;
}

PartialRecord parsePartialRecord(std::string_view text) {
    PartialRecord record;
    if (!text.starts_with(kRecordTitle)) {
        return record;
    }
    record.kind = PartialRecord::Kind::Torn;
    const auto factsEnd = text.find('\n', kRecordTitle.size());
    if (factsEnd == std::string_view::npos) {
        return record;
    }
    const std::string facts(text.substr(kRecordTitle.size(), factsEnd - kRecordTitle.size()));
    const std::string check = checkLine(facts) + "\n";
    const std::string_view rest = text.substr(factsEnd + 1);
    if (!rest.starts_with(check) ||
        rest.find_first_not_of(' ', check.size()) != std::string_view::npos) {
        return record;
    }
    long long numbers[9] = {};
    if (std::sscanf(facts.c_str(), "%lld %lld %lld %lld %lld %lld %lld %lld %lld", &numbers[0],
                    &numbers[1], &numbers[2], &numbers[3], &numbers[4], &numbers[5], &numbers[6],
                    &numbers[7], &numbers[8]) != 9) {
        return record;
    }
    const auto unsignedAt = [&numbers](int at) { return static_cast<std::uint64_t>(numbers[at]); };
    PartialRecord whole;
    whole.kind = PartialRecord::Kind::Whole;
    whole.folder = {unsignedAt(0), unsignedAt(1)};
    whole.source.device = unsignedAt(2);
    whole.source.inode = unsignedAt(3);
    whole.source.size = numbers[4];
    whole.source.modifiedNs = numbers[5];
    whole.source.changedNs = numbers[6];
    whole.length = numbers[7];
    whole.flushed = numbers[8];
    if (whole.length < 0 || whole.length > whole.source.size || whole.flushed < 0 ||
        whole.flushed > whole.length) {
        return record;
    }
    return whole;
}

} // namespace orvane::platform
