// Starting the desktop tool for the window commands and waiting for it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/parameters.h"
#include "engine/platform/platform.h"

namespace zelvo {

// The first of these places that exists: the installed tool below the common
// program files folder, ./ZelvoTool/ZelvoTool, ./ZelvoTool.
std::optional<std::string> LocateTool(Platform* platform);

// Starts the tool with the command line made of the word and the parameters,
// waits for it without time limit and returns its exit code; 45 when no tool
// is found, 44 when starting it is refused, 43 when it fails to start or the
// command line would exceed 2599 characters.
int32_t LaunchTool(Platform* platform, std::u16string_view command_word,
                   const ParameterMap& parameters);

}  // namespace zelvo
