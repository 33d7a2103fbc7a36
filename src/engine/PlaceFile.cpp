#include "engine/PlaceFile.h"

#include "engine/CopyOneFile.h"
#include "engine/MoveStep.h"
#include "support/DecimalText.h"
#include "support/ShownText.h"

namespace orvane {

namespace {

// The caption's lines that name the pair's folders. The files of a folder follow each other,
// so the lines are escaped once per folder and kept: the same folders give the same lines.
std::string_view folderLines(const FilePair& pair) {
    thread_local std::string source, destination, lines;
    if (pair.sourceFolderPart() != source || pair.destinationFolderPart() != destination) {
        source.assign(pair.sourceFolderPart());
        destination.assign(pair.destinationFolderPart());
        lines.assign("\r\nFrom: ");
        AppendShownText(lines, source);
        lines += "\r\nTo: ";
        AppendShownText(lines, destination);
    }
    return lines;
}

void showCurrentFile(const RunContext& run, const FilePair& pair, std::string_view name) {
    // The caption's own line breaks stay; those in the names are shown escaped.
    run.window.lblInfo[1].composeCaption([&](std::string& caption) {
        caption += "Copying file ";
        AppendShownText(caption, name);
        caption += folderLines(pair);
    });
}

// The numbered line "N. File NAME" and what follows the name.
void logNumbered(const RunContext& run, std::int32_t& FileNumber, const FilePair& pair,
                 std::string_view after) {
    ++FileNumber;
    run.log.AddComposedEntry([&](std::string& line) {
        AppendDecimal(line, FileNumber);
        line += ". File ";
        line += pair.name;
        line += after;
    });
}

// Whether the source may go in move mode after its turn, and what the move step checks first.
struct Turn {
    bool done = false;
    std::optional<platform::FileIdentity> sourceAsCopied;
    // The destination as this turn left it: the copy it placed, or the file it skipped.
    std::optional<platform::FileIdentity> destination;
    // Whether the destination's bytes must be compared with the source's before a move
    // deletes the source: a skipped file was never read, a continued copy only in part.
    bool unproven = false;
};

Turn copyFile(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber,
              const platform::FileIdentity& source,
              const std::optional<platform::TreeFile>& replaces) {
    const CopyResult result = CopyOneFile(
        run, pair, FileNumber,
        {source.size, run.window.mnuOptMove.checked(), replaces, source.spaceNeeded, source.kind});
    return {result.outcome == CopyOutcome::Copied, result.sourceAsCopied, result.placed,
            result.continued};
}

// Only an entry of the source's kind (a file for a file, a link for a link) can be its
// copy; a link, FIFO, socket or device of the same size in a file's place is not.
bool allreadyThere(const platform::FileIdentity& source, const platform::FileIdentity& existing) {
    return source.kind != platform::EntryKind::Other && existing.kind == source.kind &&
           existing.size == source.size;
}

// A destination that is already there: skipped when it is the source's copy by kind and size,
// otherwise copied again. The old version stays until the new one is complete and takes its
// place.
Turn placeOverExisting(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber,
                       const platform::FileIdentity& source, const platform::TreeFile& existing,
                       Placement& placed) {
    if (!allreadyThere(source, existing.identity)) {
        logNumbered(run, FileNumber, pair, " allready there, filesize wrong, deleted and recopied");
        const Turn turn = copyFile(run, pair, FileNumber, source, existing);
        run.state.outcome.filesRecopied += turn.done ? 1 : 0;
        return turn;
    }
    logNumbered(run, FileNumber, pair, " skipped, allready there, filesize ok");
    ++run.state.outcome.filesSkipped;
    placed = {true, existing.identity.size};
    return {true, source, existing.identity, true};
}

// An entry the destination's file system finds under this name but holds under another
// spelling (`Notes.txt` for `notes.txt` on FAT) belongs to another source, or to the user:
// neither skipped against nor replaced, so no file's data ends up nowhere.
Turn refuseOtherSpelling(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber) {
    logNumbered(run, FileNumber, pair, " reported err: 0");
    ++run.state.outcome.filesFailed;
    run.reportProblem(pair.source,
                      "not copied: the destination holds an entry under another spelling of "
                      "this name");
    return {};
}

// A turn that did not end with its source deleted leaves the file not moved. A copy that did
// not complete has already told why; the move step tells why it kept any other.
void applyMove(const RunContext& run, const FilePair& pair, const Turn& turn) {
    const bool known = turn.sourceAsCopied && turn.destination;
    if (turn.done && !known) {
        run.reportProblem(pair.source, "source kept: it or its copy cannot be examined");
    }
    const bool moved =
        turn.done && known &&
        DeleteMovedSource(run, pair, {*turn.sourceAsCopied, *turn.destination}, turn.unproven);
    // A source that something else removed meanwhile (another move of it, say) is not kept:
    // a copy that failed for want of it has counted as failed already.
    const bool gone = !turn.done && pair.sourceFolder->lacks(pair.name);
    if (!moved && !gone) {
        ++run.state.outcome.sourcesKept;
    }
}

} // namespace

Placement PlaceFile(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber,
                    std::string_view displayedName) {
    showCurrentFile(run, pair, displayedName);
    Placement placed;
    const std::optional<platform::FileIdentity> source =
        pair.sourceFolder ? pair.sourceFolder->identityOf(pair.name) : std::nullopt;
    if (!source) {
        // The source went away since it was listed, or its folder did: its destination, if
        // any, stays untouched.
        logNumbered(run, FileNumber, pair, " reported err: 0");
        ++run.state.outcome.filesFailed;
        run.reportProblem(pair.source, !pair.sourceFolder
                                           ? "not copied: its folder is not the one listed"
                                       : pair.sourceFolder->lacks(pair.name)
                                           ? "not copied: it is gone since it was listed"
                                           : "not copied: the source cannot be examined any more");
        return placed;
    }
    const std::optional<platform::TreeFile> existing =
        platform::treeFileAt(run.inDestination(pair.destination));
    const Turn turn =
        !existing ? copyFile(run, pair, FileNumber, *source, std::nullopt)
        : !run.state.destinationNames.holdsExactly(run.inDestination(pair.destination))
            ? refuseOtherSpelling(run, pair, FileNumber)
            : placeOverExisting(run, pair, FileNumber, *source, *existing, placed);
    if (run.window.mnuOptMove.checked()) {
        applyMove(run, pair, turn);
    }
    return placed;
}

} // namespace orvane
