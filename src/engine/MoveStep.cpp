#include "engine/MoveStep.h"

#include "engine/FileOperations.h"
#include "platform/DestinationTree.h"
#include "platform/ErrorText.h"
#include "platform/FileSystem.h"

#include <optional>

namespace orvane {

namespace {

bool unchangedSince(const std::string& path, const platform::FileIdentity& before) {
    return platform::identityOf(path) == before;
}

// The same entry as the turn left it: read since (which moves no time that identity
// compares), but neither replaced nor changed, by another run or anyone else.
bool stillInPlace(const RunContext& run, const FilePair& pair,
                  const platform::FileIdentity& destination) {
    const auto now = platform::treeFileAt(run.inDestination(pair.destination));
    return now && now->identity == destination;
}

// Why the source must stay, or nothing when it may go.
std::optional<std::string> reasonToKeep(const RunContext& run, const FilePair& pair,
                                        const MovedFile& moved, bool compareContents) {
    if (platform::sameFile(pair.source, pair.destination)) {
        return "the destination is the source itself";
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
    if (!stillInPlace(run, pair, moved.destination)) {
        return "the destination was replaced or changed since its turn";
    }
    if (!unchangedSince(pair.source, moved.sourceAsCopied)) {
        return "it changed since it was copied";
    }
    return std::nullopt;
}

} // namespace

bool DeleteMovedSource(const RunContext& run, const FilePair& pair, const MovedFile& moved,
                       bool compareContents) {
    if (const auto reason = reasonToKeep(run, pair, moved, compareContents)) {
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
