// Stands in for ZelvoTool in launcher tests. It appends its program path, its
// argument and its current folder to the file named by $FAKE_TOOL_LOG, one
// line each, then follows what the argument asks of it:
//   started="PATH"  create PATH (to tell the test it runs)
//   wait="PATH"     wait until PATH exists
//   signal="N"      die by signal N
//   exit="N"        exit with N (else 0)
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
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

}  // namespace

int main(int argc, char** argv) {
  const std::string argument = argc > 1 ? argv[1] : "";
  if (const char* log = std::getenv("FAKE_TOOL_LOG")) {
    char folder[4096] = {};
    std::ofstream(log, std::ios::app) << argv[0] << "\n"
                                      << argc << "|" << argument << "\n"
                                      << (::getcwd(folder, sizeof folder) ? folder : "?") << "\n";
  }
  if (const std::string started = Parameter(argument, "started"); !started.empty()) {
    std::ofstream(started) << "started";
  }
  if (const std::string wait = Parameter(argument, "wait"); !wait.empty()) {
    while (::access(wait.c_str(), F_OK) != 0)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (const std::string signal = Parameter(argument, "signal"); !signal.empty()) {
    ::raise(std::atoi(signal.c_str()));
  }
  return std::atoi(Parameter(argument, "exit").c_str());
}
