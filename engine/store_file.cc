#include "engine/store_file.h"

#include <limits>

#include "engine/result_code.h"

namespace zelvo {

FileStatus ReadStoreFile(Platform* platform, const std::string& path, ChunkTag magic,
                         const ChunkDecoder& decode, bool* unreadable, FileStamp* stamp,
                         std::vector<uint8_t>* bytes, std::vector<DigestState>* digest_states,
                         size_t digest_state_interval) {
  ChunkFile file(platform);
  FileStatus status = file.Open(path, magic, FileMode::kRead);
  *unreadable = file.unreadable();
  if (status != 0) return status;
  if (digest_states != nullptr) file.KeepDigestStates(digest_state_interval, digest_states);
  if (stamp != nullptr) *stamp = file.stamp();
  Chunk chunk;
  while ((status = file.ReadChunk(&chunk)) == 0) {
    if (!decode(chunk)) return result::kBadChecksum;
  }
  if (status == result::kEndOfFile) status = file.VerifyChecksum(chunk);
  if (status == 0 && bytes != nullptr) *bytes = file.TakeBytes();
  file.Close();
  return status;
}

FileStatus PrepareChunk(Chunk* chunk, ChunkTag tag, size_t length) {
  chunk->set_tag(tag);
  if (length > std::numeric_limits<uint32_t>::max()) return result::kWriteFailed;
  return chunk->Allocate(static_cast<uint32_t>(length)) ? 0 : result::kOutOfMemory;
}

FileStatus FinishStoreFile(ChunkFile* file) {
  const FileStatus status = file->WriteChecksum();
  const FileStatus closed = file->Close();
  return status != 0 ? status : closed;
}

}  // namespace zelvo
