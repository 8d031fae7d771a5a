// Feeds arbitrary stored values to the keys the command-line builders and the scatter
// file generator read, then builds every command line and the scatter file: no value may
// crash them or make them read or write out of bounds.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "src/build/compiler_command_line.h"
#include "src/build/linker_command_line.h"
#include "src/build/scatter_file.h"
#include "src/config/section_chain.h"
#include "src/core/interface_table.h"
#include "src/core/project_context.h"
#include "tests/host/host_tree.h"
#include "tests/core/fake_file_system.h"

namespace {

using zrt::testhost::AddChild;

enum Node { kConfiguration, kOutput, kCompiler, kAssembler, kLinker, kFile, kFileCompiler, kFileAssembler, kNodeCount };

struct Key {
  Node node;
  const char* name;
};

// The keys the builders read, in the order the input's lines fill them.
const Key kKeys[] = {
    {kCompiler, "Def"},      {kCompiler, "Inc"},         {kCompiler, "Misc"},     {kCompiler, "Opt"},
    {kCompiler, "Code"},     {kCompiler, "Language"},    {kCompiler, "List"},     {kFileCompiler, "Opt"},
    {kFileCompiler, "Code"}, {kFileCompiler, "Language"}, {kFileCompiler, "Def"}, {kAssembler, "Code"},
    {kAssembler, "Language"}, {kAssembler, "List"},      {kFileAssembler, "Code"}, {kFileAssembler, "Inc"},
    {kOutput, "OutName"},    {kOutput, "OutList"},       {kOutput, "Debug"},      {kOutput, "Browse"},
    {kLinker, "Misc"},       {kLinker, "UseDef"},        {kLinker, "Code"},       {kLinker, "Sct"},
    {kLinker, "List"},       {kLinker, "Rom"},           {kLinker, "Ram"},        {kLinker, "first"},
    {kConfiguration, "McLib"}, {kConfiguration, "OutBig"}, {kConfiguration, "XROM"}, {kConfiguration, "IROM"},
    {kConfiguration, "XRAM"}, {kConfiguration, "IRAM"},  {kConfiguration, "Cross"}, {kFile, "ro"},
    {kFile, "rw"},           {kFile, "bss"},             {kFile, "Output"},
};

void ZRT_CDECL CommitAttributes(HostNode* target, HostNode* copy) { zrt::testhost::CopyAttributes(target, copy); }

std::vector<std::string> Lines(const std::string& input) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = input.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(input.substr(start, end - start));
  }
  lines.push_back(input.substr(start));
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> lines = Lines(std::string(reinterpret_cast<const char*>(data), size));
  zrt::testing::FakeFileSystem files;
  zrt::Context() = zrt::ProjectContext{};
  zrt::Context().fileSystem = &files;
  zrt::Context().currentConfigurationName = "Target";
  zrt::Interface().CommitNode = CommitAttributes;

  HostNode* project = zrt::testhost::NewNode("OrbweaveProject");
  HostNode* nodes[kNodeCount];
  nodes[kConfiguration] = AddChild(project, "Configuration", {{"Name", "Target"}});
  nodes[kOutput] = AddChild(nodes[kConfiguration], "ZRT_Output");
  nodes[kCompiler] = AddChild(nodes[kConfiguration], "ZRT_CParam");
  nodes[kAssembler] = AddChild(nodes[kConfiguration], "ZRT_AsmParam");
  nodes[kLinker] = AddChild(nodes[kConfiguration], "ZRT_Linker");
  nodes[kFile] = AddChild(AddChild(project, "Files"), "File", {{"FileType", "1"}});
  nodes[kFileCompiler] = AddChild(nodes[kFile], "ZRT_CParam", {{"Name", "Target"}});
  nodes[kFileAssembler] = AddChild(nodes[kFile], "ZRT_AsmParam", {{"Name", "Target"}});
  zrt::Context().configurations.push_back(nodes[kConfiguration]);
  zrt::Context().files.push_back(nodes[kFile]);
  for (size_t i = 0; i < lines.size() && i < sizeof kKeys / sizeof kKeys[0]; ++i) {
    zrt::testhost::SetValue(nodes[kKeys[i].node], kKeys[i].name, lines[i]);
  }
  // Lines after the keys are the device's description lines.
  std::vector<const char*> device;
  for (size_t i = sizeof kKeys / sizeof kKeys[0]; i < lines.size(); ++i) device.push_back(lines[i].c_str());
  device.push_back(nullptr);
  zrt::Context().deviceRecord.information = device.data();

  zrt::BuildCompilerCommandLine({nodes[kFileCompiler], nodes[kCompiler]}, nodes[kConfiguration], nullptr, "main.o",
                                lines.front());
  zrt::BuildAssemblerCommandLine({nodes[kFileAssembler], nodes[kAssembler]}, nodes[kConfiguration], nullptr,
                                 lines.back());
  zrt::BuildLinkerCommandLine(nodes[kConfiguration], nodes[kLinker], nodes[kOutput]);
  zrt::WriteScatterFile(nodes[kConfiguration], ".\\Target\\proj.sct");

  zrt::testhost::DeleteNode(project);
  zrt::Interface().CommitNode = nullptr;
  zrt::Context() = zrt::ProjectContext{};
  return 0;
}
