#include "engine/PlaceFile.h"

#include "engine/CopyOneFile.h"
#include "engine/FileOperations.h"
#include "engine/MoveStep.h"
#include "platform/FileSystem.h"

namespace orvane {

namespace {

void showCurrentFile(const RunContext& run, const FilePair& pair, const std::string& name) {
    run.window.lblInfo[1].setCaption("Copying file " + name +
                                     "\r\nFrom: " + run.paths.folderPart(pair.source) +
                                     "\r\nTo: " + run.paths.folderPart(pair.destination));
}

void logNumbered(const RunContext& run, std::int32_t& FileNumber, const std::string& text) {
    ++FileNumber;
    run.addLog(std::to_string(FileNumber) + ". " + text);
}

// Whether the source may go in move mode after its turn, and as what it was copied.
struct Turn {
    bool done = false;
    std::optional<platform::FileIdentity> sourceAsCopied;
};

Turn copyFile(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber,
              const platform::FileIdentity& source, bool afterRemoval) {
    const bool move = run.window.mnuOptMove.checked();
    const CopyResult result = CopyOneFile(run, pair, FileNumber, {source.size, move, afterRemoval});
    if (move && result.outcome == CopyOutcome::SourceChanged) {
        // Placed and logged as copied, so nothing else tells the user why the source stays.
        run.reportProblem(pair.source, "source kept: it changed while it was copied");
    }
    return {result.outcome == CopyOutcome::Copied, result.sourceAsCopied};
}

// A destination that is already there: skipped when its size is the source's, otherwise
// deleted and copied again.
Turn placeOverExisting(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber,
                       const platform::FileIdentity& source, std::int64_t destinationSize,
                       Placement& placed) {
    const std::string name = LastPathPart(pair.destination);
    if (destinationSize != source.size) {
        logNumbered(run, FileNumber,
                    "File " + name + " allready there, filesize wrong, deleted and recopied");
        RemoveFile(pair.destination);
        const Turn turn = copyFile(run, pair, FileNumber, source, true);
        run.state.outcome.filesRecopied += turn.done ? 1 : 0;
        return turn;
    }
    logNumbered(run, FileNumber, "File " + name + " skipped, allready there, filesize ok");
    ++run.state.outcome.filesSkipped;
    placed = {true, destinationSize};
    return {true, source};
}

// A turn that did not end with its source deleted leaves the file not moved. A copy that did
// not complete has already told why; the move step tells why it kept any other.
void applyMove(const RunContext& run, const FilePair& pair, const Turn& turn, bool skipped) {
    if (turn.done && !turn.sourceAsCopied) {
        run.reportProblem(pair.source, "source kept: it cannot be examined");
    }
    const bool moved = turn.done && turn.sourceAsCopied &&
                       DeleteMovedSource(run, pair, *turn.sourceAsCopied, skipped);
    if (!moved) {
        ++run.state.outcome.sourcesKept;
    }
}

} // namespace

Placement PlaceFile(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber,
                    const std::string& displayedName) {
    showCurrentFile(run, pair, displayedName);
    Placement placed;
    const std::optional<platform::FileIdentity> source = platform::identityOf(pair.source);
    if (!source) {
        // The source went away since it was listed: its destination, if any, stays untouched.
        logNumbered(run, FileNumber, "File " + LastPathPart(pair.destination) + " reported err: 0");
        ++run.state.outcome.filesFailed;
        run.reportProblem(pair.source, "not copied: the source cannot be examined any more");
        return placed;
    }
    const std::optional<std::int64_t> destinationSize = platform::presentFileSize(pair.destination);
    const Turn turn = destinationSize ? placeOverExisting(run, pair, FileNumber, *source,
                                                          *destinationSize, placed)
                                      : copyFile(run, pair, FileNumber, *source, false);
    if (run.window.mnuOptMove.checked()) {
        applyMove(run, pair, turn, placed.skipped);
    }
    return placed;
}

} // namespace orvane
