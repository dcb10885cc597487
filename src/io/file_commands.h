#pragma once
// Decisions of the File commands that need no window: the question about
// unsaved changes and the automatic backup's file.

#include <functional>
#include <string>

#include "core/project.h"

namespace corvane {

// The question "Save changes?" is asked before the project is replaced when
// it is modified and not empty (the shown board has elements or there is
// more than one board).
bool NeedsSaveQuestion(const TProject& project);

enum class TSaveAnswer { Yes, No, Cancel };

// Runs the question before the project is replaced (new project, open,
// recent file, program end): `ask` is only called when NeedsSaveQuestion
// holds; on Yes `save` runs "Save" and returns whether the file was written.
// Returns whether the replacing may go on.
bool ConfirmReplaceProject(const TProject& project, const std::function<TSaveAnswer()>& ask,
                           const std::function<bool()>& save);

// The automatic backup saves a project that has a file name whose extension
// is not ".bak"; the backup goes to the same path with the extension ".bak".
bool ShouldAutoBackup(const TProject& project);
std::string BackupFileName(const std::string& path);

}  // namespace corvane
