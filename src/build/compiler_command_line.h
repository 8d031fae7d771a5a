// The option text of armcc and armasm for one source file, from the sections that apply
// to it and the target-wide values of the configuration and ProjectContext.
#pragma once

#include <string>
#include <vector>

#include "src/core/abi.h"

namespace zrt {

// Which tool a list of defines is expanded for.
enum class DefineStyle {
  kCompiler,   // " -DNAME"
  kAssembler,  // " --pd \"NAME SETA 1\""
};

// The dependency file the compiler writes for an object: its extension replaced by ".d"
// (".d" appended when the file name has none).
std::string DependencyPath(const std::string& objectPath);

// The defines of a blank-separated list as options, in list order; "" for "".
std::string BuildDefineOptions(const std::string& defines, DefineStyle style);

// The folders of a ";"-separated list as " -I\"folder\"" options, in list order; one
// trailing "\" of a folder is dropped; "" for "".
std::string BuildIncludeOptions(const std::string& folders);

// The armcc options for the file whose ZRT_CParam chain is given (innermost first).
// configuration null: the current one; output null: the configuration's ZRT_Output.
// extraIncludes (";"-separated) are searched after the chain's own folders. Empty text
// when there is no configuration or no output section.
std::string BuildCompilerCommandLine(const std::vector<HostNode*>& chain, HostNode* configuration,
                                     HostNode* output, const std::string& objectName,
                                     const std::string& extraIncludes);

// The armasm options for the file whose ZRT_AsmParam chain is given; as above. Creates
// the listing folder when the listing is on.
std::string BuildAssemblerCommandLine(const std::vector<HostNode*>& chain, HostNode* configuration,
                                      HostNode* output, const std::string& objectName);

}  // namespace zrt
