// ZelvoTool for Windows: runs the one command of its command line.
#include <windows.h>

#include "tool/win32/zelvo_tool_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  zelvo::ZelvoToolApp app(instance);
  return app.Run();
}
