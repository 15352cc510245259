// Starting the desktop tool: CreateProcessW with the quoted program path, a
// blank and the argument as its command line, handles inherited, normal
// priority, the host's environment and current folder and an empty start-up
// record; then a wait without time limit.
#include <windows.h>

#include "engine/platform/win32/win32_platform.h"

namespace zelvo {

ProgramOutcome Win32Platform::RunProgram(const std::string& program, std::u16string_view argument) {
  std::wstring command_line = L"\"" + WidePath(program) + L"\" ";
  command_line.append(argument.begin(), argument.end());
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ProgramOutcome outcome;
  if (!::CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, TRUE, NORMAL_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &process)) {
    switch (::GetLastError()) {
      case ERROR_ACCESS_DENIED:
      case ERROR_DS_INSUFF_ACCESS_RIGHTS:
        outcome.kind = ProgramOutcome::Kind::kAccessDenied;
        break;
      case ERROR_FILE_NOT_FOUND:
      case ERROR_PATH_NOT_FOUND:
        outcome.kind = ProgramOutcome::Kind::kNotFound;
        break;
      default:  // 740 (elevation required) among them
        outcome.kind = ProgramOutcome::Kind::kStartFailed;
    }
    return outcome;
  }
  ::WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exit_code = 0;
  if (::GetExitCodeProcess(process.hProcess, &exit_code)) {
    outcome.kind = ProgramOutcome::Kind::kExited;
    outcome.exit_code = static_cast<int32_t>(exit_code);
  } else {
    outcome.kind = ProgramOutcome::Kind::kExitCodeUnknown;
  }
  ::CloseHandle(process.hProcess);
  ::CloseHandle(process.hThread);
  return outcome;
}

}  // namespace zelvo
