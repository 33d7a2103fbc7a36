#include "engine/CopyOneFile.h"

#include "engine/CopyProgress.h"
#include "platform/ErrorText.h"
#include "platform/FileCopy.h"
#include "platform/TickCount.h"
#include "support/ValueFormat.h"

#include <functional>

namespace orvane {

namespace {

// A size in a log line; one beyond the amount's range reads as the largest amount.
std::string sizeText(const RunContext& run, std::int64_t bytes) {
    bool saturated = false;
    return FormatSize(Amount::fromValueSaturated(bytes, saturated), run.decimalSeparator);
}

CopyResult refuseForSpace(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber,
                          const CopyRequest& request, const std::string& drive,
                          std::int64_t freeBytes) {
    ++FileNumber;
    run.addLog(std::to_string(FileNumber) + ". Cannot copy: " + pair.source + " [" +
               sizeText(run, request.sourceSize) + " ] not enough space on drive: " + drive + " [" +
               sizeText(run, freeBytes) + " ]");
    ++run.state.outcome.filesRefusedForSpace;
    run.reportProblem(pair.source, "not copied: not enough space on " + drive + ": it needs " +
                                       sizeText(run, request.spaceNeeded) + ", " +
                                       sizeText(run, freeBytes) + " free");
    return {CopyOutcome::NotEnoughSpace, std::nullopt, std::nullopt};
}

// The log line of a failed copy keeps its fixed "reported err: 0"; this is what the user is
// told beside it.
std::string whyNotCopied(const platform::CopyResult& copy) {
    switch (copy.outcome) {
    case platform::CopyOutcome::Cancelled:
        return "a pause abandoned its copy";
    case platform::CopyOutcome::SpecialFile:
        return "a FIFO, socket or device node is not copied";
    case platform::CopyOutcome::SourceChanged:
        return "it kept changing while it was copied";
    case platform::CopyOutcome::FolderInTheWay:
        return "a folder stands in its place";
    default:
        return copy.error.kind() == platform::ErrorKind::Exists
                   ? "another entry took the destination's place meanwhile"
                   : platform::errorText(copy.error);
    }
}

CopyResult logCopyOutcome(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber,
                          const platform::CopyResult& copy, std::uint32_t startTick) {
    const std::string& name = pair.name;
    // A stop is reported as such even when it came during the last report of a file whose
    // copy then completed: the user asked for it, and its source must stay.
    if (run.state.RunControl == run_control::stop) {
        run.addLog("File " + name + " Canceled");
        ++run.state.outcome.filesCancelled;
        return {CopyOutcome::Cancelled, copy.source, std::nullopt};
    }
    if (!copy.succeeded()) {
        ++FileNumber;
        run.addLog(std::to_string(FileNumber) + ". File " + name + " reported err: 0");
        ++(copy.outcome == platform::CopyOutcome::Cancelled ? run.state.outcome.filesCancelled
                                                            : run.state.outcome.filesFailed);
        run.reportProblem(pair.source, "not copied: " + whyNotCopied(copy));
        return {CopyOutcome::Failed, copy.source, std::nullopt};
    }
    const std::uint32_t elapsed = platform::tickCount() - startTick;
    run.log.AddComposedEntry([&](std::string& line) {
        line += "File ";
        line += name;
        line += " copied in ";
        AppendDuration(line, static_cast<std::int32_t>(elapsed), false, false, true, true);
        line += " [";
        bool saturated = false;
        AppendSize(line, Amount::fromValueSaturated(copy.copied, saturated), run.decimalSeparator);
        line += ']';
    });
    ++run.state.outcome.filesCopied;
    return {CopyOutcome::Copied, copy.source, copy.placed, copy.continuedFrom > 0};
}

// An attempt abandoned because its source changed gives its reported bytes back to the
// to-do total: the next attempt reports them again from 0.
void takeBackAttempt(const RunContext& run) {
    run.state.CTotalFileSize += run.state.CLastTransferred;
    run.state.CTotalFileSizetrans -= run.state.CLastTransferred;
    run.state.CLastTransferred = Amount{};
}

// The survey counted a file by the size it states, but a file is copied to its end, and a
// pseudo file (below /proc or /sys) holds more or fewer bytes than it states. The list run's
// totals follow the file's total as the copy reports it: the difference goes to the to-do
// total and the survey's total, so that the file takes exactly its count out of the to-do
// total and the done total gains what was copied. In direct mode the to-do total counts the
// copied bytes down from 0 and needs nothing.
class FileTotal {
public:
    FileTotal(const RunContext& run, std::int64_t counted) : run_(run), total_(counted) {}

