// A host program with several threads calling the real library at once:
//   zelvo-threaded-host LIBRARY THREADS COUNT NAME
// Thread t adds the values NAME-t-0 .. NAME-t-(COUNT-1) to the key "MIXED",
// taking out every third one again right after the next is in, and prints
// one line for each change the library confirmed: "+value" or "-value".
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/text.h"

// UTF-16 units: char16_t here, wchar_t in the Windows header, the same bits.
using WideEntry = int32_t (*)(const char16_t*, const char16_t*, char16_t*);

WideEntry LoadWideEntry(const char* library_path) {
#ifdef _WIN32
  const HMODULE library = ::LoadLibraryA(library_path);
  if (library == nullptr) return nullptr;
  return reinterpret_cast<WideEntry>(
      reinterpret_cast<void*>(::GetProcAddress(library, "ZelvoCommandW")));
#else
  void* library = ::dlopen(library_path, RTLD_NOW);
  if (library == nullptr) return nullptr;
  return reinterpret_cast<WideEntry>(::dlsym(library, "ZelvoCommandW"));
#endif
}

int main(int argc, char** argv) {
  if (argc != 5) return 2;
  const WideEntry command = LoadWideEntry(argv[1]);
  if (command == nullptr) return 3;
#ifdef _WIN32
  // Lines end in LF alone, as on Linux.
  ::_setmode(::_fileno(stdout), _O_BINARY);
#endif
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
