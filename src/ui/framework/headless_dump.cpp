// The automation dump of a headless sheet: UTF-8, one line each, texts as JSON strings.
#include <cstdio>

#include "platform/code_page.h"
#include "src/ui/framework/headless_sheet.h"

namespace zrt::ui {
namespace {

// An ANSI text as a JSON string of its UTF-8 form.
std::string Json(const std::string& ansi) {
  std::string out = "\"";
  for (char c : platform::AnsiToUtf8(ansi)) {
    unsigned char byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      static const char kShort[] = "btn_fr";  // \b \t \n, \v has none, \f \r
      if (byte >= 8 && byte <= 13 && byte != 11) {
        out += '\\';
        out += kShort[byte - 8];
      } else {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
        out += escaped;
      }
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// STATE of a control: check state, selected index, or 0.
int StateOf(const HeadlessControl& control) {
  switch (control.source->kind) {
    case ControlKind::kCheck:
    case ControlKind::kRadio: return control.check;
    case ControlKind::kCombo:
    case ControlKind::kList:
    case ControlKind::kCustom: return control.selection;
    default: return 0;
  }
}

void DumpControl(const HeadlessControl& control, std::string* out) {
  ControlKind kind = control.source->kind;
  *out += std::to_string(control.source->id) + " " + ControlKindName(kind) + " " +
          (control.enabled ? "enabled" : "disabled") + " " + std::to_string(StateOf(control)) + " " +
          Json(control.text) + "\n";
  for (size_t i = 0; i < control.items.size(); ++i) {
    const HeadlessControl::Item& item = control.items[i];
    if (kind == ControlKind::kReport) {
      *out += "  row " + std::to_string(i);
      for (const std::string& cell : item.cells) *out += " " + Json(cell);
      *out += "\n";
    } else {
      *out += "  item " + std::to_string(i) + " " + Json(item.cells[0]) + "\n";
    }
  }
}

}  // namespace

std::string HeadlessSheet::Dump() const {
  std::string out = "sheet " + std::to_string(sheet_.Kind()) + " " + Json(sheet_.Caption()) + " " +
                    std::to_string(active_) + "\n";
  for (size_t i = 0; i < tabs_.size(); ++i) out += "tab " + std::to_string(i) + " " + Json(tabs_[i]) + "\n";
  if (const HeadlessDialog* dialog = ActiveDialog()) {
    out += "page " + std::to_string(dialog->Template().id) + "\n";
    for (const HeadlessControl* control : dialog->Visible()) {
      if (control->source->id != kNoId) DumpControl(*control, &out);
    }
  }
  return out + "end\n";
}

}  // namespace zrt::ui
