#include "engine/CopyOneFile.h"

#include "engine/CopyProgress.h"
#include "engine/FileOperations.h"
#include "platform/ErrorText.h"
#include "platform/FileCopy.h"
#include "platform/TickCount.h"
#include "support/ValueFormat.h"

namespace orvane {

namespace {

CopyResult refuseForSpace(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber,
                          std::int64_t size, const platform::DriveSpace& space) {
    ++FileNumber;
    run.addLog(std::to_string(FileNumber) + ". Cannot copy: " + pair.source + " [" +
               FormatSize(Amount::fromValue(size), run.decimalSeparator) +
               " ] not enough space on drive: " + space.drive + " [" +
               FormatSize(Amount::fromValue(space.freeBytes), run.decimalSeparator) + " ]");
    ++run.state.outcome.filesRefusedForSpace;
    return {CopyOutcome::NotEnoughSpace, std::nullopt};
}

// The log line of a failed copy keeps its fixed "reported err: 0"; this is what the user is
// told beside it.
std::string whyNotCopied(const platform::CopyResult& copy) {
    switch (copy.outcome) {
    case platform::CopyOutcome::Cancelled:
        return "a pause abandoned its copy";
    case platform::CopyOutcome::SpecialFile:
        return "a FIFO, socket or device node is not copied";
    default:
        return platform::errorText(copy.error);
    }
}

CopyResult logCopyOutcome(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber,
                          const platform::CopyResult& copy, std::uint32_t startTick,
                          std::int64_t size) {
    const std::string name = LastPathPart(pair.destination);
    // A stop is reported as such even when it came during the last report of a file whose
    // copy then completed: the user asked for it, and its source must stay.
    if (run.state.RunControl == run_control::stop) {
        run.addLog("File " + name + " Canceled");
        ++run.state.outcome.filesCancelled;
        return {CopyOutcome::Cancelled, copy.source};
    }
    if (!copy.placed()) {
        ++FileNumber;
        run.addLog(std::to_string(FileNumber) + ". File " + name + " reported err: 0");
        ++(copy.outcome == platform::CopyOutcome::Cancelled ? run.state.outcome.filesCancelled
                                                            : run.state.outcome.filesFailed);
        run.reportProblem(pair.source, "not copied: " + whyNotCopied(copy));
        return {CopyOutcome::Failed, copy.source};
    }
    const std::uint32_t elapsed = platform::tickCount() - startTick;
    run.addLog("File " + name + " copied in " +
               FormatDuration(static_cast<std::int32_t>(elapsed), false, false, true, true) + " [" +
               FormatSize(Amount::fromValue(size), run.decimalSeparator) + "]");
    ++run.state.outcome.filesCopied;
    const bool changed = copy.outcome == platform::CopyOutcome::SourceChanged;
    return {changed ? CopyOutcome::SourceChanged : CopyOutcome::Copied, copy.source};
}

} // namespace

platform::DriveSpace GetDriveSpace(const std::string& destination) {
    return platform::queryDriveSpace(destination);
}

// Linux has no hidden or system files, so what the copy step finds in its way is exactly
// what the per-file step calls an existing file.
bool FilePresent(const std::string& path) {
    return FileExists(path);
}

CopyResult CopyOneFile(const RunContext& run, const FilePair& pair, std::int32_t& FileNumber,
                       const CopyRequest& request) {
    const platform::DriveSpace space = GetDriveSpace(pair.destination);
    const std::int64_t size = request.sourceSize;
    if (request.afterRemoval && FilePresent(pair.destination)) {
        // A destination that could not be removed: the file was not copied, which the log has
        // no line for but the run's outcome must not hide.
        ++run.state.outcome.filesFailed;
        run.reportProblem(pair.destination,
                          "not copied: this destination of another size could not be removed");
        return {CopyOutcome::DestinationPresent, std::nullopt};
    }
    if (size > space.freeBytes) {
        return refuseForSpace(run, pair, FileNumber, size, space);
    }
    const std::uint32_t startTick = platform::tickCount();
    const platform::CopyResult copy = platform::copyFileWithProgress(
        pair.source, pair.destination,
        [&run](const platform::CopyReport& report) { CopyProgress(run, report); },
        run.state.RunControl, platform::CopyOptions{request.durable});
    return logCopyOutcome(run, pair, FileNumber, copy, startTick, size);
}

} // namespace orvane
