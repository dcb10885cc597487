#pragma once
// Saving a project as a version-5 file.

#include <string>

#include "core/project.h"
#include "io/io_error.h"
#include "io/recent_files.h"

namespace corvane {

struct TSaveOptions {
  bool AutoBackup = false;        // the automatic backup: nothing is removed, the modified mark stays
  RecentFiles* Recent = nullptr;  // gets the file after a successful save
};

// 1. Unless it is the automatic backup: removes the elements of the shown
//    board whose bounds do not touch the board rectangle, then CleanUpBoard.
// 2. CompactGroupIds on the shown board; its view state goes into its header.
// 3. Writes the file through a temporary file beside it, replacing the old
//    file only when everything was written.
// Success sets the saved flag, clears the modified mark (not for the backup)
// and adds the file to the recent files. Failure (CannotWrite) clears the
// saved flag and leaves an existing file as it was.
IoError SaveLayout(const std::string& path, TProject& project, const TSaveOptions& options = {});

// Step 1 on its own: removes the elements of the list that lie wholly outside
// the board of the given size. Returns the number removed.
std::size_t DeleteElementsOutsideBoard(ElementList& list, int32_t width, int32_t height, const TLayerState& state);

}  // namespace corvane
