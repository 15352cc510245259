// The read and write sequences that every store follows over a chunk file.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/chunk_file.h"

namespace zelvo {

// Called for every chunk read, before the checksum is known; returns false
// when the chunk is damaged (a field runs past its end).
using ChunkDecoder = std::function<bool(const Chunk& chunk)>;

// Opens `path`, hands every chunk to `decode` and verifies the checksum.
// Returns 0, the file status that ended the read, or 25 for a chunk that
// `decode` found damaged. On any non-zero result the caller must discard what
// it decoded, and `*unreadable` tells a file that is there but could not be
// read (ChunkFile::unreadable: it must be neither replaced nor taken as
// empty) from one that is missing or damaged. Stores the stamp of the file
// read in `*stamp` when given, and after a read that succeeded, the file's
// bytes in `*bytes` when given: the chunks handed to `decode` refer into them,
// and states of the digest about every `digest_state_interval` bytes in
// `*digest_states` when given (ChunkFile::KeepDigestStates).
FileStatus ReadStoreFile(Platform* platform, const std::string& path, ChunkTag magic,
                         const ChunkDecoder& decode, bool* unreadable, FileStamp* stamp = nullptr,
                         std::vector<uint8_t>* bytes = nullptr,
                         std::vector<DigestState>* digest_states = nullptr,
                         size_t digest_state_interval = 0);

// Fills `chunk` with `tag` and `length` bytes for the caller to encode into:
// 0, 19 for a length beyond the 32-bit field, or 24 when memory fails.
FileStatus PrepareChunk(Chunk* chunk, ChunkTag tag, size_t length);

// The last step of a save: the checksum, then the replacement of the old
// file. The first failure is the result.
FileStatus FinishStoreFile(ChunkFile* file);

}  // namespace zelvo
