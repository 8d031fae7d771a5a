#include "tools/common/source_scan.h"

#include <set>

#include "platform/file_system.h"
#include "tools/common/files.h"

namespace zrt::tools {
namespace {

// One file being read.
struct Frame {
  std::string path;
  std::vector<std::string> lines;
  size_t next = 0;
  DirectiveReader reader;
};

// The file an include names, as the tools write it: folder + name; "" when not found.
std::string Resolve(const Directive& directive, const std::string& includer, const IncludeSearch& search) {
  const std::string& name = directive.argument;
  if (IsAbsolutePath(name)) return platform::RealFileSystem().Exists(name) ? name : "";
  std::vector<std::string> folders;
  if (directive.kind == DirectiveKind::kInclude) folders.push_back(FolderOf(includer));
  folders.insert(folders.end(), search.folders.begin(), search.folders.end());
  for (const std::string& folder : folders) {
    bool joined = folder.empty() || folder.back() == '\\' || folder.back() == '/';
    std::string candidate = joined ? folder + name : folder + "\\" + name;
    if (platform::RealFileSystem().Exists(candidate) && !platform::RealFileSystem().IsDirectory(candidate)) {
      return candidate;
    }
  }
  return "";
}

// The caret line under column of line: tabs kept so that the caret lines up.
std::string CaretLine(const std::string& line, size_t column) {
  std::string caret = "  ";
  for (size_t i = 0; i < column && i < line.size(); ++i) caret += line[i] == '\t' ? '\t' : ' ';
  return caret + "^";
}

void ReportEvent(const SourceLanguage& language, Reporter& reporter, const SourceEvent& event) {
  for (const EventWording& wording : language.wordings) {
    if (wording.kind != event.kind) continue;
    std::string location = wording.location != nullptr ? wording.location : SourceLocation(event.file, event.line);
    reporter.Report({location, wording.severity, wording.code, wording.before + event.argument + wording.after});
    if (language.echoLine && event.line > 0) {
      reporter.Continue("  " + event.lineText);
      reporter.Continue(CaretLine(event.lineText, event.column));
    }
    return;
  }
}

class Walk {
 public:
  Walk(const IncludeSearch& search, const SourceLanguage& language, Reporter& reporter, ScanResult* result)
      : search_(search), language_(language), reporter_(reporter), result_(result) {}

  bool Run(const std::string& source) {
    if (!Enter(source)) {
      ReportEvent(language_, reporter_, {SourceEventKind::kMissingSource, source, 0, "", 0, source});
      return false;
    }
    result_->sourceLines = stack_.back().lines;
    while (!stack_.empty()) {
      Frame& frame = stack_.back();
      if (frame.next == frame.lines.size()) {
        stack_.pop_back();
      } else if (!Step(frame)) {
        return false;
      }
    }
    return true;
  }

 private:
  // Reads path and makes it the file being read; false when it cannot be read.
  bool Enter(const std::string& path) {
    std::string text, reason;
    if (!ReadInputFile(path, &text, &reason)) return false;
    seen_.insert(platform::RealFileSystem().FullPath(path));
    result_->text += text;
    stack_.push_back(Frame{path, SplitLines(text), 0, DirectiveReader(language_.syntax)});
    return true;
  }

  // Acts on the next line of frame; false when the walk must stop.
  bool Step(Frame& frame) {
    int lineNumber = static_cast<int>(++frame.next);
    const std::string& line = frame.lines[frame.next - 1];
    Directive directive = frame.reader.Read(line);
    SourceEvent event{
        SourceEventKind::kErrorMarker, frame.path, lineNumber, line, directive.column, directive.argument};
    switch (directive.kind) {
      case DirectiveKind::kNone:
        return true;
      case DirectiveKind::kError:
        ReportEvent(language_, reporter_, event);
        return true;
      case DirectiveKind::kWarning:
        event.kind = SourceEventKind::kWarningMarker;
        ReportEvent(language_, reporter_, event);
        return true;
      case DirectiveKind::kInclude:
      case DirectiveKind::kSystemInclude:
        break;
    }
    std::string path = Resolve(directive, frame.path, search_);
    if (path.empty()) {
      if (directive.kind == DirectiveKind::kSystemInclude) return true;
      event.kind = SourceEventKind::kMissingInclude;
      ReportEvent(language_, reporter_, event);
      return false;
    }
    result_->dependencies.push_back(path);
    // frame is not used after this: Enter may move the stack.
    if (seen_.count(platform::RealFileSystem().FullPath(path)) == 0 && !Enter(path)) {
      event.kind = SourceEventKind::kMissingInclude;
      ReportEvent(language_, reporter_, event);
      return false;
    }
    return true;
  }

  const IncludeSearch& search_;
  const SourceLanguage& language_;
  Reporter& reporter_;
  ScanResult* result_;
  std::vector<Frame> stack_;
  std::set<std::string> seen_;
};

}  // namespace

bool ScanSource(const std::string& source, const IncludeSearch& search, const SourceLanguage& language,
                Reporter& reporter, ScanResult* result) {
  return Walk(search, language, reporter, result).Run(source);
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace zrt::tools
