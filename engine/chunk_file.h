// Reading and writing one store file, whose "CKSM" chunk holds the MD5
// digest of a salt and every other chunk's data.
//
// Writing never touches the file being replaced: the new content goes to a
// unique file beside it, which replaces the old one by rename only once it is
// complete and flushed. A write that fails or is abandoned leaves the old file
// whole and no temporary file behind.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "engine/chunk_format.h"
#include "engine/platform/platform.h"

namespace zelvo {

// The status of a file-layer operation; every non-zero status is also a
// command result code.
using FileStatus = uint16_t;

// A file being written is named after the file it replaces, this, and a
// unique suffix.
inline constexpr char kTemporaryInfix[] = ".tmp-";

// One chunk's tag and data. A chunk is sized once, before it is filled, and
// never grows while in use; its buffer is kept for the next chunk that fits,
// so a saver reusing one chunk allocates only for the largest. A chunk read
// from a file refers to the reader's copy of the file instead of holding its
// data.
class Chunk {
 public:
  Chunk() = default;
  Chunk(const Chunk&) = delete;
  Chunk& operator=(const Chunk&) = delete;

  void set_tag(ChunkTag tag) { tag_ = tag; }
  ChunkTag tag() const { return tag_; }
  uint32_t length() const { return length_; }

  // Makes the data exactly `length` bytes long, contents undefined. False
  // (and an empty chunk) when the memory cannot be had.
  bool Allocate(uint32_t length);
  // Makes the data the `length` bytes at `data`, which the chunk does not own.
  void Refer(ChunkTag tag, const uint8_t* data, uint32_t length);

  // The chunk's own buffer, for filling after Allocate.
  uint8_t* data() { return data_.get(); }
  std::span<const uint8_t> bytes() const {
    return {referred_ != nullptr ? referred_ : data_.get(), length_};
  }

 private:
  ChunkTag tag_;
  uint32_t length_ = 0;
  uint32_t capacity_ = 0;
  std::unique_ptr<uint8_t[]> data_;
  const uint8_t* referred_ = nullptr;
};

enum class FileMode : uint16_t { kRead = 0, kWrite = 1 };

// The digest's running state after the data of every chunk that lies before
// file offset `offset`, a chunk boundary. The digest runs over the chunk data
// in file order, so the state stays true for every file that begins with the
// same chunks.
struct DigestState {
  size_t offset = 0;
  std::shared_ptr<const Md5Hash> hash;
};

// One pass of reading or writing one store file.
//
// Reading: Open(kRead), ReadChunk until it returns non-zero, Status, and
// VerifyChecksum with the last chunk read when that status is 10; Close.
// Opening reads the whole file into memory: the chunks read refer to it, and
// TakeBytes hands it to the caller.
// Writing: Open(kWrite), WriteChunk or WriteChunks for the chunks,
// WriteChecksum, Close. What is written is handed to the system in large
// pieces and hashed after each is on its way to the device, so that the
// hashing overlaps the device's writing.
class ChunkFile {
 public:
  explicit ChunkFile(Platform* platform);
  ChunkFile(const ChunkFile&) = delete;
  ChunkFile& operator=(const ChunkFile&) = delete;
  ~ChunkFile();

  FileStatus Open(const std::string& path, ChunkTag magic, FileMode mode);
  // Makes `*chunk` refer to the next chunk of the file.
  FileStatus ReadChunk(Chunk* chunk);
  FileStatus WriteChunk(const Chunk& chunk);
  // Writes chunks already laid out as in a file (tag, length, data, and the
  // next); 19, failing the whole write, when a length runs past the end of
  // `chunks`.
  FileStatus WriteChunks(std::span<const uint8_t> chunks);
  // Appends the "CKSM" chunk; finishes the digest.
  FileStatus WriteChecksum();
  // Compares the digest with the first 16 data bytes of `chunk`; finishes the
  // digest. Does not change the stored status.
  FileStatus VerifyChecksum(const Chunk& chunk);
  // Writing, after Open and before any chunk: the data of the chunks that lie
  // before `state.offset` is in `state` already. Those chunks are still
  // written, but not hashed again. False when the state cannot be copied.
  bool ResumeDigest(const DigestState& state);
  // After Open (and ResumeDigest), before any chunk: keeps a copy of the
  // digest's state at the first chunk boundary at least `interval` bytes
  // after the previous one kept (or after the state resumed from), appending
  // it to `*states`.
  void KeepDigestStates(size_t interval, std::vector<DigestState>* states);

