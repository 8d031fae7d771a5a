// zrthost: the command-line host. It loads the plug-in, drives it only through
// GetInterface and the interface table, in the order the IDE does, and keeps the project
// in a .orbproj file.
#include <cstdio>
#include <string>
#include <vector>

#include "host/zrthost/commands.h"
#include "host/zrthost/console.h"

namespace zrt::zrthost {
namespace {

struct Command {
  const char* name;
  const char* usage;    // after "zrthost "
  const char* summary;  // one line, for the command list
  const char* details;  // the rest of --help
  std::vector<OptionSpec> options;
  size_t minPositional, maxPositional;  // maxPositional 0: no limit
  CommandFunction run;
};

const OptionSpec kHelp = {"--help", false};
const std::vector<OptionSpec> kGlobalOptions = {{"--plugin", true}, {"--root", true}, {"--devices", true}};

const char kGlobalHelp[] =
    "Options of every command:\n"
    "  --plugin PATH   the plug-in library (ZRT_PLUGIN; default: the one beside zrthost)\n"
    "  --root DIR      the host installation folder holding opt/Preference and Preference.txt,\n"
    "                  which names the ARM tools (ZRT_HOST_ROOT; default: zrthost's folder,\n"
    "                  set up for the ARM tool emulator)\n"
    "  --devices FILE  the device database file (ZRT_DEVICES; default: devices.txt beside zrthost)\n"
    "  --help          this text\n";

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"convert", "convert SOURCE.uvproj|SOURCE.uv2 [-o PROJECT.orbproj] [--device NAME] [--force]",
       "convert a uVision project into a new project file",
       "Converts through the plug-in's ConvertProject; the project file goes beside the source with\n"
       "the same base name unless -o names another; an existing project file is replaced only with\n"
       "--force. --device names the project's device in the device database. Prints the targets,\n"
       "groups, files, override sections and current target.\n",
       {{"-o", true}, {"--device", true}, {"--force", false}}, 1, 1, RunConvert},
      {"new", "new PROJECT --target NAME [--device NAME]", "create an empty project with one target",
       "Creates PROJECT (it must not exist) with one target, as the IDE does: the Configuration node,\n"
       "then NodeCreated, which writes the target's default settings.\n",
       {{"--target", true}, {"--device", true}}, 1, 1, RunNew},
      {"add", "add PROJECT FILE... [--group NAME]", "add source files (to a group)",
       "Adds each FILE (a path relative to the current folder, stored relative to the project) to\n"
       "the group NAME, created when missing, or to the top of the file tree; NodeCreated writes\n"
       "each file's defaults.\n",
       {{"--group", true}}, 2, 0, RunAdd},
      {"show", "show PROJECT [--json]", "print the project tree and every section value",
       "Prints every node of the project with its attributes; --json prints the same tree as JSON\n"
       "({\"element\", \"attributes\", \"children\"} per node, attributes in their order).\n",
       {{"--json", false}}, 1, 1, RunShow},
      {"set", "set PROJECT NODE KEY=VALUE...", "change settings of a target, group or file",
       "NODE names a target, a group or a file path. KEY is an attribute of that node, or\n"
       "SECTION.KEY for a section (a target's ZRT_Output, ZRT_User, ZRT_CParam, ZRT_AsmParam,\n"
       "ZRT_Linker, ZRT_Debug; a group's ZRT_CParam or ZRT_AsmParam for the active target, a file's\n"
       "the one of its type, created with every option inheriting when missing). A changed target\n"
       "or override is marked for recompiling.\n",
       {}, 3, 0, RunSet},
      {"target", "target PROJECT list|use NAME|add NAME|rename OLD NEW|remove NAME", "list and change targets",
       "use: makes NAME the active target (ProjectEvent 2). add: a new target with default settings\n"
       "(NodeCreated). rename: ProjectEvent 3; output names and per-file sections follow. remove:\n"
       "ProjectEvent 1, then the node goes; the last target cannot be removed.\n",
       {}, 2, 4, RunTarget},
      {"build", "build PROJECT [--target NAME] [-v]", "build the active (or named) target",
       "Runs BuildProject; compiles what is out of date, links, and prints the build output. -v also\n"
       "prints each command line run. Ctrl-C stops the build after the running tool (StopBuild).\n"
       "Exit status 1 when the build failed, 130 when it was stopped.\n",
       {{"--target", true}, {"-v", false}}, 1, 1, RunBuild},
      {"rebuild", "rebuild PROJECT [--target NAME] [-v]", "compile everything, then link",
       "Runs BuildProject with rebuild set. Options and exit status as for build.\n",
       {{"--target", true}, {"-v", false}}, 1, 1, RunRebuild},
      {"clean", "clean PROJECT [--target NAME]", "delete the target's build outputs",
       "Runs CleanOutputs for the active (or named) target.\n", {{"--target", true}}, 1, 1, RunClean},
      {"compile", "compile PROJECT FILE [--target NAME] [-v]", "compile one file",
       "Runs CompileFile on the project's file FILE.\n", {{"--target", true}, {"-v", false}}, 2, 2, RunCompile},
      {"deps", "deps PROJECT FILE", "list the files a source depends on",
       "Prints what NextDependency gives for FILE: the dependencies the compiler recorded.\n", {}, 2, 2, RunDeps},
      {"includes", "includes PROJECT", "list the include folders",
       "Prints what NextIncludePath gives: the include folders of the active target.\n", {}, 1, 1, RunIncludes},
      {"compdb", "compdb PROJECT [-o compile_commands.json] [--target NAME]",
       "write a compilation database of the target",
       "Writes the exact armcc and armasm command lines the plug-in runs for every source of the\n"
       "active (or named) target, as a compile_commands.json (default: in the project folder),\n"
       "for editors and tools. No tool is run.\n",
       {{"-o", true}, {"--target", true}}, 1, 1, RunCompdb},
      {"settings", "settings PROJECT [--group NAME | --file PATH] [--script FILE]", "open the settings sheet",
       "Runs ShowSettings for the active target, a group or a file and prints its result code\n"
       "(0: nothing written back). Without a window system the sheet runs headless, driven by the\n"
       "automation script FILE (ZRT_UI_SCRIPT).\n",
       {{"--group", true}, {"--file", true}, {"--script", true}}, 1, 1, RunSettings},
      {"devices", "devices [PATTERN]", "list the device database",
       "Prints vendor, device and CPU line of every device whose name contains PATTERN (ignoring\n"
       "case).\n", {}, 0, 1,
       RunDevices},
  };
  return commands;
}

