// What a front end of the tool provides to the tool core: the services of
// its toolkit and operating system.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tool/core/form_fields.h"
#include "tool/core/tool_texts.h"

namespace zelvo {

// Why writing the run's result failed, if it did.
enum class ResultWriteFailure { kNone, kCannotCreate, kCannotWrite };

class ToolServices {
 public:
  virtual ~ToolServices() = default;

  // A warning box with the caption, owned by the main window while it is
  // open, else by the caller's window; without a display, a line on
  // standard error.
  virtual void ShowMessage(std::u16string_view text, std::u16string_view caption) = 0;

  // A text of the tool in the loaded translation's language (English when
  // none is loaded or it lacks the text).
  virtual std::u16string Translate(const ToolText& text) = 0;
  // Loads the translation for a language id; a missing one is no error.
  virtual void LoadTranslation(std::u16string_view language_id) = 0;

  // The settings (see settings_keys.h): the machine-wide request switch,
  // the main window's last "Maximized" entry, and the run's result.
  virtual bool ReadHttpGetMode() = 0;
  virtual bool ReadWindowWasMaximized() = 0;
  virtual ResultWriteFailure WriteRunResult(std::u16string_view text, int32_t code) = 0;

  // The tool's own version (major and minor), as the web links send it;
  // none when it cannot be read.
  virtual std::optional<ToolVersion> ReadToolVersion() = 0;

  // Whether the machine is connected to the Internet.
  virtual bool IsOnline() = 0;
  // Registers this program for "zvm:" links when nothing handles them yet.
  virtual void RegisterUrlScheme() = 0;
  // Takes the caller's window named by `parentwnd` as the owner of what the
  // tool shows; a handle the window system does not know is ignored.
  virtual void AttachParentWindow(int32_t handle) = 0;
};

}  // namespace zelvo
