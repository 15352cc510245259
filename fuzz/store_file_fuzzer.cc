// Feeds arbitrary bytes to every reader of store files: the chunk-file read
// sequence, the user profile and the data store. Nothing may crash, read out
// of bounds or allocate without bound, and a failed load leaves nothing.
#include <cstdlib>

#include "engine/chunk_file.h"
#include "engine/data_folder.h"
#include "engine/data_store.h"
#include "engine/user_profile.h"
#include "fuzz/memory_platform.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace zelvo;
  static fuzzing::MemoryPlatform platform;
  platform.input = {data, size};

  for (ChunkTag magic : {ChunkTag("ZDF2"), ChunkTag("ZVU2"), ChunkTag("ZFIX")}) {
    ChunkFile file(&platform);
    if (file.Open("f", magic, FileMode::kRead) != 0) continue;
    Chunk chunk;
    size_t total = 0;
    while (file.ReadChunk(&chunk) == 0) total += 8 + chunk.length();
    Check(total + 4 <= size);
    if (file.Status() == 10) file.VerifyChecksum(chunk);
  }

  UserProfile profile;
  if (profile.Load(&platform, "user.zu2") != 0) {
    Check(profile.first_name.empty() && profile.member_id.empty() && profile.country_id == 0);
  }

  DataFolder folder(&platform);
  DataStore store(&platform, &folder);
  if (store.Load() != 0) Check(store.EntryCount() == 0);
  return 0;
}
