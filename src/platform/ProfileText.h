#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane::platform {

// The text rules of a private-profile (INI) file, kept apart from the file itself so they can
// be checked on plain strings. The text is the file's bytes as they are: no encoding is
// assumed, and only the ASCII letters of section and key names ignore case.
//
// A line is one of:
// - a section header: "[" name "]", where blanks around the name and anything after the "]"
//   are ignored;
// - an entry: key "=" value, where blanks (spaces, tabs) around key and value are ignored;
// - anything else: blank lines, comments starting with ";", lines without "=", and every line
//   that holds a NUL byte. These are never read and never changed, only kept.
// A line that starts with "[" but has no "]" ends the section before it, so the entries after
// it belong to no section. Entries before the first header belong to no section either.
// Lines end with LF or CR LF; each keeps its own ending through every edit, and lines that
// an edit adds end with CR LF. A UTF-8 byte-order mark at the start is kept and skipped.
//
// Duplicates are allowed: the first matching entry of the first matching section is the one
// read and updated, and a delete removes every match so the next read finds nothing.

// The trimmed value of the key in the section; empty when no entry holds it.
std::optional<std::string> findProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// The text with key=value stored in the section: the existing entry is rewritten in place,
// otherwise a new entry follows the last entry of the section, otherwise the section is added
// at the end. Empty when the names or the value cannot be held on one line (a line break or
// NUL anywhere, "]" in the section, "=" in the key, a key that is blank or would read as a
// comment or header); the caller then leaves the file alone.
std::optional<std::string> setProfileValue(std::string_view text, std::string_view section,
                                           std::string_view key, std::string_view value);

// The text without any entry of the key in the section.
std::string removeProfileKey(std::string_view text, std::string_view section, std::string_view key);

// The text without the section: every header of that name and all lines up to the next header.
std::string removeProfileSection(std::string_view text, std::string_view section);

} // namespace orvane::platform
