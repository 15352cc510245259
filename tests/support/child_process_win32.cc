#include <windows.h>

#include <thread>

#include "engine/platform/win32/win32_platform.h"
#include "tests/support/child_process.h"

namespace zelvo::testing {
namespace {

// One argument as CommandLineToArgvW splits it back: quoted, with the
// backslashes before a quote doubled and the quote itself escaped.
std::wstring Quoted(const std::wstring& argument) {
  std::wstring out = L"\"";
  size_t backslashes = 0;
  for (wchar_t unit : argument) {
    if (unit == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(unit == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    out.push_back(unit);
  }
  out.append(2 * backslashes, L'\\');
  return out + L"\"";
}

// This process's environment with `additions` (NAME=value) set on top, as a
// block for CreateProcessW.
std::wstring EnvironmentBlock(const std::vector<std::string>& additions) {
  std::vector<std::wstring> variables;
  wchar_t* own = ::GetEnvironmentStringsW();
  for (const wchar_t* at = own; *at != L'\0'; at += wcslen(at) + 1) variables.push_back(at);
  ::FreeEnvironmentStringsW(own);
  for (const std::string& addition : additions) {
    const std::wstring wide = WidePath(addition);
    const std::wstring name = wide.substr(0, wide.find(L'=') + 1);
    std::erase_if(variables, [&](const std::wstring& v) {
      return _wcsnicmp(v.c_str(), name.c_str(), name.size()) == 0;
    });
    variables.push_back(wide);
  }
  std::wstring block;
  for (const std::wstring& variable : variables) block.append(variable).push_back(L'\0');
  block.push_back(L'\0');
  return block;
}

// Starts the program with pipes for its standard input and output; false
// when it cannot be started.
bool Start(const std::vector<std::string>& argv, const ChildOptions& options, HANDLE* process,
           HANDLE* to_child, HANDLE* from_child) {
  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
  HANDLE child_in = nullptr, child_out = nullptr;
  if (!::CreatePipe(&child_in, to_child, &inheritable, 0)) return false;
  if (!::CreatePipe(from_child, &child_out, &inheritable, 0)) {
    ::CloseHandle(child_in);
    ::CloseHandle(*to_child);
    return false;
  }
  // Only the child's ends are inherited.
  ::SetHandleInformation(*to_child, HANDLE_FLAG_INHERIT, 0);
  ::SetHandleInformation(*from_child, HANDLE_FLAG_INHERIT, 0);
  std::wstring line;
  for (const std::string& argument : argv) {
    if (!line.empty()) line.push_back(L' ');
    line += line.empty() || !options.arguments_as_they_are ? Quoted(WidePath(argument))
                                                           : WidePath(argument);
  }
  std::wstring block = EnvironmentBlock(options.environment);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = child_in;
  startup.hStdOutput = child_out;
  startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION started = {};
  const BOOL ok =
      ::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_UNICODE_ENVIRONMENT,
                       block.data(), nullptr, &startup, &started);
  ::CloseHandle(child_in);
  ::CloseHandle(child_out);
  if (!ok) {
    ::CloseHandle(*to_child);
    ::CloseHandle(*from_child);
    return false;
  }
  ::CloseHandle(started.hThread);
  *process = started.hProcess;
  return true;
}

int WaitForExit(HANDLE process) {
  DWORD code = 0;
  ::WaitForSingleObject(process, INFINITE);
  ::GetExitCodeProcess(process, &code);
  return static_cast<int>(code);
}

}  // namespace

ChildOutcome RunChild(const std::vector<std::string>& argv, const ChildOptions& options) {
  HANDLE process = nullptr, to_child = nullptr, from_child = nullptr;
  if (!Start(argv, options, &process, &to_child, &from_child)) return {};
  std::thread writer([&] {
    DWORD written = 0;
    for (size_t done = 0; done < options.input.size(); done += written) {
      if (!::WriteFile(to_child, options.input.data() + done,
                       static_cast<DWORD>(options.input.size() - done), &written, nullptr) ||
          written == 0) {
        break;
      }
    }
    ::CloseHandle(to_child);
  });
  ChildOutcome outcome;
  char buffer[4096];
  DWORD n = 0;
  while (::ReadFile(from_child, buffer, sizeof buffer, &n, nullptr) && n > 0)
    outcome.output.append(buffer, n);
  ::CloseHandle(from_child);
  writer.join();
  outcome.exit_code = WaitForExit(process);
  ::CloseHandle(process);
  return outcome;
}

LiveChild::LiveChild(const std::vector<std::string>& argv) {
  HANDLE process = nullptr, to_child = nullptr, from_child = nullptr;
  if (!Start(argv, ChildOptions(), &process, &to_child, &from_child)) return;
  process_ = process;
  to_child_ = to_child;
  from_child_ = from_child;
}

LiveChild::~LiveChild() {
  if (to_child_ != nullptr) ::CloseHandle(to_child_);
  if (process_ != nullptr) {
    if (!waited_) {
      Kill();
      Wait();
    }
    ::CloseHandle(process_);
  }
  if (from_child_ != nullptr) ::CloseHandle(from_child_);
}

bool LiveChild::WriteLine(const std::string& line) {
  const std::string text = line + "\n";
  DWORD written = 0;
  return ::WriteFile(to_child_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size();
}

size_t LiveChild::ReadSome(char* buffer, size_t size) {
  DWORD n = 0;
  if (!::ReadFile(from_child_, buffer, static_cast<DWORD>(size), &n, nullptr)) return 0;
  return n;
}

// The exit code a killed process reports, as 128 + SIGKILL on Linux.
void LiveChild::Kill() { ::TerminateProcess(process_, 137); }

int LiveChild::Wait() {
  if (!waited_) {
    exit_code_ = static_cast<unsigned long>(WaitForExit(process_));
    waited_ = true;
  }
  return static_cast<int>(exit_code_);
}

}  // namespace zelvo::testing
