#include "tool/win32/about_dialog.h"

#include "tool/win32/resource.h"

namespace {

INT_PTR CALLBACK AboutProcedure(HWND dialog, UINT message, WPARAM w, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL) {
        ::EndDialog(dialog, LOWORD(w));
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

void CAboutDlg::DoModal(HINSTANCE resources, HWND owner) {
  ::DialogBoxParamW(resources, MAKEINTRESOURCEW(IDD_ABOUTBOX), owner, AboutProcedure, 0);
}