    void follow(const platform::CopyReport& report) {
        const std::int64_t difference = report.totalSize - total_;
        total_ = report.totalSize;
        if (difference == 0 || !run_.state.ListCopyActive) {
            return;
        }
        bool saturated = false;
        run_.state.CTotalFileSize =
            run_.state.CTotalFileSize.plusSaturated(Amount::fromRaw(difference), saturated);
        run_.state.CTotalFileSizeStart =
            run_.state.CTotalFileSizeStart.plusSaturated(Amount::fromRaw(difference), saturated);
    }

private:
    const RunContext& run_;
    std::int64_t total_;
};

// What the copy reports goes to the totals, the resumed-copy listener and the file bar.
class CopyReporter {
public:
    CopyReporter(const RunContext& run, const FilePair& pair, std::int64_t counted)
        : run_(run), pair_(pair), total_(run, counted) {}

    void operator()(const platform::CopyReport& report) {
        total_.follow(report);
        if (report.reason == platform::CopyReason::Resumed) {
            run_.reportResumed(pair_.source, report.transferred, report.totalSize);
        }
        CopyProgress(run_, report);
    }

private:
    const RunContext& run_;
    const FilePair& pair_;
    FileTotal total_;
};

platform::CopyResult copyUntilSettled(const RunContext& run, const FilePair& pair,
                                      const CopyRequest& request) {
    CopyReporter reporter(run, pair, request.sourceSize);
    // Held by reference: the routine costs no allocation per file.
    const platform::CopyProgress progress = std::ref(reporter);
    const platform::CopyOptions options{request.durable,
                                        run.window.txtDestination.caption(),
                                        request.replaces ? std::optional(request.replaces->identity)
                                                         : std::nullopt,
                                        &run.state.hardLinks,
                                        &run.state.programEnding,
                                        pair.sourceFolder,
                                        request.sourceKind,
                                        &run.state.destinationFolders};
    for (int attempt = 1;; ++attempt) {
        platform::CopyResult copy = platform::copyFileWithProgress(
            pair.source, pair.destination, progress, run.state.RunControl, options);
        if (copy.outcome != platform::CopyOutcome::SourceChanged || attempt == kCopyAttempts ||
            run.stopOrPauseRequested()) {
            return copy;
        }
        takeBackAttempt(run);
    }
}

} // namespace

CopyResult CopyOneFile(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber,
                       const CopyRequest& request) {
    const platform::DriveSpace& space =
        run.state.freeSpace.spaceFor(pair.destinationFolderPart(), pair.destination,
                                     request.spaceNeeded, platform::tickCount(), run.driveSpace);
    // The old version's space comes back when the new one takes its place; a partial copy an
    // earlier run kept is continued or removed, so its space is this copy's too (looked at
    // only when the drive seems too full: it costs a look on every large file otherwise).
    std::int64_t freeBytes =
        space.freeBytes + (request.replaces ? request.replaces->releasedBytes : 0);
    if (request.spaceNeeded > freeBytes) {
        freeBytes += platform::keptPartialBytes(run.inDestination(pair.destination),
                                                pair.sourceFolder->identity());
    }
    if (request.spaceNeeded > freeBytes) {
        return refuseForSpace(run, pair, FileNumber, request, space.drive, freeBytes);
    }
    const std::uint32_t startTick = platform::tickCount();
    const CopyResult result =
        logCopyOutcome(run, pair, FileNumber, copyUntilSettled(run, pair, request), startTick);
    if (result.outcome == CopyOutcome::Copied) {
        run.state.freeSpace.spend(request.spaceNeeded);
    }
    return result;
}

} // namespace orvane
