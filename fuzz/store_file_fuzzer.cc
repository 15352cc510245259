// Feeds arbitrary bytes to every reader of store files: the chunk-file read
// sequence, the user profile and the data store. Nothing may crash, read out
// of bounds or allocate without bound, and a failed load leaves nothing.
// Inputs laid out as chunks are also sealed with a valid checksum, so that the
// data store reads, changes and rewrites what they hold.
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>
#include <vector>

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
  {
    DataStore store(&platform, &folder);
    if (store.Load() != 0) Check(store.EntryCount() == 0);
  }

  // Whole files lose their magic and checksum, to be sealed afresh.
  std::span<const uint8_t> chunks(data, size);
  if (chunks.size() >= 4 && std::memcmp(chunks.data(), "ZDF2", 4) == 0) chunks = chunks.subspan(4);
  if (chunks.size() >= 24 &&
      std::memcmp(chunks.data() + chunks.size() - 24, "CKSM\x10\0\0\0", 8) == 0) {
    chunks = chunks.first(chunks.size() - 24);
  }
  ChunkFile sealer(&platform);
  if (sealer.Open("f", ChunkTag("ZDF2"), FileMode::kWrite) != 0 ||
      sealer.WriteChunks(chunks) != 0 || sealer.WriteChecksum() != 0 || sealer.Close() != 0) {
    return 0;
  }
  const std::vector<uint8_t> sealed = platform.written;
  platform.input = sealed;
  // Digest states every few bytes, so that the change hashes from one.
  DataStore store(&platform, &folder, 16);
  if (store.Load() != 0) return 0;
  std::u16string answer;
  store.AppendValues(u"K", u',', &answer);
  DataEntry entry = store.Find(u"k");
  if (entry.key().empty()) entry.set_key(u"K");
  entry.AddValue(u"fuzz");
  Check(store.Commit(std::move(entry)) == 0);
  // What was written reads back whole, with the change in it.
  const std::vector<uint8_t> rewritten = platform.written;
  platform.input = rewritten;
  DataStore reread(&platform, &folder);
  Check(reread.Load() == 0 && reread.EntryCount() == store.EntryCount());
  const DataEntry changed = reread.Find(u"k");
  bool has_change = false;
  for (size_t i = 0; i < changed.ValueCount(); ++i) has_change |= changed.ValueAt(i) == u"fuzz";
  Check(has_change);
  return 0;
}
