// A host program with several threads calling the real library at once:
//   zelvo-threaded-host LIBRARY THREADS COUNT NAME
// Thread t adds the values NAME-t-0 .. NAME-t-(COUNT-1) to the key "MIXED",
// taking out every third one again right after the next is in, and prints
// one line for each change the library confirmed: "+value" or "-value".
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/text.h"

using WideEntry = int32_t (*)(const char16_t*, const char16_t*, char16_t*);

int main(int argc, char** argv) {
  if (argc != 5) return 2;
  void* library = ::dlopen(argv[1], RTLD_NOW);
  if (library == nullptr) return 3;
  const auto command = reinterpret_cast<WideEntry>(::dlsym(library, "ZelvoCommandW"));
  const int threads = std::atoi(argv[2]);
  const int count = std::atoi(argv[3]);
  const std::string name = argv[4];
  std::mutex print;
  const auto change = [&](const char16_t* word, const std::string& value, char sign) {
    char16_t output[256];
    const std::u16string parameters =
        u"datakey=\"mixed\",datastring=\"" + zelvo::Utf8ToUtf16(value) + u"\"";
    if (command(word, parameters.c_str(), output) != 0) return;
    std::lock_guard<std::mutex> hold(print);
    std::printf("%c%s\n", sign, value.c_str());
    std::fflush(stdout);
  };
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t) {
    workers.emplace_back([&, t] {
      const std::string prefix = name + "-" + std::to_string(t) + "-";
      for (int i = 0; i < count; ++i) {
        change(u"ADDDATA", prefix + std::to_string(i), '+');
        if (i % 3 == 1) change(u"DELDATA", prefix + std::to_string(i - 1), '-');
      }
    });
  }
  for (std::thread& worker : workers) worker.join();
  return 0;
}
