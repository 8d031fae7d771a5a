// The lines the emulator acts on, in C and assembler sources.
#include "tools/common/directive_reader.h"

#include <gtest/gtest.h>

namespace zrt::tools {
namespace {

struct DirectiveCase {
  SourceSyntax syntax;
  std::vector<const char*> lines;  // read in order; the last one is checked
  DirectiveKind kind;
  const char* argument;
  size_t column;
};

const DirectiveCase kCases[] = {
    {SourceSyntax::kC, {"#include \"a.h\""}, DirectiveKind::kInclude, "a.h", 0},
    {SourceSyntax::kC, {"  #  include <stdio.h> // x"}, DirectiveKind::kSystemInclude, "stdio.h", 2},
    {SourceSyntax::kC, {"#include MACRO_NAME"}, DirectiveKind::kNone, "", 0},
    {SourceSyntax::kC, {"#include \"unterminated"}, DirectiveKind::kNone, "", 0},
    {SourceSyntax::kC, {"#error  two words  "}, DirectiveKind::kError, "two words", 0},
    {SourceSyntax::kC, {"\t#warning"}, DirectiveKind::kWarning, "", 1},
    {SourceSyntax::kC, {"#errors are not errors"}, DirectiveKind::kNone, "", 0},
    {SourceSyntax::kC, {"// #error commented"}, DirectiveKind::kNone, "", 0},
    {SourceSyntax::kC, {"/* start", "#error inside", "end */"}, DirectiveKind::kNone, "", 0},
    {SourceSyntax::kC, {"/* start", "#error inside"}, DirectiveKind::kNone, "", 0},
    {SourceSyntax::kC, {"/* one */ #error after"}, DirectiveKind::kError, "after", 10},
    {SourceSyntax::kC, {"char* s = \"/*\";", "#error real"}, DirectiveKind::kError, "real", 0},
    {SourceSyntax::kC, {"        INCLUDE x.inc"}, DirectiveKind::kNone, "", 0},
    {SourceSyntax::kAssembler, {"        INCLUDE x.inc"}, DirectiveKind::kInclude, "x.inc", 8},
    {SourceSyntax::kAssembler, {"label   get \"a b.s\" ; c"}, DirectiveKind::kInclude, "a b.s", 8},
    {SourceSyntax::kAssembler, {"INCLUDE x.inc"}, DirectiveKind::kNone, "", 0},
    {SourceSyntax::kAssembler, {"        GETX y"}, DirectiveKind::kNone, "", 0},
    {SourceSyntax::kAssembler, {"        INCLUDE"}, DirectiveKind::kNone, "", 0},
    {SourceSyntax::kAssembler, {"; INCLUDE x.inc"}, DirectiveKind::kNone, "", 0},
    {SourceSyntax::kAssembler, {"#error bad ; why"}, DirectiveKind::kError, "bad", 0},
    {SourceSyntax::kAssembler, {"#include \"c.h\""}, DirectiveKind::kNone, "", 0},
};

TEST(DirectiveReaderTest, FindsIncludesAndMarkersOutsideComments) {
  for (const DirectiveCase& row : kCases) {
    DirectiveReader reader(row.syntax);
    Directive directive;
    for (const char* line : row.lines) directive = reader.Read(line);
    SCOPED_TRACE(row.lines.back());
    EXPECT_EQ(directive.kind, row.kind);
    EXPECT_EQ(directive.argument, row.argument);
    if (row.kind != DirectiveKind::kNone) {
      EXPECT_EQ(directive.column, row.column);
    }
  }
}

}  // namespace
}  // namespace zrt::tools