void PrintOverview(std::FILE* out) {
  std::fprintf(out, "usage: zrthost COMMAND PROJECT [options]\n\nCommands:\n");
  for (const Command& c : Commands()) std::fprintf(out, "  %-9s %s\n", c.name, c.summary);
  std::fprintf(out, "\n'zrthost COMMAND --help' describes one command.\n\n%s", kGlobalHelp);
}

void PrintHelp(const Command& command) {
  std::printf("usage: zrthost %s\n\n%s\n%s", command.usage, command.details, kGlobalHelp);
}

int RunCommand(const Command& command, const std::vector<std::string>& words) {
  std::vector<OptionSpec> specs = command.options;
  specs.insert(specs.end(), kGlobalOptions.begin(), kGlobalOptions.end());
  specs.push_back(kHelp);
  Arguments args;
  std::string error;
  if (!ParseArguments(words, specs, &args, &error)) {
    std::fprintf(stderr, "zrthost %s: %s (see zrthost %s --help)\n", command.name, error.c_str(), command.name);
    return kExitUsage;
  }
  if (args.Has("--help")) {
    PrintHelp(command);
    return kExitOk;
  }
  size_t count = args.positional.size();
  if (count < command.minPositional || (command.maxPositional != 0 && count > command.maxPositional)) {
    std::fprintf(stderr, "zrthost %s: usage: zrthost %s\n", command.name, command.usage);
    return kExitUsage;
  }
  HostPaths paths = DefaultHostPaths();
  paths.plugin = args.Get("--plugin", paths.plugin);
  paths.root = args.Get("--root", paths.root);
  paths.devices = args.Get("--devices", paths.devices);
  return command.run(args, paths);
}

}  // namespace
}  // namespace zrt::zrthost

int main(int argc, char** argv) {
  using namespace zrt::zrthost;
  std::vector<std::string> words = StartConsole(argc, argv);
  if (words.empty() || words[0] == "--help" || words[0] == "help") {
    PrintOverview(words.empty() ? stderr : stdout);
    return words.empty() ? kExitUsage : kExitOk;
  }
  for (const Command& command : Commands()) {
    if (command.name == words[0]) return RunCommand(command, std::vector<std::string>(words.begin() + 1, words.end()));
  }
  std::fprintf(stderr, "zrthost: unknown command %s (see zrthost --help)\n", words[0].c_str());
  return kExitUsage;
}
