// CUvprojReader: reads a uVision XML project (.uvproj) and its option file (.uvopt).
#pragma once

#include <string>
#include <vector>

#include "src/convert/project_reader.h"
#include "src/convert/xml_document.h"
#include "src/convert/xml_walk.h"

namespace zrt {

class CUvprojReader : public CProjectReader {
 public:
  // A reader of the project at path; context must be present for Open to succeed.
  CUvprojReader(const std::string& path, ProjectContext* context);

  // Loads the file; true when it is well formed, has the uVision header and "Targets".
  bool Open() override;
  void GetTargets(std::vector<const TargetRecord*>* targets) override;
  bool GetGroups(ProjectItem** first) override;
  // Reads every target with its options, groups and files; false at a missing element.
  bool ReadTargets() override;
  // Makes the target marked current in the .uvopt beside the project the current
  // configuration; false when there is no such file or no matching target.
  bool ReadCurrentTarget() override;

 private:
  bool ReadTarget();
  bool ReadTargetOptions(TargetRecord* record);
  bool ReadFirstGroup();
  bool ReadLaterGroups();
  bool ReadLaterGroup(ProjectItem* group);
  bool ReadFirstFile(ProjectItem* group);
  bool ReadLaterFile(ProjectItem* group);
  bool ReadExclusion(ProjectItem* item);
  bool ReadGroupOption(ProjectItem* group);
  bool ReadFileOption(ProjectItem* file);
  bool HasTarget(const std::string& name) const;
  const std::string& CurrentTargetName() const { return records_.back().name; }

  std::string path_;
  std::vector<TargetRecord> records_;
  ProjectContext* context_;
  CXmlDocument document_;
  ProjectTree tree_;
  int thumb_ = 0;
  XmlWalk walk_{document_};
};

}  // namespace zrt
