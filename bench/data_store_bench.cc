// The data store's commands beside their physical floor, measured in the same
// run: a read from memory beside a plain map lookup, a change beside writing,
// flushing and renaming the same file bytes, a load beside reading and
// hashing the same bytes. scripts/bench.sh prints the ratios.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <openssl/evp.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>

#include "bench/floors.h"
#include "bench/store_writer.h"
#include "engine/command_engine.h"
#include "engine/data_store.h"
#include "engine/text.h"

namespace zelvo {
namespace {

using bench::WriteStoreFile;

std::u16string Key(int64_t i) { return FromAscii(bench::Key(i)); }

// A data folder holding such a store, and an engine that loaded it.
class StoreFolder {
 public:
  explicit StoreFolder(int64_t entries) {
    std::string pattern = "/tmp/zelvo-bench-XXXXXX";
    base_ = ::mkdtemp(pattern.data());
    ::setenv("ZELVO_COMMON_APPDATA", base_.c_str(), 1);
    DataFolder folder(Platform::Default());
    WriteStoreFile(folder.FilePath(kDataStoreFileName), entries);
    engine_ = std::make_unique<CommandEngine>(Platform::Default());
  }
  ~StoreFolder() { std::filesystem::remove_all(base_); }

  CommandEngine& engine() { return *engine_; }
  std::string File() const { return base_ + "/Orvane Systems/Zelvo/data.zd2"; }
  std::string Bytes() const {
    std::ifstream in(File(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::string base_;
  std::unique_ptr<CommandEngine> engine_;
};

void GetData(benchmark::State& state) {
  StoreFolder folder(state.range(0));
  char16_t output[kOutputCapacity];
  const std::u16string parameters = u"datakey=" + Key(state.range(0) / 2);
  for (auto _ : state) {
    benchmark::DoNotOptimize(folder.engine().Dispatch(u"GETDATA", parameters, output));
  }
}

void GetDataFloor(benchmark::State& state) {
  std::map<std::u16string, std::vector<std::u16string>> map;
  for (int64_t i = 0; i < state.range(0); ++i) map[Key(i)] = {u"a", u"b"};
  const std::u16string key = Key(state.range(0) / 2);
  for (auto _ : state) benchmark::DoNotOptimize(map.find(key));
}

// One change per iteration to the first, middle or last entry in key order,
// adding and removing one value in turn, so the store keeps its size. A
// change hashes the file from the changed entry on.
void Change(benchmark::State& state, int64_t entry) {
  StoreFolder folder(state.range(0));
  char16_t output[kOutputCapacity];
  const std::u16string parameters = u"datakey=" + Key(entry) + u",datastring=x";
  bool add = true;
  for (auto _ : state) {
    folder.engine().Dispatch(add ? u"ADDDATA" : u"DELDATA", parameters, output);
    add = !add;
  }
}
void ChangeFirst(benchmark::State& state) { Change(state, 0); }
void ChangeMiddle(benchmark::State& state) { Change(state, state.range(0) / 2); }
void ChangeLast(benchmark::State& state) { Change(state, state.range(0) - 1); }

// Each change beside a floor of its own, measured next to it.
void ChangeFloor(benchmark::State& state) {
  StoreFolder folder(state.range(0));
  bench::WriteFlushRename(state, folder.File());
}
void ChangeFirstFloor(benchmark::State& state) { ChangeFloor(state); }
void ChangeMiddleFloor(benchmark::State& state) { ChangeFloor(state); }
void ChangeLastFloor(benchmark::State& state) { ChangeFloor(state); }

void Load(benchmark::State& state) {
  StoreFolder folder(state.range(0));
  DataFolder data_folder(Platform::Default());
  data_folder.Path();  // resolved once per process, as in the engine
  // Timed from an empty store to a loaded one; freeing it afterwards is not
  // part of a load.
  for (auto _ : state) {
    DataStore store(Platform::Default(), &data_folder);
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(store.Load());
    state.SetIterationTime(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
}

void LoadFloor(benchmark::State& state) {
  StoreFolder folder(state.range(0));
  bench::ReadAndHash(state, folder.File());
}

#define SIZES Arg(10)->Arg(1000)->Arg(100000)
BENCHMARK(GetData)->SIZES;
BENCHMARK(GetDataFloor)->SIZES;
BENCHMARK(ChangeFirst)->SIZES->Unit(benchmark::kMicrosecond);
BENCHMARK(ChangeFirstFloor)->SIZES->Unit(benchmark::kMicrosecond);
BENCHMARK(ChangeMiddle)->SIZES->Unit(benchmark::kMicrosecond);
BENCHMARK(ChangeMiddleFloor)->SIZES->Unit(benchmark::kMicrosecond);
BENCHMARK(ChangeLast)->SIZES->Unit(benchmark::kMicrosecond);
BENCHMARK(ChangeLastFloor)->SIZES->Unit(benchmark::kMicrosecond);
BENCHMARK(Load)->SIZES->Unit(benchmark::kMicrosecond)->UseManualTime();
BENCHMARK(LoadFloor)->SIZES->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zelvo

BENCHMARK_MAIN();
