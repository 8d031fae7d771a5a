#include "src/ui/folder_picker.h"

#include "src/core/project_context.h"

namespace zrt {
namespace {

// folder as an absolute path: a relative one is taken below the project directory.
std::string AbsoluteToProject(const std::string& folder) {
  std::string directory = GetProjectDirectory();
  bool absolute = (folder.size() > 1 && folder[1] == ':') || (!folder.empty() && folder[0] == '\\');
  if (absolute) return folder;
  std::string rest = folder.compare(0, 2, ".\\") == 0 ? folder.substr(2) : folder;
  if (rest.empty() || rest == ".") return directory;
  return directory + "\\" + rest;
}

}  // namespace

bool PickProjectFolder(ui::DialogServices& services, std::string* folder) {
  ui::FolderRequest request;
  request.title = "请选择目录:";
  request.initialFolder = AbsoluteToProject(*folder);
  std::string chosen;
  if (!services.PickFolder(request, &chosen)) return false;
  MakeRelativeToProject(&chosen);
  if (!chosen.empty() && chosen.back() == '\\') chosen.pop_back();
  *folder = chosen;
  return true;
}

}  // namespace zrt
