#include "src/ui/user_page.h"

#include "src/core/host_node.h"
#include "src/core/project_context.h"
#include "src/ui/dialog_templates.h"
#include "src/ui/framework/data_exchange.h"

namespace zrt {

const UserCommandGroup kUserCommandGroups[kUserCommandGroupCount] = {
    {"BfC", "汇编或者编译C/C++文件前", {{1009, 1017, 1016}, {1011, 1018, 1019}}},
    {"BfB", "构建工程之前", {{1015, 1028, 1029}, {1030, 1031, 1032}}},
    {"AfB", "构建工程之后", {{1033, 1034, 1035}, {1036, 1037, 1038}}},
};

namespace {

// The keys are written in this order of the groups: BfC, AfB, BfB.
const int kSaveOrder[kUserCommandGroupCount] = {0, 2, 1};

// Most characters of one stored command the page takes.
constexpr size_t kMaxCommand = 2047;

}  // namespace

CUserPage::CUserPage(HostNode* user) : CZRTPropertyPage(IDD_USER), user_(user) {}

void CUserPage::OnControl(int id, ui::ControlEvent event) {
  for (int group = 0; group < kUserCommandGroupCount; ++group) {
    for (int slot = 0; slot < 2; ++slot) {
      if (id == kUserCommandGroups[group].slots[slot].button && event == ui::ControlEvent::kClicked) {
        ChooseProgram(group, slot);
        return;
      }
    }
  }
  if (event == ui::ControlEvent::kClicked || event == ui::ControlEvent::kChanged) OnModified();
}

bool CUserPage::DoDataExchange(bool save) {
  ui::DataExchange dx(Controls(), save);
  for (int group = 0; group < kUserCommandGroupCount; ++group) {
    for (int slot = 0; slot < 2; ++slot) {
      const UserSlotControls& controls = kUserCommandGroups[group].slots[slot];
      dx.Check(controls.check, &m_commands[group][slot].enabled);
      dx.Text(controls.edit, &m_commands[group][slot].command);
    }
  }
  return true;
}

void CUserPage::LoadSettings() {
  for (int group = 0; group < kUserCommandGroupCount; ++group) {
    const char* value = GetAttribute(user_, kUserCommandGroups[group].key);
    if (value == nullptr) continue;  // a missing key leaves its slots as they are
    ReadUserCommands(value, m_commands[group]);
    for (UserCommand& command : m_commands[group]) {
      if (command.command.size() > kMaxCommand) command.command.resize(kMaxCommand);
    }
  }
}

void CUserPage::SaveSettings() {
  for (int group : kSaveOrder) {
    for (UserCommand& command : m_commands[group]) {
      if (command.command.empty()) command.enabled = 0;
    }
    SetAttribute(user_, kUserCommandGroups[group].key, FormatUserCommands(m_commands[group]).c_str());
  }
}

void CUserPage::ChooseProgram(int group, int slot) {
  UpdateData(true);
  ui::OpenFileRequest request;
  request.filter = "Executables (*.exe; *.bat)|*.exe;*.bat|All Files (*.*)|*.*||";
  request.mustExist = true;
  request.hideReadOnly = true;
  std::string path;
  if (Services()->OpenFile(request, &path)) {
    MakeRelativeToProject(&path);
    if (!path.empty()) m_commands[group][slot].command = path;
  }
  UpdateData(false);
  OnModified();
}

}  // namespace zrt
