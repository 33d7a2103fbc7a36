#pragma once

#include "engine/RunContext.h"
#include "platform/Directory.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// The steps the survey and the direct walk share.

// A folder that could not be read: the walk goes on without it, but it counts against the
// run, its reason is told, and the first such folder is kept as the run's pending error, which
// the run names in its closing "Err " line so that it is not lost silently.
void noteUnreadableFolder(const RunContext& run, const std::string& folder,
                          const platform::SystemError& error);

// Opens a source folder the run lists: a sub-folder relative to its parent folder, held open
// (`parent`), never through a link, the top folder by its path. So a tree deeper than the
// system's path limit is still listed, and the files met in it are examined, copied and
// deleted in the folder that was listed, whatever is put in its place later.
platform::SourceFolder openListedFolder(const RunContext& run, const std::string& folder,
                                        const platform::SourceFolder* parent);

// Hands each entry of an opened folder, and the folder, to `onEntry`, in the system's order:
// so each file in it is met and counted, even where its path is too long to copy it. Before
// each entry the listing waits while the run is paused and ends on a stop; after each entry
// it waits while paused. Waiting before the test matters: a pause clicked while a sub-folder
// is being made would otherwise end that sub-folder's listing at once and silently leave it
// uncopied. A folder that cannot be opened or read, or whose listing breaks off before its
// end, is noted as unreadable: what it holds beyond the entries met was not copied.
template <typename OnEntry>
void forEachRunEntry(const RunContext& run, const std::string& path,
                     const platform::SourceFolder& folder, OnEntry onEntry) {
    platform::DirectoryReader listing(folder);
    if (!listing.isOpen()) {
        noteUnreadableFolder(run, path, listing.openError());
        return;
    }
    auto entry = listing.next();
    while (entry) {
        run.waitWhilePaused();
        if (run.stopOrPauseRequested()) {
            return;
        }
        onEntry(*entry, folder);
        entry = listing.next();
        run.waitWhilePaused();
    }
    if (listing.readError()) {
        noteUnreadableFolder(run, path, listing.readError());
    }
}

// The source sub-folder to descend into for a folder entry, or nothing for "." and "..",
// for a folder the path rules do not descend, and for the run's own destination folder: a
// destination inside its source would otherwise be copied into itself without end.
std::optional<std::string> subFolderToDescend(const RunContext& run, const std::string& source,
                                              const std::string& name);

// Counts a folder entry into DirCount: every entry but "..", so a sub-folder counts once in
// its parent's listing and once by its own "." entry. The counter is 16 bits wide; past its
// largest value it stays there rather than wrap to a negative count.
void countFolderEntry(const RunContext& run, const std::string& name);

// Counts one more file into the run's file total, which lives in the total bar's Max, and
// shows it after the prefix in the file-count line.
void countFileMet(const RunContext& run, std::string_view prefix);

} // namespace orvane
