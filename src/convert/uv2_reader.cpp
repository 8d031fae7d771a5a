#include "src/convert/uv2_reader.h"

#include "platform/message_box.h"
#include "src/config/file_defaults.h"
#include "src/config/section_keys.h"
#include "src/config/value_scanner.h"
#include "src/convert/uv2_options.h"

namespace zrt {
namespace {

constexpr char kHeaderLine1[] = "### uVision2 Project, (C) Keil Software";
constexpr char kHeaderLine2[] = "### Do not modify !";
constexpr char kArmAdsTail[] = "), 0x0004 // Tools: 'ARM-ADS'";

constexpr char kCannotOpen[] = "打开工程文件失败，不能继续进行转换";
constexpr char kNotRealView[] = "该工程文件不是RealView ZRT 3.2x以上工程\r\n请确保转换的是RealView ZRT工程";
constexpr char kBadOptions[] = "配置信息存在问题，不能继续进行转换";

constexpr int kAssemblerFile = 2;

void Tell(const char* text) {
  platform::ShowMessageBox(text, "", platform::MessageButtons::kOk, platform::MessageIcon::kWarning);
}

}  // namespace

CUv2Reader::CUv2Reader(std::string text) : text_(std::move(text)) {}

bool CUv2Reader::Open() {
  std::string first, second;
  return text_.ReadLine(&first) && first == kHeaderLine1 && text_.ReadLine(&second) && second == kHeaderLine2;
}

void CUv2Reader::GetTargets(std::vector<const TargetRecord*>* targets) {
  targets->clear();
  for (const TargetRecord& record : records_) targets->push_back(&record);
}

bool CUv2Reader::GetGroups(ProjectItem** first) {
  *first = tree_.First();
  return true;
}

bool CUv2Reader::ReadTargetLine(const std::string& rest) {
  size_t open = rest.find('(');
  size_t close = rest.rfind(')');
  if (open == std::string::npos || close == std::string::npos || close < open || rest.substr(close) != kArmAdsTail) {
    Tell(kNotRealView);
    return false;
  }
  records_.push_back(DefaultTargetRecord());
  records_.back().name = rest.substr(open + 1, close - open - 1);
  return true;
}

bool CUv2Reader::ReadFileLine(const std::string& rest) {
  int group = 0, second = 0;
  std::string path, name;
  int read = ScanValue(rest.c_str(), "%d,%d,<%[^>]><%[^>]>", {&group, &second, &path, &name});
  const auto& groups = tree_.Groups();
  if (read < 3 || group < 1 || static_cast<size_t>(group) > groups.size()) return false;
  tree_.AddFile(groups[group - 1], path);
  return true;
}

bool CUv2Reader::ReadTargets() {
  std::string word;
  text_.NextWord(&word);
  for (; word == "Target"; text_.NextWord(&word)) {
    if (!ReadTargetLine(text_.RestOfLine())) return false;
  }
  for (; word == "Group"; text_.NextWord(&word)) {
    std::string rest = text_.RestOfLine();
    size_t open = rest.find('(');
    size_t close = open == std::string::npos ? open : rest.find(')', open);
    tree_.AddGroup(close == std::string::npos ? std::string() : rest.substr(open + 1, close - open - 1));
  }
  for (; word == "File"; text_.NextWord(&word)) {
    if (!ReadFileLine(text_.RestOfLine())) return false;
  }
  if (records_.empty()) return false;
  for (; word == "Options"; text_.NextWord(&word)) {
    if (!ReadOptionBlock(text_.RestOfLine())) return false;
  }
  return true;
}

bool CUv2Reader::ReadOptionBlock(const std::string& rest) {
  int target = 0, group = 0, file = 0;
  if (ScanValue(rest.c_str(), "%d,%d,%d", {&target, &group, &file}) != 3) {
    Tell(kBadOptions);
    return false;
  }
  // A block naming no known target or group, and every block that cannot be read to its
  // end, is abandoned: reading goes on after its "EndOpt".
  bool known = target >= 1 && static_cast<size_t>(target) <= records_.size() && group >= 0 &&
               static_cast<size_t>(group) <= tree_.Groups().size();
  if (known && group == 0 && file == 0) {
    ReadUv2TargetBlock(text_, &records_[target - 1], &thumb_);
  } else if (known && group != 0 && file != 0) {
    ReadFileBlock(target, tree_.Groups()[group - 1], rest);
  }
  text_.SkipBlock();
  return true;
}

bool CUv2Reader::ReadFileBlock(int target, ProjectItem* group, const std::string& rest) {
  size_t first = rest.find('\'');
  size_t last = rest.rfind('\'');
  std::string name = first == last ? std::string() : rest.substr(first + 1, last - first - 1);
  int kind = ClassifyFile(name);
  ProjectItem* file = tree_.FindFileNamed(group, name);
  int p[2] = {};
  if (!IsSourceFileType(kind) || file == nullptr || !text_.FindInBlock("PropFld") ||
      ScanValue(text_.RestOfLine().c_str(), "%*[ {]%d,%d,%*[^}]}", {&p[0], &p[1]}) != 2) {
    return false;
  }
  file->ro = (p[0] >> 2) & 0xF;
  file->bss = ((p[1] & 1) << 2) | ((p[0] >> 6) & 7);
  file->rw = (p[1] >> 2) & 7;
  const TargetRecord& defaults = DefaultTargetRecord();
  ItemOverride entry{records_[target - 1].name, defaults.compiler, defaults.assembler};
  // A record abandoned part way keeps what was filled.
  bool read = kind == kAssemblerFile ? ReadUv2AssemblerRecord(text_, &entry.assembler)
                                     : ReadUv2CompilerRecord(text_, thumb_, &entry.compiler);
  file->overrides.push_back(std::move(entry));
  return read;
}

std::unique_ptr<CProjectReader> MakeUv2Reader(const std::string& path, ProjectContext* context) {
  std::string text;
  if (context == nullptr || !context->fileSystem->ReadFile(path, &text)) {
    Tell(kCannotOpen);
    return nullptr;
  }
  return std::make_unique<CUv2Reader>(std::move(text));
}

}  // namespace zrt
