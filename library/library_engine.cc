#include "library/library_engine.h"

#include "library/tool_launcher.h"

namespace zelvo {
namespace {

int32_t LaunchWithDefaultPlatform(std::u16string_view command_word,
                                  const ParameterMap& parameters) {
  return LaunchTool(Platform::Default(), command_word, parameters);
}

#ifndef _WIN32
// Built during the library's static initialisation, before any command can
// arrive; destroyed when the library is unloaded, writing nothing.
CommandEngine engine(Platform::Default(), LaunchWithDefaultPlatform);
#endif

}  // namespace

CommandEngine& LibraryEngine() {
#ifdef _WIN32
  // Built on the first command, never while the DLL's static objects are set
  // up: that runs inside DllMain under the loader lock, where the CryptoAPI,
  // shell folder and window calls are unsafe.
  static CommandEngine engine(Platform::Default(), LaunchWithDefaultPlatform);
#endif
  return engine;
}

}  // namespace zelvo
