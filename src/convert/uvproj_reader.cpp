#include "src/convert/uvproj_reader.h"

#include "src/config/file_defaults.h"
#include "src/config/section_keys.h"
#include "src/convert/uvproj_options.h"
#include "src/core/text_utilities.h"

namespace zrt {
namespace {

constexpr char kProjectHeader[] = "### uVision Project, (C) Keil Software";

platform::FileSystem& FileSystemOf(ProjectContext* context) {
  return context ? *context->fileSystem : platform::RealFileSystem();
}

constexpr int kAssemblerFile = 2;

}  // namespace

CUvprojReader::CUvprojReader(const std::string& path, ProjectContext* context)
    : path_(path), context_(context), document_(FileSystemOf(context)) {
  document_.ParseText(nullptr);
}

bool CUvprojReader::Open() {
  if (context_ == nullptr || !document_.LoadFile(path_)) return false;
  document_.ResetPosition(0, 0, 0);
  std::string header;
  return document_.FindElement("Project") && walk_.Text("Header", &header) && header == kProjectHeader &&
         walk_.Find("Targets");
}

void CUvprojReader::GetTargets(std::vector<const TargetRecord*>* targets) {
  targets->clear();
  for (const TargetRecord& record : records_) targets->push_back(&record);
}

bool CUvprojReader::GetGroups(ProjectItem** first) {
  *first = tree_.First();
  return true;
}

bool CUvprojReader::ReadTargets() {
  document_.ResetPosition(0, 0, 0);
  if (!document_.FindElement("Project")) return false;
  return walk_.Enter("Targets", [&] {
    while (walk_.Find("Target")) {
      if (!walk_.EnterFound([&] { return ReadTarget(); })) return false;
    }
    return true;
  });
}

bool CUvprojReader::ReadTarget() {
  records_.push_back(DefaultTargetRecord());
  TargetRecord* record = &records_.back();
  bool first = records_.size() == 1;
  return walk_.Text("TargetName", &record->name) &&
         walk_.Enter("TargetOption", [&] { return ReadTargetOptions(record); }) && walk_.Enter("Groups", [&] {
           if (!first) return ReadLaterGroups();
           while (walk_.Find("Group")) {
             if (!walk_.EnterFound([&] { return ReadFirstGroup(); })) return false;
           }
           return true;
         });
}

bool CUvprojReader::ReadTargetOptions(TargetRecord* record) {
  auto armAds = [&] {
    return walk_.Enter("ArmAdsMisc", [&] { return ReadArmAdsMisc(walk_, &record->target, &thumb_); }) &&
           walk_.Enter("Cads", [&] { return ReadCompilerBlock(walk_, thumb_, &record->compiler); }) &&
           walk_.Enter("Aads", [&] { return ReadAssemblerBlock(walk_, &record->assembler); }) &&
           walk_.Enter("LDads", [&] { return ReadLinkerBlock(walk_, &record->linker); });
  };
  return walk_.Enter("TargetCommonOption", [&] { return ReadCommonOptions(walk_, &record->output, &record->user); }) &&
         walk_.Enter("TargetArmAds", armAds);
}

bool CUvprojReader::ReadFirstGroup() {
  std::string name;
  if (!walk_.Text("GroupName", &name)) return false;
  ProjectItem* group = tree_.AddGroup(name);
  // Options and files are optional, and a failure inside them loses only what it read.
  if (walk_.Find("GroupOption")) walk_.EnterFound([&] { return ReadGroupOption(group); });
  if (walk_.Find("Files")) {
    walk_.EnterFound([&] {
      while (walk_.Find("File")) walk_.EnterFound([&] { return ReadFirstFile(group); });
      return true;
    });
  }
  return true;
}

bool CUvprojReader::ReadFirstFile(ProjectItem* group) {
  std::string name, type, path;
  if (!walk_.Text("FileName", &name) || !walk_.Text("FileType", &type) || !walk_.Text("FilePath", &path)) {
    return false;
  }
  ProjectItem* file = tree_.AddFile(group, path);
  if (walk_.Find("FileOption")) walk_.EnterFound([&] { return ReadFileOption(file); });
  return true;
}

bool CUvprojReader::ReadLaterGroups() {
  for (ProjectItem* group : tree_.Groups()) {
    if (!walk_.Find("Group")) break;
    walk_.EnterFound([&] { return ReadLaterGroup(group); });
  }
  return true;
}

bool CUvprojReader::ReadLaterGroup(ProjectItem* group) {
  std::string name;
  if (!walk_.Text("GroupName", &name) || name != group->name) return false;
  if (walk_.Find("GroupOption")) walk_.EnterFound([&] { return ReadGroupOption(group); });
  if (walk_.Find("Files")) {
    walk_.EnterFound([&] {
      while (walk_.Find("File")) walk_.EnterFound([&] { return ReadLaterFile(group); });
      return true;
    });
  }
  return true;
}

bool CUvprojReader::ReadLaterFile(ProjectItem* group) {
  std::string path;
  if (!walk_.Text("FilePath", &path) || !walk_.Find("FileOption")) return false;
  ProjectItem* file = tree_.FindFile(group, path);
  return file != nullptr && walk_.EnterFound([&] { return ReadFileOption(file); });
}

bool CUvprojReader::ReadExclusion(ProjectItem* item) {
  if (!walk_.Find("CommonProperty")) return true;
  return walk_.EnterFound([&] {
    std::string include;
    if (!walk_.Text("IncludeInBuild", &include)) return false;
    if (LeadingInt(include.c_str()) == 0) item->excluded.insert(CurrentTargetName());
    return true;
  });
}

bool CUvprojReader::ReadGroupOption(ProjectItem* group) {
  if (!ReadExclusion(group)) return false;
  if (!walk_.Find("GroupArmAds")) return true;
  return walk_.EnterFound([&] {
    const TargetRecord& defaults = DefaultTargetRecord();
    ItemOverride entry{CurrentTargetName(), defaults.compiler, defaults.assembler};
    bool read = walk_.Enter("Cads", [&] { return ReadCompilerBlock(walk_, thumb_, &entry.compiler); }) &&
                walk_.Enter("Aads", [&] { return ReadAssemblerBlock(walk_, &entry.assembler); });
    if (read) group->overrides.push_back(std::move(entry));
    return read;
  });
}

bool CUvprojReader::ReadFileOption(ProjectItem* file) {
  if (!ReadExclusion(file)) return false;
  if (!walk_.Find("FileArmAds")) return true;
  return walk_.EnterFound([&] {
    int kind = ClassifyFile(file->name);
    if (!IsSourceFileType(kind)) return true;
    const TargetRecord& defaults = DefaultTargetRecord();
    ItemOverride entry{CurrentTargetName(), defaults.compiler, defaults.assembler};
    bool read = kind == kAssemblerFile
                    ? walk_.Enter("Aads", [&] { return ReadAssemblerBlock(walk_, &entry.assembler); })
                    : walk_.Enter("Cads", [&] { return ReadCompilerBlock(walk_, thumb_, &entry.compiler); });
    if (read) file->overrides.push_back(std::move(entry));
    return read;
  });
}

bool CUvprojReader::HasTarget(const std::string& name) const {
  for (const TargetRecord& record : records_) {
    if (record.name == name) return true;
  }
  return false;
}

bool CUvprojReader::ReadCurrentTarget() {
  size_t dot = path_.rfind('.');
  if (dot == std::string::npos || context_ == nullptr) return false;
  CXmlDocument options(*context_->fileSystem);
  if (!options.LoadFile(path_.substr(0, dot) + ".uvopt") || !options.FindElement("ProjectOpt")) return false;
  XmlWalk walk(options);
  while (walk.Find("Target")) {
    std::string name, mark;
    walk.EnterFound([&] {
      return walk.Text("TargetName", &name) && walk.Enter("TargetOption", [&] {
        return walk.Enter("OPTFL", [&] { return walk.Text("IsCurrentTarget", &mark); });
      });
    });
    if (mark == "1" && HasTarget(name)) {
      context_->currentConfigurationName = name;
      return true;
    }
  }
  return false;
}

}  // namespace zrt
