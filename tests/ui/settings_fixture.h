// A fixture for the settings sheet's tests: a project tree with one target, host
// callbacks that take over commits, create and remove children and record device
// notifications, and a sheet runner that drives the headless sheet with a test's steps.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "src/core/interface_table.h"
#include "src/core/project_context.h"
#include "src/ui/framework/headless_sheet.h"
#include "src/ui/settings_dlg.h"
#include "tests/host/host_tree.h"

namespace zrt {

class SettingsTest : public ::testing::Test {
 protected:
  using Steps = std::function<void(ui::HeadlessSheet& headless, CZRTSettingsDlg& sheet)>;

  void SetUp() override {
    Context() = ProjectContext{};
    Context().projectPath = "C:\\work\\demo.orbproj";
    Context().currentConfigurationName = "Debug";
    commits.clear();
    removed = 0;
    notified = nullptr;
    Interface().CommitNode = Commit;
    Interface().CreateChildNode = Create;
    Interface().RemoveChild = Remove;
    Interface().NotifySettingsChange = Notify;
    project_ = testhost::NewNode("OrbweaveProject");
    HostNode* configurations = testhost::AddChild(project_, "Configurations");
    files_ = testhost::AddChild(project_, "Files");
    target_ = testhost::AddChild(configurations, "Configuration", {{"Name", "Debug"}, {"OldName", "Debug"}});
    for (const char* name : kSections) testhost::AddChild(target_, name, {{"Mark", "stored"}});
    Context().configurations.push_back(target_);
  }

  void TearDown() override {
    ui::SetSheetRunner(nullptr);
    Interface().CommitNode = nullptr;
    Interface().CreateChildNode = nullptr;
    Interface().RemoveChild = nullptr;
    Interface().NotifySettingsChange = nullptr;
    testhost::DeleteNode(project_);
    Context() = ProjectContext{};
  }

  // Every sheet opened from now on is driven by steps, then cancelled if still open.
  void Drive(Steps steps) {
    ui::SetSheetRunner([steps](ui::PropertySheet& sheet) {
      ui::HeadlessSheet headless(sheet);
      headless.Open();
      steps(headless, static_cast<CZRTSettingsDlg&>(sheet));
      headless.PressCancel();
      return headless.Result();
    });
  }

  // What a page's change handler does: sets its change bits, then OnModified.
  static void ChangePage(ui::HeadlessSheet& headless, CZRTSettingsDlg& sheet, int tab, bool options, bool linker) {
    std::string why;
    ASSERT_TRUE(headless.SelectTab(tab, &why)) << why;
    auto* page = static_cast<CZRTPropertyPage*>(sheet.Page(tab));
    page->m_bOptionsChanged |= options;
    page->m_bLinkerChanged |= linker;
    page->OnModified();
  }

  static std::string Value(const HostNode* node, const char* name) {
    const char* value = testhost::Value(node, name);
    return value ? value : "";
  }

  static constexpr const char* kSections[] = {"ZRT_Output", "ZRT_User",   "ZRT_CParam",
                                              "ZRT_AsmParam", "ZRT_Linker", "ZRT_Debug"};

  static void ZRT_CDECL Commit(HostNode* target, HostNode* copy) {
    commits.push_back(testhost::NameOf(target));
    testhost::CopyAttributes(target, copy);
  }
  static HostNode* ZRT_CDECL Create(HostNode* owner, const char* elementName, const char* name) {
    HostNode* node = testhost::AddChild(owner, elementName);
    if (name != nullptr) testhost::SetValue(node, "Name", name);
    return node;
  }
  static void ZRT_CDECL Remove(HostNode*, HostNode* child) {
    ++removed;
    testhost::DeleteNode(child);
  }
  static void ZRT_CDECL Notify(const DeviceRecord* device) { notified = device; }

  static inline std::vector<std::string> commits;
  static inline int removed = 0;
  static inline const DeviceRecord* notified = nullptr;
  HostNode* project_ = nullptr;
  HostNode* files_ = nullptr;
  HostNode* target_ = nullptr;
};

}  // namespace zrt
