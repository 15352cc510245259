// The physical floors the benchmarks compare with, as benchmark loops over a
// file: reading and MD5-hashing it, and writing the same bytes anew, flushing
// and renaming them over it, then flushing its folder.
#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace zelvo::bench {

void ReadAndHash(benchmark::State& state, const std::string& path);
void WriteFlushRename(benchmark::State& state, const std::string& path);

}  // namespace zelvo::bench
