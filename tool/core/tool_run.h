// One run of the tool, from its command line to its exit code: start-up,
// the store commands run without a window, the state the window commands
// share with the window (result, silent, link set, get mode, the navigating
// flag, temporary files), what the view loads, and the exit sequence. The
// front end supplies the services and the window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/command_engine.h"
#include "engine/parameters.h"
#include "tool/core/tool_services.h"
#include "tool/core/web_links.h"

namespace zelvo {

// What the view is to show.
struct Destination {
  enum class Kind { kWeb, kLocalPage, kClose };
  Kind kind = Kind::kClose;
  WebRequest request;      // kWeb
  bool with_form = false;  // kWeb: the request carries the form fields
  std::string local_page;  // kLocalPage: the name of one of the tool's pages
};

class ToolRun {
 public:
  // How long a silent window stays after its page has loaded.
  static constexpr int kSilentCloseMilliseconds = 3000;

  ToolRun(Platform* platform, ToolServices* services);
  ToolRun(const ToolRun&) = delete;
  ToolRun& operator=(const ToolRun&) = delete;

  // The command of a command line ("zvm:" and all), for deciding what the
  // front end must set up before Start.
  static bool OpensWindow(std::u16string_view command_line);

  // Start-up and dispatch. True when the main window is wanted; the store
  // commands and refused window commands have their result by then.
  bool Start(std::u16string_view command_line);
  // The exit sequence: the result into the settings (a message when that
  // fails), the temporary files removed, the echo. Returns the exit code.
  int Finish();

  std::u16string Parameter(std::u16string_view key) const;
  const std::u16string& command() const { return command_; }
  void set_result(int32_t result) { result_ = result; }
  int32_t silent() const { return silent_; }
  bool alternative_links() const { return alternative_links_; }
  // Whether web links send their form fields in the address's query (the
  // "ZelvoHttpGet" switch) instead of a POST body.
  bool fields_in_query() const { return fields_in_query_; }
  bool maximized_start() const { return maximized_start_; }
  // Set while a navigation is under way; close requests wait meanwhile.
  bool navigating() const { return navigating_; }
  void set_navigating(bool navigating) { navigating_ = navigating; }

  // A file to remove at exit.
  void AddTemporaryFile(std::string path) { temporary_files_.push_back(std::move(path)); }

  // A warning box with `prodname` as its caption.
  void ShowMessage(std::u16string_view text);
  // The translated text of a result code; empty for a code without one.
  std::u16string ResultMessage(int32_t code);

  // The first page of LINK, and the page of a Go To item (with the form
  // fields in the standard link set, plainly in the alternative one).
  // Anything thrown on the way gives result 26 and closes the window.
  Destination LinkDestination();
  Destination MenuDestination(MenuTarget target);

  // The report page of INFODISPLAY or DEBUGDISPLAY, from the profile as it
  // is now (its defaults when it cannot be read).
  std::u16string ReportPageText();

  // After a page has loaded: silent is kept as 0 or 1, and a silent run
  // that has succeeded closes its window a little later.
  enum class AfterLoad { kStay, kCloseLater, kCloseNow };
  AfterLoad PageLoaded();

 private:
  void RunStoreCommand();
  // A text in the loaded translation's language; empty for one without words.
  std::u16string Translated(const ToolText& text);
  UserProfile LoadProfile();
  Destination WithForm(const std::string& address);

  CommandEngine engine_;
  ToolServices* const services_;
  ParameterMap parameters_;
  std::u16string command_;
  std::u16string echo_command_;
  std::u16string echo_parameters_;
  int32_t result_;
  std::u16string result_text_;
  int32_t silent_ = 0;
  bool alternative_links_ = false;
  bool fields_in_query_ = false;
  bool maximized_start_ = false;
  bool navigating_ = false;
  std::vector<std::string> temporary_files_;
};

}  // namespace zelvo
