#include "library/tool_launcher.h"

#include "engine/names.h"
#include "engine/result_code.h"
#include "engine/text.h"

namespace zelvo {
namespace {

// What a Windows host's command line may hold: the quoted tool path, one
// blank and the command text, without the terminator.
constexpr size_t kCommandLineLimit = 2599;

}  // namespace

std::optional<std::string> LocateTool(Platform* platform) {
  const char separator = platform->PathSeparator();
  const std::string tool = platform->ProgramFileName(kToolName.narrow);
  for (std::string path : platform->CommonFilesFolders()) {
    for (const std::string& part :
         {std::string(kCompanyName.narrow), std::string(kProductName.narrow), tool})
      path.append(1, separator).append(part);
    if (platform->PathExists(path)) return path;
  }
  for (std::string path : {std::string(".") + separator + kToolName.narrow + separator + tool,
                           std::string(".") + separator + tool}) {
    if (platform->PathExists(path)) return path;
  }
  return std::nullopt;
}

int32_t LaunchTool(Platform* platform, std::u16string_view command_word,
                   const ParameterMap& parameters) {
  const std::optional<std::string> tool = LocateTool(platform);
  if (!tool) return result::kToolNotFound;
  const std::u16string text = FormatToolCommandLine(command_word, parameters);
  if (Utf8ToUtf16(*tool).size() + 3 + text.size() > kCommandLineLimit) {
    return result::kToolStartFailed;
  }
  const ProgramOutcome outcome = platform->RunProgram(*tool, text);
  switch (outcome.kind) {
    case ProgramOutcome::Kind::kExited:
      return outcome.exit_code;
    case ProgramOutcome::Kind::kExitCodeUnknown:
    case ProgramOutcome::Kind::kNotFound:
      return result::kToolNotFound;
    case ProgramOutcome::Kind::kAccessDenied:
      return result::kToolAccessDenied;
    case ProgramOutcome::Kind::kStartFailed:
      break;
  }
  return result::kToolStartFailed;
}

}  // namespace zelvo
