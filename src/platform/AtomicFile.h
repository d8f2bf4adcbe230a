// Whole-file reads and crash-safe whole-file updates. An update runs under an
// advisory lock on the file's folder, writes the new content to a temporary
// file in the same folder, flushes it to disk and renames it over the old file,
// so a reader or a crash sees either the old content or the new, never a mix.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// The file's bytes, or nothing when it is missing, a folder or unreadable.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Computes new content from the present one (nothing when the file does not
// exist yet) and writes it atomically. `change` may refuse by returning
// nothing. Returns false, leaving the file as it was, when the change refuses,
// the file is read-only or a directory, or anything fails on the way.
// Content equal to the present one (a missing file counts as empty) writes
// nothing. The folder is not created.
bool UpdateFileAtomically(
    const std::filesystem::path& path,
    const std::function<std::optional<std::string>(const std::optional<std::string>&)>& change);

// Replaces the file's content atomically.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view content);

}  // namespace vantrel
