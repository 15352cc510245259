// The desktop tool's application object: one command per process, from the
// command line (or a zvm: link), run without a window for the store commands
// and in the main window for LINK, INFODISPLAY and DEBUGDISPLAY. The exit code
// is the command's result, also left in the user's settings.
#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWindow>
#include <memory>
#include <string>

#include "engine/command_engine.h"
#include "engine/parameters.h"

class CMainFrame;
class QTranslator;

namespace zelvo {

class ZelvoToolApp {
 public:
  ZelvoToolApp(int& argc, char** argv);
  ZelvoToolApp(const ZelvoToolApp&) = delete;
  ZelvoToolApp& operator=(const ZelvoToolApp&) = delete;
  ~ZelvoToolApp();

  // Start-up, the message loop while a window is open, and the exit
  // sequence. Returns the process exit code.
  int Run();

  // The one application object of the process.
  static ZelvoToolApp* Instance() { return instance_; }

  CommandEngine& engine() { return engine_; }
  const ParameterMap& parameters() const { return parameters_; }
  std::u16string Parameter(std::u16string_view key) const;
  const std::u16string& command() const { return command_; }
  int32_t result() const { return result_; }
  void set_result(int32_t result) { result_ = result; }
  int32_t silent() const { return silent_; }
  void set_silent(int32_t silent);
  bool alternative_links() const { return alternative_links_; }
  bool get_mode() const { return get_mode_; }
  bool maximized_start() const { return show_maximized_; }
  // The caller's window named by `parentwnd`, while it exists.
  QWindow* parent_window() const { return parent_window_.data(); }
  CMainFrame* main_frame() const { return main_frame_; }

  // A file to delete at exit.
  void AddTemporaryFile(const QString& path) { temporary_files_ << path; }

  // A warning box with `prodname` (or the given caption), owned by the main
  // window, else by the parent window. Without a display the text goes to
  // standard error.
  void ShowMessage(const QString& text, const QString& caption = QString()) const;

  // Why the navigating flag is set: a navigation is under way, and close
  // requests are ignored meanwhile.
  bool navigating() const { return navigating_; }
  void set_navigating(bool navigating) { navigating_ = navigating; }

 private:
  // Steps of start-up; false when no window is wanted.
  bool InitInstance();
  bool SetUpAndDispatch();
  void LoadTranslation(const std::u16string& language);
  void AttachParentWindow(int32_t handle);
  void RunStoreCommand(std::u16string_view word);
  int ExitInstance();

  static ZelvoToolApp* instance_;

  std::unique_ptr<QCoreApplication> qt_;
  CommandEngine engine_;
  ParameterMap parameters_;
  std::u16string command_;
  int32_t result_;
  std::u16string result_text_;
  std::u16string echo_command_;
  std::u16string echo_parameters_;
  int32_t silent_ = 0;
  bool alternative_links_ = false;
  bool get_mode_ = false;
  bool show_maximized_ = false;
  bool navigating_ = false;
  std::unique_ptr<QWindow> parent_window_owner_;
  QPointer<QWindow> parent_window_;
  std::unique_ptr<QTranslator> translator_;
  CMainFrame* main_frame_ = nullptr;
  QStringList temporary_files_;
  std::u16string command_line_;
};

}  // namespace zelvo
