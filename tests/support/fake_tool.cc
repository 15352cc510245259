// Stands in for ZelvoTool in launcher tests. It appends its program path, its
// argument and its current folder to the file named by $FAKE_TOOL_LOG, one
// line each, then follows what the argument asks of it:
//   started="PATH"  create PATH (to tell the test it runs)
//   wait="PATH"     wait until PATH exists
//   signal="N"      die by signal N (POSIX only)
//   exit="N"        exit with N (else 0)
#ifdef _WIN32
#include <windows.h>
#endif

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

std::string Parameter(const std::string& text, const std::string& name) {
  const std::string start = name + "=\"";
  const size_t at = text.find(start);
  if (at == std::string::npos) return {};
  const size_t from = at + start.size();
  return text.substr(from, text.find('"', from) - from);
}

// The command text as the launcher passed it. On Windows that is the raw
// command line after the quoted program path and one blank: the C
// runtime's splitting would drop the quotes inside it.
std::string CommandText(int argc, char** argv) {
#ifdef _WIN32
  (void)argc;
  (void)argv;
  const std::wstring line = ::GetCommandLineW();
  size_t at = line[0] == L'"' ? line.find(L'"', 1) + 1 : line.find(L' ');
  if (at == std::wstring::npos || at >= line.size()) return "";
  const std::wstring tail = line.substr(at + 1);
  std::string text(static_cast<size_t>(::WideCharToMultiByte(CP_UTF8, 0, tail.c_str(), -1, nullptr,
                                                             0, nullptr, nullptr)),
                   '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, tail.c_str(), -1, text.data(), static_cast<int>(text.size()),
                        nullptr, nullptr);
  text.pop_back();  // the terminator
  return text;
#else
  return argc > 1 ? argv[1] : "";
#endif
}

}  // namespace

int main(int argc, char** argv) {
  const std::string argument = CommandText(argc, argv);
  if (const char* log = std::getenv("FAKE_TOOL_LOG")) {
    std::error_code error;
    const std::string folder = std::filesystem::current_path(error).string();
    std::ofstream(log, std::ios::app | std::ios::binary) << argv[0] << "\n"
                                                         << argc << "|" << argument << "\n"
                                                         << (error ? "?" : folder) << "\n";
  }
  if (const std::string started = Parameter(argument, "started"); !started.empty()) {
    std::ofstream(started) << "started";
  }
  if (const std::string wait = Parameter(argument, "wait"); !wait.empty()) {
    while (!std::filesystem::exists(wait))
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (const std::string signal = Parameter(argument, "signal"); !signal.empty()) {
    std::raise(std::atoi(signal.c_str()));
  }
  return std::atoi(Parameter(argument, "exit").c_str());
}
