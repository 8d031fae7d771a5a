// A fixture for the configuration model's unit tests: a fresh project context, a small
// project tree built with the test host's node code, and host callbacks that take over
// committed copies and create children, counting commits.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "src/config/device_settings.h"
#include "src/core/interface_table.h"
#include "src/core/project_context.h"
#include "tests/host/host_tree.h"

namespace zrt {

class ConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Context() = ProjectContext{};
    Context().projectPath = "C:\\work\\demo.orbproj";
    Context().projectName = "demo";
    Context().currentConfigurationName = "Debug";
    SelectedDevice().Clear();
    commits = 0;
    Interface().CommitNode = Commit;
    Interface().CreateChildNode = Create;
    project_ = testhost::NewNode("OrbweaveProject");
    configurations_ = testhost::AddChild(project_, "Configurations");
    files_ = testhost::AddChild(project_, "Files");
  }

  void TearDown() override {
    Interface().CommitNode = nullptr;
    Interface().CreateChildNode = nullptr;
    testhost::DeleteNode(project_);
    SelectedDevice().Clear();
    Context() = ProjectContext{};
  }

  // A listed configuration named name.
  HostNode* AddConfiguration(const std::string& name) {
    HostNode* node = testhost::AddChild(configurations_, "Configuration", {{"Name", name}, {"OldName", name}});
    Context().configurations.push_back(node);
    return node;
  }

  static void ZRT_CDECL Commit(HostNode* target, HostNode* copy) {
    ++commits;
    testhost::CopyAttributes(target, copy);
  }

  static HostNode* ZRT_CDECL Create(HostNode* owner, const char* elementName, const char* name) {
    HostNode* node = testhost::AddChild(owner, elementName);
    if (name != nullptr) testhost::SetValue(node, "Name", name);
    return node;
  }

  static inline int commits = 0;
  HostNode* project_ = nullptr;
  HostNode* configurations_ = nullptr;
  HostNode* files_ = nullptr;
};

}  // namespace zrt
