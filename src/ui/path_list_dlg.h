// The path list dialog (template 1004): edits a ";"-separated list of folders, one per
// row, with CListBoxEx; its browse button picks a folder.
#pragma once

#include <string>

#include "src/ui/framework/modal_dialog.h"
#include "src/ui/list_box_ex.h"

namespace zrt {

// The list control of the dialog.
constexpr int IDC_PATH_LIST = 1109;

class CPathListDlg : public ui::ModalDialog {
 public:
  // The dialog starts from text; the caller reads Text() after it closes.
  explicit CPathListDlg(const std::string& text);

  // The items joined with ";" as last rebuilt.
  const std::string& Text() const { return text_; }
  // The editable list over control IDC_PATH_LIST.
  CListBoxEx& List() { return list_; }

  // Splits the text at ";" into the items (an empty text gives none).
  bool OnInitDialog() override;
  // A selection change or the list losing the focus rebuilds the text; a double-click edits.
  void OnControl(int id, ui::ControlEvent event) override;
  // F2, Delete, and with Alt the arrow keys, go to the list.
  bool OnKeyDown(int id, uint32_t key, bool withAlt) override;
  // The placeholder item's text.
  std::string DisplayText(int id, int index) const override;
  // The tool bar above the list runs its buttons on the list.
  void OnToolButton(int id, int index) override;
  // The in-place editor's events go to the list.
  void OnInPlaceEvent(int id, uint32_t source, uint32_t code, uint32_t value, const std::string& text) override;

 private:
  // The list whose browse button picks a folder, made relative to the project.
  class PathList : public CListBoxEx {
   public:
    explicit PathList(CPathListDlg* dialog) : CListBoxEx(kBrowseStyle), dialog_(dialog) {}

   protected:
    void Browse(int item) override;

   private:
    CPathListDlg* dialog_;
  };

  void RebuildText();

  std::string text_;
  PathList list_;
};

}  // namespace zrt