  // The result of the last Open, ReadChunk or WriteChunk.
  FileStatus Status() const { return status_; }

  // Whether the last Open for reading failed, or the file could not be read
  // whole, for a reason other than what the file holds: access refused, an
  // I/O error, memory. A missing file, or one that is no regular file, is not
  // unreadable.
  bool unreadable() const { return unreadable_; }

  // Whether Close put the file written in place of the old one (also when
  // making the folder's entry durable then failed).
  bool replaced() const { return replaced_; }

  // The stamp of the file open for reading, as of opening.
  const FileStamp& stamp() const { return reader_stamp_; }

  // The bytes of the file open for reading, whole. The chunks read refer into
  // them and stay valid while the caller keeps them; reading ends.
  std::vector<uint8_t> TakeBytes();

  // Releases everything the object holds. A file being written replaces the
  // old one here, and only when its checksum was written: then the data is
  // flushed, renamed over the old file and the folder flushed, and 19 is
  // returned when any of that fails. Otherwise the new file is discarded.
  FileStatus Close();

 private:
  FileStatus ReadWholeFile(const std::string& path, ChunkTag magic);
  // Feeds the digest; small pieces are gathered first, since each call into
  // the hashing service costs more than hashing a chunk of a few bytes.
  bool Hash(std::span<const uint8_t> data);
  // Feeds the digest with the data of the next chunk of the file (the one at
  // `hash_pos_`), unless it is a checksum or lies before the state resumed
  // from; keeps a copy of the state first when one is due.
  bool HashChunk(ChunkTag tag, std::span<const uint8_t> data);
  // HashChunk for every chunk in `chunks` (whole chunks, laid out as in a
  // file).
  bool HashChunks(std::span<const uint8_t> chunks);
  bool FlushHash();
  // Hands `n` bytes to the file, starting large amounts on their way to the
  // device.
  bool Append(const uint8_t* data, size_t n);
  // Writes `bytes` (whole chunks) to the file and hashes them.
  bool WriteAndHash(std::span<const uint8_t> bytes);
  // Writes out what the buffer holds.
  bool Flush();
  FileStatus CommitWrite();
  bool Digest(uint8_t digest[kDigestSize]);

  Platform* const platform_;
  FileStatus status_ = 0;
  FileMode mode_ = FileMode::kRead;
  std::unique_ptr<Md5Hash> hash_;
  std::vector<uint8_t> hash_pending_;
  bool digest_finished_ = false;
  uint8_t digest_[kDigestSize] = {};
  size_t hash_pos_ = 0;  // file offset of the next chunk to hash
  size_t resume_offset_ = 0;
  std::vector<DigestState>* kept_states_ = nullptr;
  size_t keep_interval_ = 0;
  size_t next_keep_ = 0;
  // Reading: the whole file. Writing: what is not yet handed to the system,
  // whole chunks, after the magic until the first flush.
  std::vector<uint8_t> buffer_;

  bool unreadable_ = false;
  bool replaced_ = false;

  // Reading.
  bool reading_ = false;
  FileStamp reader_stamp_;
  size_t read_pos_ = 0;

  // Writing.
  std::unique_ptr<WritableFile> writer_;
  std::string target_path_;
  std::string temporary_path_;
  bool magic_buffered_ = false;
  size_t unstarted_ = 0;  // bytes written since the device was last asked to start
  bool checksum_written_ = false;
  bool write_failed_ = false;
};

}  // namespace zelvo
