#pragma once

#include "platform/PathRules.h"

#include <string>

namespace orvane {

// The run copies the source folder into a folder of the same name inside the chosen
// destination: the box's text, a separator and the source's last name, with every doubled
// separator halved in one pass (two runs in a row give D:\Backup\\Photos the second time).
std::string ComposeDestination(const platform::PathRules& paths, const std::string& chosen,
                               const std::string& sourceName);

// Gives the destination box back its chosen folder after a run: the source's name comes off
// again, and the text always ends with a separator.
std::string RestoreDestination(const platform::PathRules& paths, const std::string& composed,
                               const std::string& sourceName, bool composedThisRun);

// True when a destination is the source folder itself or lies inside it, judged by the
// identity of the source and of every existing ancestor of the destination, so that neither
// a link nor a second mount of the same folder hides it. Such a run would copy the tree into
// itself, and in move mode would delete every file as "already there".
bool DestinationInsideSource(const std::string& source, const std::string& destination);

// The source the run works on: the typed path made absolute against the current folder, with
// its "." and ".." parts resolved as text (as the shell's `cd` does), before its last part
// names the destination folder. "photos/.." is named after the folder it means, not "..". A
// trailing separator stays: it names no folder, so the contents go into the destination.
std::string AbsoluteSource(const platform::PathRules& paths, const std::string& typed);

} // namespace orvane
