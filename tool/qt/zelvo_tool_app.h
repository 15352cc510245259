// The desktop tool's application object on Linux: Qt's application, the
// tool core's run of one command, and the services the core asks of Qt and
// the desktop (message boxes, translations, settings, the Internet check,
// the zvm: scheme, the caller's X11 window).
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QWindow>
#include <memory>
#include <string>

#include "tool/core/tool_run.h"
#include "tool/core/tool_services.h"

class CMainFrame;
class QTranslator;

namespace zelvo {

class ZelvoToolApp final : public ToolServices {
 public:
  ZelvoToolApp(int& argc, char** argv);
  ZelvoToolApp(const ZelvoToolApp&) = delete;
  ZelvoToolApp& operator=(const ZelvoToolApp&) = delete;
  ~ZelvoToolApp() override;

  // Start-up, the message loop while a window is open, and the exit
  // sequence. Returns the process exit code.
  int Run();

  ToolRun& run() { return run_; }
  // The caller's window named by `parentwnd`, while it exists.
  QWindow* parent_window() const { return parent_window_.data(); }

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
  std::unique_ptr<QCoreApplication> qt_;
  ToolRun run_;
  std::unique_ptr<QWindow> parent_window_owner_;
  QPointer<QWindow> parent_window_;
  std::unique_ptr<QTranslator> translator_;
  CMainFrame* main_frame_ = nullptr;
  std::u16string command_line_;
};

}  // namespace zelvo
