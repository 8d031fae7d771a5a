// CUv2Reader: reads a uVision2 text project (.uv2) of the ARM-ADS tool chain.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "src/convert/project_reader.h"
#include "src/convert/uv2_text.h"

namespace zrt {

class CUv2Reader : public CProjectReader {
 public:
  // A reader over the file's text (already read).
  explicit CUv2Reader(std::string text);

  // True when the first two lines are the uVision2 header.
  bool Open() override;
  void GetTargets(std::vector<const TargetRecord*>* targets) override;
  bool GetGroups(ProjectItem** first) override;
  // Targets, groups, files, then the option blocks; false (with a message for a foreign
  // tool chain or a bad option line) when no target was read or a line is malformed.
  bool ReadTargets() override;
  // A .uv2 project has no option file: true.
  bool ReadCurrentTarget() override { return true; }

 private:
  bool ReadTargetLine(const std::string& rest);
  bool ReadFileLine(const std::string& rest);
  // One option block; false when its "Options" line cannot be read.
  bool ReadOptionBlock(const std::string& rest);
  bool ReadFileBlock(int target, ProjectItem* group, const std::string& rest);

  Uv2Text text_;
  std::vector<TargetRecord> records_;
  ProjectTree tree_;
  int thumb_ = 0;
};

// Reads the file at path through context's file system and makes a reader of it; shows
// the message and answers null when the file cannot be read.
std::unique_ptr<CProjectReader> MakeUv2Reader(const std::string& path, ProjectContext* context);

}  // namespace zrt
