// armar stand-in: creates (--create), updates (-r) or lists (-t) libraries in the
// "!<arch>" format. Silent on success, as the real tool.
#include "platform/file_system.h"
#include "tools/common/archive.h"
#include "tools/common/console.h"
#include "tools/common/files.h"
#include "tools/common/tool.h"

namespace zrt::tools {
namespace {

enum ArmarOption { kCreate = kFirstToolOption, kReplace, kList, kAccepted };

const ToolProfile kArmar = {
    "armar",  "a librarian",  "--create|-r|-t library [member...]", "L9901U", "L9902U", "L9903U", "L9904U",
    "L9905U", Closing::kNone,
};

const OptionTable& Options() {
  static const OptionTable kRows = {
      {"--create", Argument::kNone, kCreate, "Create the library from the members (replacing it)"},
      {"-r", Argument::kNone, kReplace, "Replace or add the members in the library (created when missing)"},
      {"-t", Argument::kNone, kList, "List the library's members"},
      {"-c", Argument::kNone, kAccepted, "Do not report the creation of a library (accepted)"},
      {"-s", Argument::kNone, kAccepted, "Create a symbol table (accepted; there are no symbols)"},
      {"-v", Argument::kNone, kAccepted, "Verbose (accepted)"},
  };
  return kRows;
}

class Librarian {
 public:
  explicit Librarian(const CommandLine& commandLine) : commandLine_(commandLine) {}

  int Run() {
    int action = commandLine_.LastOf({kCreate, kReplace, kList});
    if (action == 0) {
      reporter_.Report({"", Severity::kError, "L6839E", "One of the actions -[dmpqrtx] must be specified"});
    } else if (commandLine_.inputs.empty()) {
      reporter_.Report({"", Severity::kFatal, "L9906U", "No library given."});
    } else if (action == kList) {
      List();
    } else {
      Update(action == kCreate);
    }
    return FinishTool(kArmar, reporter_.Counts());
  }

 private:
  const std::string& Library() const { return commandLine_.inputs[0]; }

  // Reads the library into *members; false (reported) when it cannot be read.
  bool ReadLibrary(std::vector<ArchiveMember>* members) {
    std::string content, reason;
    if (!ReadInputFile(Library(), &content, &reason)) {
      reporter_.Report({"", Severity::kFatal, "L6002U", "Could not open file " + Library() + ": " + reason});
      return false;
    }
    if (ReadArchive(content, members, &reason)) return true;
    reporter_.Report({"", Severity::kFatal, "L9909U", Library() + " is not a valid library: " + reason});
    return false;
  }

  void List() {
    std::vector<ArchiveMember> members;
    if (!ReadLibrary(&members)) return;
    for (const ArchiveMember& member : members) PrintOut(member.name);
  }

  void Update(bool create) {
    std::vector<ArchiveMember> members;
    if (!create && platform::RealFileSystem().Exists(Library()) && !ReadLibrary(&members)) return;
    for (size_t i = 1; i < commandLine_.inputs.size(); ++i) {
      const std::string& path = commandLine_.inputs[i];
      ArchiveMember member{FileNameOf(path), ""};
      std::string reason;
      if (!ReadInputFile(path, &member.content, &reason)) {
        reporter_.Report({"", Severity::kError, "L6833E", "File '" + path + "' does not exist"});
        continue;
      }
      Put(member, &members);
    }
    if (!reporter_.Counts().Failed()) WriteToolOutput(kArmar, reporter_, Library(), MakeArchive(members));
  }

  // Replaces the member of the same name, or appends member.
  static void Put(const ArchiveMember& member, std::vector<ArchiveMember>* members) {
    for (ArchiveMember& existing : *members) {
      if (existing.name == member.name) {
        existing = member;
        return;
      }
    }
    members->push_back(member);
  }

  const CommandLine& commandLine_;
  Reporter reporter_;
};

int Run(const CommandLine& commandLine) { return Librarian(commandLine).Run(); }

}  // namespace
}  // namespace zrt::tools

int main(int argc, char** argv) {
  using namespace zrt::tools;
  return RunTool(kArmar, Options(), argc, argv, Run);
}
