// The desktop tool's application object on Windows: start-up, the message
// loop while the window is open, and the exit sequence, over the tool core;
// and the services the core asks of Windows (message boxes, the satellite
// resource library, the registry, the Internet check, the caller's window).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "tool/core/tool_run.h"
#include "tool/core/tool_services.h"

class CMainFrame;

namespace zelvo {

class ZelvoToolApp final : public ToolServices {
 public:
  explicit ZelvoToolApp(HINSTANCE instance);
  ZelvoToolApp(const ZelvoToolApp&) = delete;
  ZelvoToolApp& operator=(const ZelvoToolApp&) = delete;
  ~ZelvoToolApp() override;

  // Runs the command of the process's command line; returns the exit code.
  int Run();

  ToolRun& run() { return run_; }
  // The program's own module: its icon, toolbar bitmap, pages and version.
  HINSTANCE instance() const { return instance_; }
  // The program's full path.
  const std::wstring& program_path() const { return program_path_; }
  // Where menus, dialogs and strings come from: the satellite library of
  // the language when one is loaded, else the program.
  HINSTANCE resources() const { return satellite_ != nullptr ? satellite_ : instance_; }
  // The caller's window named by `parentwnd`, or null.
  HWND parent_window() const { return parent_window_; }
  // A string of the tool by its number; empty when there is none.
  std::wstring LoadText(UINT id) const;

  void ShowMessage(std::u16string_view text, std::u16string_view caption) override;
  std::u16string Translate(const ToolText& text) override;
  void LoadTranslation(std::u16string_view language_id) override;
  bool ReadHttpGetMode() override;
  bool ReadWindowWasMaximized() override;
  ResultWriteFailure WriteRunResult(std::u16string_view text, int32_t code) override;
  std::optional<ToolVersion> ReadToolVersion() override;
  bool IsOnline() override;
  void RegisterUrlScheme() override;
  void AttachParentWindow(int32_t handle) override;

 private:
  void RunMessageLoop();

  const HINSTANCE instance_;
  const std::wstring program_path_;
  HMODULE satellite_ = nullptr;
  HMODULE rich_edit_ = nullptr;
  HWND parent_window_ = nullptr;
  ToolRun run_;
  std::unique_ptr<CMainFrame> main_frame_;
};

}  // namespace zelvo
