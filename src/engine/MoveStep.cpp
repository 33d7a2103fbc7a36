#include "engine/MoveStep.h"

#include "engine/FileOperations.h"
#include "platform/FileCopy.h"
#include "platform/FileSystem.h"

namespace orvane {

namespace {

bool unchangedSince(const std::string& path, const platform::FileIdentity& before) {
    return platform::identityOf(path) == before;
}

bool safeToDelete(const FilePair& pair, const platform::FileIdentity& sourceAsCopied,
                  bool compareContents) {
    if (platform::sameFile(pair.source, pair.destination)) {
        return false;
    }
    // The copy of a sibling may replace such a destination at any later time, in this run or
    // the next, so it is no safe place for the only copy of the file.
    if (platform::isTemporaryName(LastPathPart(pair.destination))) {
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
    return unchangedSince(pair.source, sourceAsCopied);
}

} // namespace

bool DeleteMovedSource(const RunContext& run, const FilePair& pair,
                       const platform::FileIdentity& sourceAsCopied, bool compareContents) {
    if (!safeToDelete(pair, sourceAsCopied, compareContents)) {
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
