#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Files and folders, by path, for the preferences store.
namespace platform {

// The user's library folder: $XDG_DATA_HOME when it is set and absolute,
// else ~/.local/share; the empty string when there is no home folder.
std::string LibraryFolder();

bool ItemExists(const std::string& path);
bool IsFolder(const std::string& path);
// Creates the folder and any missing parents; true when it is a folder afterwards.
bool CreateFolder(const std::string& path);

// The whole file, or nothing when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Writes bytes to a temporary file beside path, flushes and syncs it, and
// renames it over path. On any failure the file at path stays as it was.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);

// Tests make every later atomic write fail after this many bytes have
// reached the temporary file; a negative count restores normal writing.
void SetWriteFailureAfter(int64_t bytes);

}  // namespace platform
