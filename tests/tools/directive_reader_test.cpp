// The lines the emulator acts on, in C and assembler sources.
#include "tools/common/directive_reader.h"

#include <gtest/gtest.h>

#include "tests/core/case_file.h"

namespace zrt::tools {
namespace {

TEST(DirectiveReaderTest, FindsIncludesAndMarkersOutsideComments) {
  const char* const kKinds[] = {"none", "include", "system", "error", "warning"};
  for (const zrt::testing::CaseRow& row : zrt::testing::ReadCaseFile("tools/fixtures/directive_cases.txt")) {
    DirectiveReader reader(row[0] == "C" ? SourceSyntax::kC : SourceSyntax::kAssembler);
    Directive directive;
    for (size_t i = 4; i < row.size(); ++i) directive = reader.Read(row[i]);
    SCOPED_TRACE(row.back());
    EXPECT_EQ(kKinds[static_cast<int>(directive.kind)], row[1]);
    EXPECT_EQ(directive.argument, row[2]);
    if (directive.kind != DirectiveKind::kNone) {
      EXPECT_EQ(std::to_string(directive.column), row[3]);
    }
  }
}

}  // namespace
}  // namespace zrt::tools
