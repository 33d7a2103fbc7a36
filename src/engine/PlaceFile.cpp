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

// The copy step's result, and whether its source may go in move mode.
struct Turn {
    bool copied = false;
    std::optional<platform::FileIdentity> sourceAsCopied;
};

Turn copyAndCount(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber) {
    const CopyResult result = CopyOneFile(run, pair, FileNumber, run.window.mnuOptMove.checked());
    return {result.outcome == CopyOutcome::Copied, result.sourceAsCopied};
}

} // namespace

Placement PlaceFile(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber,
                    const std::string& displayedName) {
    showCurrentFile(run, pair, displayedName);
    const std::string destinationName = LastPathPart(pair.destination);
    const std::optional<platform::FileIdentity> source = platform::identityOf(pair.source);
    Placement placed;
    Turn turn;
    if (!source) {
        // The source went away since it was listed: its destination, if any, stays untouched.
        logNumbered(run, FileNumber, "File " + destinationName + " reported err: 0");
        ++run.state.outcome.filesFailed;
        return placed;
    }
    if (FileExists(pair.destination)) {
        const std::int64_t destinationSize = platform::fileSize(pair.destination).value_or(-1);
        if (destinationSize != source->size) {
            logNumbered(run, FileNumber,
                        "File " + destinationName +
                            " allready there, filesize wrong, deleted and recopied");
            RemoveFile(pair.destination);
            turn = copyAndCount(run, pair, FileNumber);
            run.state.outcome.filesRecopied += turn.copied ? 1 : 0;
        } else {
            logNumbered(run, FileNumber,
                        "File " + destinationName + " skipped, allready there, filesize ok");
            ++run.state.outcome.filesSkipped;
            placed = {true, destinationSize};
            turn = {true, source};
        }
    } else {
        turn = copyAndCount(run, pair, FileNumber);
    }
    if (run.window.mnuOptMove.checked() && turn.copied && turn.sourceAsCopied) {
        DeleteMovedSource(run, pair, *turn.sourceAsCopied, placed.skipped);
    }
    return placed;
}

} // namespace orvane
