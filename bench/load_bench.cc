// How long a host waits from dlopen of libzelvo.so to its first answered
// command, and how much memory the engine then holds, by the size of
// "data.zd2". Each measurement runs in a fresh process, as the library loads
// its store once per process. Prints one line per size:
//   entries  file_bytes  load_us(median of 5)  heap_bytes  heap_bytes_per_entry
#include <dlfcn.h>
#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/store_writer.h"

namespace {

using WideEntry = int32_t (*)(const char16_t*, const char16_t*, char16_t*);

// In the child: load, answer one command, report time and heap growth.
int MeasureOnce(int report_fd) {
  // Large blocks are mapped on their own, outside the arena's count.
  const auto heap_in_use = [] {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
  };
  const size_t heap_before = heap_in_use();
  const auto start = std::chrono::steady_clock::now();
  void* library = ::dlopen(ZELVO_LIBRARY_PATH, RTLD_NOW);
  if (library == nullptr) return 1;
  const auto command = reinterpret_cast<WideEntry>(::dlsym(library, "ZelvoCommandW"));
  char16_t output[256];
  command(u"GETDATA", u"datakey=KEY0000000", output);
  const double micros =
      std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
  const double heap = static_cast<double>(heap_in_use() - heap_before);
  const double report[2] = {micros, heap};
  return ::write(report_fd, report, sizeof report) == sizeof report ? 0 : 1;
}

}  // namespace

int main() {
  std::string pattern = "/tmp/zelvo-load-bench-XXXXXX";
  const std::string base = ::mkdtemp(pattern.data());
  ::setenv("ZELVO_COMMON_APPDATA", base.c_str(), 1);
  ::unsetenv("XDG_RUNTIME_DIR");
  const std::string folder = base + "/Orvane Systems/Zelvo/";
  std::filesystem::create_directories(folder);
  double empty_heap = 0;
  std::printf("%10s %12s %12s %12s %10s\n", "entries", "file bytes", "load (us)", "heap bytes",
              "per entry");
  for (int64_t entries : {0, 10, 1000, 100000}) {
    zelvo::bench::WriteStoreFile(folder + "data.zd2", entries);
    std::vector<double> times;
    double heap = 0;
    for (int run = 0; run < 5; ++run) {
      int pipe_fds[2];
      if (::pipe(pipe_fds) != 0) return 1;
      const pid_t child = ::fork();
      if (child == 0) ::_exit(MeasureOnce(pipe_fds[1]));
      double report[2] = {0, 0};
      if (::read(pipe_fds[0], report, sizeof report) != sizeof report) return 1;
      ::waitpid(child, nullptr, 0);
      ::close(pipe_fds[0]);
      ::close(pipe_fds[1]);
      times.push_back(report[0]);
      heap = report[1];
    }
    std::sort(times.begin(), times.end());
    if (entries == 0) empty_heap = heap;
    std::printf("%10lld %12llu %12.0f %12.0f %10.1f\n", static_cast<long long>(entries),
                static_cast<unsigned long long>(std::filesystem::file_size(folder + "data.zd2")),
                times[2], heap,
                entries > 0 ? (heap - empty_heap) / static_cast<double>(entries) : 0.0);
  }
  std::filesystem::remove_all(base);
  return 0;
}
