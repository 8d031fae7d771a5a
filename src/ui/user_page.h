// CUserPage: two user programs for each of three moments of a build (before a file is
// compiled, before and after the project is built), kept in ZRT_User.
#pragma once

#include "src/config/section_values.h"
#include "src/core/abi.h"
#include "src/ui/zrt_property_page.h"

namespace zrt {

// The controls of one user program: its check box, command edit and 选择… button.
struct UserSlotControls {
  int check, edit, button;
};

// One moment of the build: its key, group box title and two slots.
struct UserCommandGroup {
  const char* key;
  const char* title;
  UserSlotControls slots[2];
};

// The three moments in the page's order.
constexpr int kUserCommandGroupCount = 3;
extern const UserCommandGroup kUserCommandGroups[kUserCommandGroupCount];

class CUserPage : public CZRTPropertyPage {
 public:
  // user: the sheet's ZRT_User copy.
  explicit CUserPage(HostNode* user);

  // A 选择… button picks a program; every click and command change modifies the page.
  void OnControl(int id, ui::ControlEvent event) override;
  bool DoDataExchange(bool save) override;
  // Reads BfC, BfB and AfB into their slots; a missing key leaves its slots.
  void LoadSettings() override;
  // Disables slots without a command, then writes BfC, AfB and BfB.
  void SaveSettings() override;

 private:
  // The open-file dialog for slot of group; a chosen file becomes its command.
  void ChooseProgram(int group, int slot);

  HostNode* user_;
  UserCommand m_commands[kUserCommandGroupCount][2];
};

}  // namespace zrt
