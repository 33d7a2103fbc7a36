#include "engine/MoveStep.h"

#include "platform/DestinationTree.h"
#include "platform/ErrorText.h"

#include <optional>

namespace orvane {

namespace {

// The same entry as the turn left it: read since (which moves no time that identity
// compares), but neither replaced nor changed, by another run or anyone else.
bool stillInPlace(const RunContext& run, const FilePair& pair,
                  const platform::FileIdentity& destination) {
    const auto now = platform::treeFileAt(run.inDestination(pair.destination));
    return now && now->identity == destination;
}

// Why the source must stay, or nothing when it may go.
// The source is its folder's entry `name`: the folder the run listed, held open.
std::optional<std::string> reasonToKeep(const RunContext& run, const FilePair& pair,
                                        const std::string& name, const MovedFile& moved,
                                        bool compareContents) {
    const platform::SourceFolder& folder = *pair.sourceFolder;
    const auto source = folder.identityOf(name);
    const auto destination = platform::identityOf(pair.destination);
    if (source && destination && source->device == destination->device &&
        source->inode == destination->inode) {
        return "the destination is the source itself";
    }
    if (compareContents) {
        const std::optional<bool> equal = folder.contentsEqual(name, pair.destination);
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
    if (folder.identityOf(name) != moved.sourceAsCopied) {
        return "it changed since it was copied";
    }
    return std::nullopt;
}

// Deletes the source; why it could not be deleted, or nothing when it was.
std::optional<std::string> deleteSource(const FilePair& pair, const std::string& name,
                                        const MovedFile& moved) {
    pair.sourceFolder->makeOwnerWritable(name);
    const auto error = pair.sourceFolder->deleteFile(name, pair.source, moved.sourceAsCopied);
    if (!error) {
        return std::nullopt;
    }
    return error.kind() == platform::ErrorKind::Changed
               ? "it changed since it was copied"
               : "cannot delete it: " + platform::errorText(error);
}

} // namespace

bool DeleteMovedSource(const RunContext& run, const FilePair& pair, const MovedFile& moved,
                       bool compareContents) {
    const std::string& name = pair.name;
    auto reason = reasonToKeep(run, pair, name, moved, compareContents);
    if (!reason) {
        reason = deleteSource(pair, name, moved);
    }
    if (!reason) {
        run.addLog("Move is on, deleted the file " + name);
        ++run.state.outcome.sourcesDeleted;
        return true;
    }
    // Another run moving the same source (or the user) deleted it while this turn looked: it
    // is not kept, and nothing of it was deleted here.
    if (pair.sourceFolder->lacks(name)) {
        run.reportProblem(pair.source, "source already gone: something else removed it after "
                                       "its turn");
        ++run.state.outcome.sourcesGone;
        return true;
    }
    run.reportProblem(pair.source, "source kept: " + *reason);
    return false;
}

} // namespace orvane
