#include "src/ui/framework/win32/windows_headers.h"
#include "src/ui/framework/win32/win32_sheet.h"


#include <algorithm>
#include <memory>
#include <vector>

#include "src/ui/framework/win32/win32_controls.h"
#include "src/ui/framework/win32/win32_template.h"

namespace zrt::ui::win32 {
namespace {

void InitControls() {
  INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
}

// A window of a page or dialog: its controls and dialogs while it exists.
struct DialogWindow {
  std::vector<WORD> dialogTemplate;
  std::unique_ptr<Win32Controls> controls;
  std::unique_ptr<Win32Services> services;

  void Create(HWND window, DialogLogic* logic) {
    controls = std::make_unique<Win32Controls>(window, logic);
    controls->Prepare();
    services = std::make_unique<Win32Services>(window);
    logic->AttachWindow(controls.get(), services.get());
  }

  // Messages every dialog window of the backend handles alike; true when handled.
  bool OnMessage(HWND window, UINT message, LPARAM lParam, DialogLogic* logic) {
    if (message == WM_DRAWITEM && controls->DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam))) {
      SetWindowLongPtrA(window, DWLP_MSGRESULT, TRUE);
      return true;
    }
    ControlEvent event;
    if (message == WM_NOTIFY && controls->NotifyEvent(*reinterpret_cast<NMHDR*>(lParam), &event)) {
      logic->OnControl(static_cast<int>(reinterpret_cast<NMHDR*>(lParam)->idFrom), event);
      return true;
    }
    return false;
  }
};

// Gives the sheet the pages' font before it is created, so that tabs, buttons and pages
// share one font.
int CALLBACK UseDialogFont(HWND, UINT message, LPARAM dialogTemplate) {
  if (message == PSCB_PRECREATE) SetTemplateFontSize(reinterpret_cast<void*>(dialogTemplate), kDialogFontPoints);
  return 0;
}

void SetResult(HWND window, LONG_PTR result) { SetWindowLongPtrA(window, DWLP_MSGRESULT, result); }

class Win32Sheet : public SheetWindow {
 public:
  explicit Win32Sheet(PropertySheet& sheet) : sheet_(sheet), pages_(sheet.PageCount()) {}

  int Run();

  void SetTabText(int index, const std::string& text) override {
    HWND tabs = PropSheet_GetTabControl(hwnd_);
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(tabs, TCM_SETITEMA, index, reinterpret_cast<LPARAM>(&item));
  }
  bool SetActivePage(int index) override { return PropSheet_SetCurSel(hwnd_, nullptr, index) != FALSE; }
  int ActivePage() const override {
    HWND page = PropSheet_GetCurrentPageHwnd(hwnd_);
    return page ? static_cast<int>(PropSheet_HwndToIndex(hwnd_, page)) : -1;
  }
  Rect ButtonRect(int id) const override {
    RECT r = {};
    HWND button = GetDlgItem(hwnd_, id);
    if (button == nullptr) return Rect{};
    GetWindowRect(button, &r);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
  }
  void CreateButton(int id, const std::string& label, const Rect& rect) override {
    HWND button = CreateWindowExA(0, "BUTTON", label.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                  rect.left, rect.top, rect.Width(), rect.Height(), hwnd_,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ThisModule(), nullptr);
    SendMessageA(button, WM_SETFONT, SendMessageA(hwnd_, WM_GETFONT, 0, 0), TRUE);
    buttons_.push_back(id);
  }
  void PageChanged(PropertyPage* page, bool changed) override {
    for (int i = 0; i < sheet_.PageCount(); ++i) {
      HWND window = sheet_.Page(i) == page ? PropSheet_IndexToHwnd(hwnd_, i) : nullptr;
      if (window == nullptr) continue;
      if (changed) {
        PropSheet_Changed(hwnd_, window);
      } else {
        PropSheet_UnChanged(hwnd_, window);
      }
    }
  }

 private:
  struct Page {
    Win32Sheet* sheet = nullptr;
    PropertyPage* page = nullptr;
    DialogWindow window;
  };

  static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK SheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // A page's notification from the sheet; true when handled.
  static bool OnPageNotify(HWND window, Page* page, const NMHDR& header);

  PropertySheet& sheet_;
  std::vector<Page> pages_;
  std::vector<int> buttons_;
  HWND hwnd_ = nullptr;
  WNDPROC sheetProc_ = nullptr;
  int pressed_ = kIdCancel;
};

constexpr const char* kSheetProperty = "ZRTSettings.Sheet";

INT_PTR CALLBACK Win32Sheet::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* page = reinterpret_cast<Page*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
    SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
    page->window.Create(window, page->page);
    page->page->OnInitDialog();
    return TRUE;
  }
  if (message == WM_MEASUREITEM) {
    MeasureItem(window, reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    return TRUE;
  }
  auto* page = reinterpret_cast<Page*>(GetWindowLongPtrA(window, DWLP_USER));
  if (page == nullptr || page->window.controls == nullptr) return FALSE;
  ControlEvent event;
  switch (message) {
    case WM_COMMAND:
      if (page->window.controls->CommandEvent(LOWORD(wParam), HIWORD(wParam), &event)) {
        page->page->OnControl(LOWORD(wParam), event);
      }
      return TRUE;
    case WM_NOTIFY: return OnPageNotify(window, page, *reinterpret_cast<NMHDR*>(lParam));
    case WM_DESTROY: page->page->AttachWindow(nullptr, nullptr); return FALSE;
  }
  return page->window.OnMessage(window, message, lParam, page->page);
}

