#include "bench/store_writer.h"

#include <cstdio>
#include <cstdlib>

#include "engine/chunk_file.h"
#include "engine/coding.h"
#include "engine/text.h"

namespace zelvo::bench {

std::string Key(int64_t i) {
  char text[32];
  std::snprintf(text, sizeof text, "KEY%07lld", static_cast<long long>(i));
  return text;
}

void WriteStoreFile(const std::string& path, int64_t entries) {
  ChunkFile file(Platform::Default());
  if (file.Open(path, ChunkTag("ZDF2"), FileMode::kWrite) != 0) std::abort();
  Chunk chunk;
  for (int64_t i = 0; i < entries; ++i) {
    const std::u16string key = FromAscii(Key(i));
    const std::u16string values[] = {u"value-a-" + DecimalText(i), u"value-b-" + DecimalText(i)};
    chunk.set_tag(ChunkTag("ZDT2"));
    chunk.Allocate(static_cast<uint32_t>(StringSize(key) + IntSize() + StringSize(values[0]) +
                                         StringSize(values[1])));
    uint8_t* pos = EncodeString(chunk.data(), key);
    pos = EncodeInt(pos, 2);
    for (const std::u16string& value : values) pos = EncodeString(pos, value);
    file.WriteChunk(chunk);
  }
  if (file.WriteChecksum() != 0 || file.Close() != 0) std::abort();
}

}  // namespace zelvo::bench
