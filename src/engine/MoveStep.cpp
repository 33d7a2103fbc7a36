#include "engine/MoveStep.h"

#include "engine/FileOperations.h"
#include "platform/DestinationTree.h"
#include "platform/FileSystem.h"

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

bool safeToDelete(const RunContext& run, const FilePair& pair, const MovedFile& moved,
                  bool compareContents) {
    if (platform::sameFile(pair.source, pair.destination)) {
        return false;
    }
    if (compareContents && platform::contentsEqual(pair.source, pair.destination) != true) {
        return false;
    }
    // A copied file was flushed before it took its name; a skipped one is flushed here, as
    // it may be the unflushed result of an earlier run.
    if (compareContents && !platform::flushToDisk(pair.destination)) {
        return false;
    }
    return stillInPlace(run, pair, moved.destination) &&
           unchangedSince(pair.source, moved.sourceAsCopied);
}

} // namespace

bool DeleteMovedSource(const RunContext& run, const FilePair& pair, const MovedFile& moved,
                       bool compareContents) {
    if (!safeToDelete(run, pair, moved, compareContents)) {
        return false;
    }
    platform::makeOwnerWritable(pair.source);
    if (!platform::deleteFile(pair.source)) {
        return false;
    }
    run.addLog("Move is on, deleted the file " + LastPathPart(pair.source));
    ++run.state.outcome.sourcesDeleted;
    return true;
}

} // namespace orvane
