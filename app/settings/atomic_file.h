#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace zentrel {

// Replaces the file at `path` with `bytes` so that a reader, a crash or a power
// cut sees either the old file or the whole new one: the bytes go to a
// temporary file in the same folder, reach the disk, and the temporary is
// renamed over the target. A missing folder is created; a symbolic link is
// followed, so the file it names is replaced and the link stays. On failure the
// target is untouched, no temporary remains, and the reason is returned.
std::error_code writeFileAtomically(const std::string& path, std::string_view bytes);

// Reads a whole file into `bytes`. A missing file gives
// std::errc::no_such_file_or_directory.
std::error_code readWholeFile(const std::string& path, std::string& bytes);

// Makes the folder entry of a file just created or renamed durable; file systems
// that cannot sync a folder are not an error.
void syncFolderOf(const std::string& path);

}  // namespace zentrel
