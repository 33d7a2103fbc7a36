#include "engine/MoveStep.h"

#include "engine/FileOperations.h"
#include "platform/ErrorText.h"
#include "platform/FileCopy.h"
#include "platform/FileSystem.h"

namespace orvane {

namespace {

bool unchangedSince(const std::string& path, const platform::FileIdentity& before) {
    return platform::identityOf(path) == before;
}

// Why the source must stay, or nothing when it may go.
std::optional<std::string> reasonToKeep(const FilePair& pair,
                                        const platform::FileIdentity& sourceAsCopied,
                                        bool compareContents) {
    if (platform::sameFile(pair.source, pair.destination)) {
        return "the destination is the source itself";
    }
    // The copy of a sibling may replace such a destination at any later time, in this run or
    // the next, so it is no safe place for the only copy of the file.
    if (platform::isTemporaryName(LastPathPart(pair.destination))) {
        return "its destination has the name of a copy temporary";
    }
    if (compareContents) {
        const std::optional<bool> equal = platform::contentsEqual(pair.source, pair.destination);
        if (equal != true) {
            return equal ? "the destination holds other bytes"
                         : "the destination cannot be compared with it";
        }
        // A copied file was flushed before it took its name; a skipped one is flushed here,
        // as it may be the unflushed result of an earlier run.
        if (!platform::flushToDisk(pair.destination)) {
            return "the destination cannot be flushed to disk";
        }
    }
    if (!unchangedSince(pair.source, sourceAsCopied)) {
        return "it changed since it was copied";
    }
    return std::nullopt;
}

} // namespace

bool DeleteMovedSource(const RunContext& run, const FilePair& pair,
                       const platform::FileIdentity& sourceAsCopied, bool compareContents) {
    if (const auto reason = reasonToKeep(pair, sourceAsCopied, compareContents)) {
        run.reportProblem(pair.source, "source kept: " + *reason);
        return false;
    }
    platform::makeOwnerWritable(pair.source);
    if (const int error = platform::deleteFileError(pair.source); error != 0) {
        run.reportProblem(pair.source,
                          "source kept: cannot delete it: " + platform::errorText(error));
        return false;
    }
    run.addLog("Move is on, deleted the file " + LastPathPart(pair.source));
    ++run.state.outcome.sourcesDeleted;
    return true;
}

} // namespace orvane
