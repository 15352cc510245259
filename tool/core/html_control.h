// What the tool asks of the HTML control in its view, whatever toolkit
// provides the control: a front end implements it over its web view.
#pragma once

#include <string>
#include <string_view>

#include "tool/core/web_links.h"

namespace zelvo {

class HtmlControl {
 public:
  virtual ~HtmlControl() = default;

  // Navigates to the request's address: with a body, as a POST of exactly
  // those bytes with the extra header; without, as a plain GET.
  virtual void Navigate(const WebRequest& request) = 0;
  // Navigates to one of the tool's own pages; false when it has none of
  // that name.
  virtual bool NavigateToOwnPage(const std::string& name) = 0;
  // Navigates to a file on this machine.
  virtual void NavigateToFile(const std::string& path) = 0;

  // Writes the report page into a new file in the user's temporary folder,
  // named "Zel", a unique part and ".html", created exclusively. Returns its
  // path, or empty when it could not be written.
  virtual std::string WriteReportFile(std::u16string_view page) = 0;

  virtual void Print() = 0;
  // Hands a "zvm:" address to the system, which starts a new tool for it.
  virtual void HandToSystem(std::u16string_view address) = 0;
  // Asks the frame to close once the event at hand has been handled.
  virtual void PostClose() = 0;
  // Starts the close timer (1001): the view's CloseTimerFired runs after
  // `milliseconds`.
  virtual void StartCloseTimer(int milliseconds) = 0;
  // A line on the system's debug channel.
  virtual void DebugOutput(std::string_view line) = 0;
};

}  // namespace zelvo