bool Win32Sheet::OnPageNotify(HWND window, Page* page, const NMHDR& header) {
  PropertyPage& logic = *page->page;
  switch (header.code) {
    case PSN_SETACTIVE: SetResult(window, logic.OnSetActive() ? 0 : -1); return true;
    case PSN_KILLACTIVE: SetResult(window, logic.OnKillActive() ? FALSE : TRUE); return true;
    case PSN_APPLY: SetResult(window, logic.OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE); return true;
    case PSN_RESET: logic.OnReset(); return true;
  }
  return page->window.OnMessage(window, WM_NOTIFY, reinterpret_cast<LPARAM>(&header), page->page);
}

LRESULT CALLBACK Win32Sheet::SheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* sheet = static_cast<Win32Sheet*>(GetPropA(window, kSheetProperty));
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    int id = LOWORD(wParam);
    if (id == IDOK || id == IDCANCEL) sheet->pressed_ = id == IDOK ? kIdOk : kIdCancel;
    if (std::find(sheet->buttons_.begin(), sheet->buttons_.end(), id) != sheet->buttons_.end()) {
      sheet->sheet_.OnCommand(id);
      return 0;
    }
  }
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) sheet->pressed_ = kIdCancel;
  return CallWindowProcA(sheet->sheetProc_, window, message, wParam, lParam);
}

int Win32Sheet::Run() {
  if (sheet_.PageCount() == 0) return kIdCancel;
  InitControls();
  std::vector<PROPSHEETPAGEA> sheets(sheet_.PageCount());
  for (int i = 0; i < sheet_.PageCount(); ++i) {
    pages_[i].sheet = this;
    pages_[i].page = sheet_.Page(i);
    pages_[i].window.dialogTemplate = BuildDialogTemplate(sheet_.Page(i)->Template(), TemplateUse::kPage);
    PROPSHEETPAGEA& page = sheets[i];
    page.dwSize = sizeof page;
    page.dwFlags = PSP_DLGINDIRECT;
    page.hInstance = ThisModule();
    page.pResource = reinterpret_cast<LPCDLGTEMPLATE>(pages_[i].window.dialogTemplate.data());
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(&pages_[i]);
  }
  PROPSHEETHEADERA header = {};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_NOCONTEXTHELP | PSH_USECALLBACK;
  header.pfnCallback = UseDialogFont;
  header.hInstance = ThisModule();
  header.pszCaption = sheet_.Caption().c_str();
  header.nPages = sheet_.PageCount();
  header.ppsp = sheets.data();
  hwnd_ = reinterpret_cast<HWND>(PropertySheetA(&header));
  if (hwnd_ == nullptr || hwnd_ == reinterpret_cast<HWND>(-1)) return kIdCancel;
  SetPropA(hwnd_, kSheetProperty, this);
  sheetProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32Sheet::SheetProc)));
  sheet_.AttachWindow(this);
  sheet_.OnInitDialog();
  MSG message;
  while (PropSheet_GetCurrentPageHwnd(hwnd_) != nullptr && GetMessageA(&message, nullptr, 0, 0) > 0) {
    bool inSheet = message.hwnd == hwnd_ || IsChild(hwnd_, message.hwnd);
    bool enterOrEscape = message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE);
    if (inSheet && enterOrEscape) continue;  // neither closes the sheet
    if (!PropSheet_IsDialogMessage(hwnd_, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  sheet_.AttachWindow(nullptr);
  SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(sheetProc_));
  RemovePropA(hwnd_, kSheetProperty);
  DestroyWindow(hwnd_);
  return pressed_;
}

// The modal dialog's window procedure; the dialog comes as WM_INITDIALOG's lParam.
struct ModalState {
  ModalDialog* dialog = nullptr;
  DialogWindow window;
};

INT_PTR CALLBACK ModalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* state = reinterpret_cast<ModalState*>(lParam);
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    state->window.Create(window, state->dialog);
    state->dialog->OnInitDialog();
    return TRUE;
  }
  if (message == WM_MEASUREITEM) {
    MeasureItem(window, reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    return TRUE;
  }
  auto* state = reinterpret_cast<ModalState*>(GetWindowLongPtrA(window, DWLP_USER));
  if (state == nullptr || state->window.controls == nullptr) return FALSE;
  ControlEvent event;
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    if (LOWORD(wParam) == IDOK) {
      state->dialog->OnOK();
    } else {
      state->dialog->OnCancel();
    }
    EndDialog(window, LOWORD(wParam) == IDOK ? kIdOk : kIdCancel);
    return TRUE;
  }
  if (message == WM_COMMAND && state->window.controls->CommandEvent(LOWORD(wParam), HIWORD(wParam), &event)) {
    state->dialog->OnControl(LOWORD(wParam), event);
    return TRUE;
  }
  if (message == WM_DESTROY) state->dialog->AttachWindow(nullptr, nullptr);
  return state->window.OnMessage(window, message, lParam, state->dialog);
}

}  // namespace

int RunWin32Sheet(PropertySheet& sheet) { return Win32Sheet(sheet).Run(); }

int RunWin32Dialog(ModalDialog& dialog) {
  InitControls();
  ModalState state;
  state.dialog = &dialog;
  state.window.dialogTemplate = BuildDialogTemplate(dialog.Template(), TemplateUse::kModal);
  INT_PTR result = DialogBoxIndirectParamA(ThisModule(),
                                           reinterpret_cast<LPCDLGTEMPLATE>(state.window.dialogTemplate.data()),
                                           GetActiveWindow(), ModalProc, reinterpret_cast<LPARAM>(&state));
  return result == kIdOk ? kIdOk : kIdCancel;
}

}  // namespace zrt::ui::win32
