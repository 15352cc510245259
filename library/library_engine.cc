#include "library/library_engine.h"

#include "library/tool_launcher.h"

namespace zelvo {
namespace {

int32_t LaunchWithDefaultPlatform(std::u16string_view command_word,
                                  const ParameterMap& parameters) {
  return LaunchTool(Platform::Default(), command_word, parameters);
}

// Built during the library's static initialisation, before any command can
// arrive; destroyed when the library is unloaded, writing nothing.
CommandEngine engine(Platform::Default(), LaunchWithDefaultPlatform);

}  // namespace

CommandEngine& LibraryEngine() { return engine; }

}  // namespace zelvo
