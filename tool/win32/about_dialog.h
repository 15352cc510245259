// The About box (dialog 100): the program's name and version, and OK.
#pragma once

#include <windows.h>

class CAboutDlg {
 public:
  // Shows the box from `resources` (the satellite library when one is
  // loaded) over `owner` until it is closed.
  static void DoModal(HINSTANCE resources, HWND owner);
};
