#include "io/file_commands.h"

#include "io/recent_files.h"

namespace corvane {

bool NeedsSaveQuestion(const TProject& project) { return project.Modified && !project.IsEmpty(); }

bool ConfirmReplaceProject(const TProject& project, const std::function<TSaveAnswer()>& ask,
                           const std::function<bool()>& save) {
  if (!NeedsSaveQuestion(project)) return true;
  switch (ask ? ask() : TSaveAnswer::Cancel) {
    case TSaveAnswer::Yes: return save && save();
    case TSaveAnswer::No: return true;
    case TSaveAnswer::Cancel: return false;
  }
  return false;
}

bool ShouldAutoBackup(const TProject& project) {
  return !project.FileName.empty() && LowerExtension(project.FileName) != ".bak";
}

std::string BackupFileName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t dot = path.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  return (hasExtension ? path.substr(0, dot) : path) + ".bak";
}

}  // namespace corvane
