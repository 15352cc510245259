// The stores the benchmarks measure: entries "KEY0000000", "KEY0000001", …
// with the two values "value-a-N" and "value-b-N".
#pragma once

#include <cstdint>
#include <string>

namespace zelvo::bench {

std::string Key(int64_t i);

// Writes a "data.zd2" of `entries` such entries, as any writer of the format
// would.
void WriteStoreFile(const std::string& path, int64_t entries);

}  // namespace zelvo::bench
