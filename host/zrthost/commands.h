// The zrthost commands. Each takes its parsed arguments (positional[0] is the project or
// source file) and the host paths, prints its result and answers the exit status.
#pragma once

#include <string>

#include "host/zrthost/arguments.h"
#include "host/zrthost/workspace.h"

namespace zrt::zrthost {

enum ExitStatus { kExitOk = 0, kExitFailed = 1, kExitUsage = 2, kExitInterrupted = 130 };

// Prints "zrthost: message" on stderr and answers kExitFailed.
int Fail(const std::string& message);

using CommandFunction = int (*)(const Arguments& args, const HostPaths& paths);

int RunNew(const Arguments& args, const HostPaths& paths);
int RunAdd(const Arguments& args, const HostPaths& paths);
int RunShow(const Arguments& args, const HostPaths& paths);
int RunSet(const Arguments& args, const HostPaths& paths);
int RunTarget(const Arguments& args, const HostPaths& paths);
int RunBuild(const Arguments& args, const HostPaths& paths);
int RunRebuild(const Arguments& args, const HostPaths& paths);
int RunClean(const Arguments& args, const HostPaths& paths);
int RunCompile(const Arguments& args, const HostPaths& paths);
int RunDeps(const Arguments& args, const HostPaths& paths);
int RunIncludes(const Arguments& args, const HostPaths& paths);
int RunCompdb(const Arguments& args, const HostPaths& paths);
int RunConvert(const Arguments& args, const HostPaths& paths);
int RunSettings(const Arguments& args, const HostPaths& paths);
int RunDevices(const Arguments& args, const HostPaths& paths);

}  // namespace zrt::zrthost
