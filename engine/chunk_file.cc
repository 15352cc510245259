#include "engine/chunk_file.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string_view>

#include "engine/checksum_salt.h"
#include "engine/coding.h"
#include "engine/result_code.h"

namespace zelvo {
namespace {

// Reads and writes go through a buffer of this size; larger chunk data is
// copied directly.
constexpr size_t kBufferSize = 64 * 1024;
// The device is asked to start writing once this much is written and not yet
// on its way: below it, the extra device request costs more than the
// hashing it lets overlap.
constexpr size_t kWritebackMinimum = 64 * 1024;

const uint8_t* Bytes(std::string_view text) {
  return reinterpret_cast<const uint8_t*>(text.data());
}

}  // namespace

bool Chunk::Allocate(uint32_t length) {
  length_ = 0;
  referred_ = nullptr;
  if (length > capacity_) {
    capacity_ = 0;
    data_.reset(new (std::nothrow) uint8_t[length]);
    if (!data_) return false;
    capacity_ = length;
  }
  length_ = length;
  return true;
}

void Chunk::Refer(ChunkTag tag, const uint8_t* data, uint32_t length) {
  tag_ = tag;
  referred_ = data;
  length_ = length;
}

ChunkFile::ChunkFile(Platform* platform) : platform_(platform) {}

ChunkFile::~ChunkFile() { Close(); }

FileStatus ChunkFile::Open(const std::string& path, ChunkTag magic, FileMode mode) {
  Close();
  mode_ = mode;
  unreadable_ = false;
  replaced_ = false;
  hash_pos_ = kMagicSize;
  resume_offset_ = 0;
  kept_states_ = nullptr;
  status_ = result::kCryptoUnavailable;
  hash_ = platform_->NewMd5();
  if (!hash_ || !hash_->Update(Bytes(kChecksumSaltFirstPiece), kChecksumSaltFirstPiece.size()) ||
      !hash_->Update(Bytes(kChecksumSaltSecondPiece), kChecksumSaltSecondPiece.size())) {
    Close();
    return status_;
  }

  if (mode == FileMode::kRead) {
    status_ = ReadWholeFile(path, magic);
  } else {
    status_ = result::kOpenFailed;
    std::string prefix = path + kTemporaryInfix;
    writer_ = platform_->CreateUniqueFile(prefix, &temporary_path_);
    if (writer_) {
      target_path_ = path;
      buffer_.reserve(kBufferSize);
      buffer_.resize(kMagicSize);
      EncodeFixed32(buffer_.data(), magic.raw());
      magic_buffered_ = true;
      status_ = 0;
    }
  }
  if (status_ != 0) Close();
  return status_;
}

FileStatus ChunkFile::ReadWholeFile(const std::string& path, ChunkTag magic) {
  FileError error = FileError::kNone;
  std::unique_ptr<ReadableFile> reader = platform_->OpenForReading(path, &error);
  if (!reader) {
    unreadable_ = error == FileError::kUnavailable;
    return result::kOpenFailed;
  }
  reader_stamp_ = reader->Stamp();
  // From here on nothing that fails says anything of the file's content.
  unreadable_ = true;
  try {
    buffer_.resize(static_cast<size_t>(reader_stamp_.size));
  } catch (const std::bad_alloc&) {
    return result::kOutOfMemory;
  } catch (const std::length_error&) {
    return result::kOutOfMemory;
  }
  size_t filled = 0;
  while (filled < buffer_.size()) {
    size_t got = 0;
    if (!reader->Read(buffer_.data() + filled, buffer_.size() - filled, &got)) {
      return result::kReadFailed;
    }
    if (got == 0) break;
    filled += got;
  }
  buffer_.resize(filled);
  unreadable_ = false;
  reading_ = true;
  // A file shorter than the magic compares as if padded with zeros.
  uint8_t raw[kMagicSize] = {};
  read_pos_ = std::min<size_t>(sizeof raw, buffer_.size());
  std::copy_n(buffer_.begin(), read_pos_, raw);
  return DecodeFixed32(raw) == magic.raw() ? 0 : result::kBadData;
}

FileStatus ChunkFile::ReadChunk(Chunk* chunk) {
  if (mode_ != FileMode::kRead) return status_ = result::kBadFileMode;
  if (!reading_) return status_ = result::kEndOfFile;

  std::span<const uint8_t> rest = std::span(buffer_).subspan(read_pos_);
  if (rest.size() < kChunkTagSize) return status_ = result::kEndOfFile;
  ChunkView next;
  // A chunk cut short, or a length that runs past the end of the file, is
  // damage.
  if (!TakeChunk(&rest, &next)) return status_ = result::kReadFailed;
  chunk->Refer(next.tag, next.data.data(), static_cast<uint32_t>(next.data.size()));
  read_pos_ += next.size();

  if (!HashChunk(next.tag, next.data)) return status_ = result::kReadFailed;
  return status_ = 0;
}

std::vector<uint8_t> ChunkFile::TakeBytes() {
  reading_ = false;
  read_pos_ = 0;
  return std::move(buffer_);
}

bool ChunkFile::Hash(std::span<const uint8_t> data) {
  constexpr size_t kGather = 16 * 1024;
  // Nothing can be added once the digest is finished.
  if (digest_finished_) return false;
  if (hash_pending_.size() + data.size() > kGather && !FlushHash()) return false;
  if (data.size() >= kGather) return hash_->Update(data.data(), data.size());
  hash_pending_.insert(hash_pending_.end(), data.begin(), data.end());
  return true;
}

void ChunkFile::KeepDigestStates(size_t interval, std::vector<DigestState>* states) {
  kept_states_ = states;
  keep_interval_ = std::max<size_t>(interval, 1);
  next_keep_ = std::max(resume_offset_, hash_pos_) + keep_interval_;
}

bool ChunkFile::ResumeDigest(const DigestState& state) {
  std::unique_ptr<Md5Hash> copy = state.hash->Copy();
  if (!copy) return false;
  hash_ = std::move(copy);
  hash_pending_.clear();
  resume_offset_ = state.offset;
  return true;
}

bool ChunkFile::HashChunk(ChunkTag tag, std::span<const uint8_t> data) {
  const size_t offset = hash_pos_;
  hash_pos_ += kChunkHeaderSize + data.size();
  if (tag == kChecksumTag || offset < resume_offset_) return true;
  if (kept_states_ != nullptr && offset >= next_keep_) {
    if (!FlushHash()) return false;
    std::unique_ptr<Md5Hash> copy = hash_->Copy();
    if (copy) {
      kept_states_->push_back({offset, std::move(copy)});
      next_keep_ = offset + keep_interval_;
    } else {
      kept_states_ = nullptr;  // the caller goes without
    }
  }
  return Hash(data);
}

bool ChunkFile::HashChunks(std::span<const uint8_t> chunks) {
  // Chunks that lie wholly before the state resumed from need no look.
  if (hash_pos_ + chunks.size() <= resume_offset_) {
    hash_pos_ += chunks.size();
    return true;
  }
  // Every caller hands whole chunks.
  for (ChunkView chunk; TakeChunk(&chunks, &chunk);) {
    if (!HashChunk(chunk.tag, chunk.data)) return false;
  }
  return true;
}

bool ChunkFile::FlushHash() {
  const bool ok =
      hash_pending_.empty() || hash_->Update(hash_pending_.data(), hash_pending_.size());
  hash_pending_.clear();
  return ok;
}

bool ChunkFile::Append(const uint8_t* data, size_t n) {
  if (!writer_->Append(data, n)) return false;
  unstarted_ += n;
  if (unstarted_ >= kWritebackMinimum) {
    writer_->StartWriteback();
    unstarted_ = 0;
  }
  return true;
}

bool ChunkFile::WriteAndHash(std::span<const uint8_t> bytes) {
  if (write_failed_) return false;
  if (bytes.empty()) return true;
  if (!Append(bytes.data(), bytes.size()) || !HashChunks(bytes)) write_failed_ = true;
  return !write_failed_;
}

bool ChunkFile::Flush() {
  if (write_failed_) return false;
  if (!buffer_.empty() && !Append(buffer_.data(), buffer_.size())) write_failed_ = true;
  if (!write_failed_) {
    const size_t chunks_start = magic_buffered_ ? kMagicSize : 0;
    if (!HashChunks(std::span(buffer_).subspan(chunks_start))) write_failed_ = true;
  }
  magic_buffered_ = false;
  buffer_.clear();
  return !write_failed_;
}

FileStatus ChunkFile::WriteChunk(const Chunk& chunk) {
  if (mode_ != FileMode::kWrite) return status_ = result::kBadFileMode;
  if (!writer_ || write_failed_) return status_ = result::kWriteFailed;

  const std::span<const uint8_t> data = chunk.bytes();
  if (buffer_.size() + kChunkHeaderSize + data.size() > kBufferSize && !Flush()) {
    return status_ = result::kWriteFailed;
  }
  uint8_t frame[kChunkHeaderSize];
  EncodeChunkHeader(frame, chunk.tag(), chunk.length());
  if (sizeof frame + data.size() <= kBufferSize) {
    buffer_.insert(buffer_.end(), frame, frame + sizeof frame);
    buffer_.insert(buffer_.end(), data.begin(), data.end());
    return status_ = 0;
  }
  // Larger data goes out directly, behind its frame.
  if (!Append(frame, sizeof frame) || !Append(data.data(), data.size()) ||
      !HashChunk(chunk.tag(), data)) {
    write_failed_ = true;
  }
  return status_ = write_failed_ ? result::kWriteFailed : 0;
}

FileStatus ChunkFile::WriteChunks(std::span<const uint8_t> chunks) {
  if (mode_ != FileMode::kWrite) return status_ = result::kBadFileMode;
  if (!writer_ || write_failed_) return status_ = result::kWriteFailed;
  ChunkView chunk;
  for (std::span<const uint8_t> rest = chunks; !rest.empty();) {
    if (!TakeChunk(&rest, &chunk)) {
      // Nothing of it is written, and the file is not to replace the old one.
      write_failed_ = true;
      return status_ = result::kWriteFailed;
    }
  }
  if (buffer_.size() + chunks.size() <= kBufferSize) {
    buffer_.insert(buffer_.end(), chunks.begin(), chunks.end());
    return status_ = 0;
  }
  return status_ = Flush() && WriteAndHash(chunks) ? 0 : result::kWriteFailed;
}

bool ChunkFile::Digest(uint8_t digest[kDigestSize]) {
  if (!hash_) return false;
  if (!digest_finished_) {
    if (!FlushHash() || !hash_->Finish(digest_)) return false;
    digest_finished_ = true;
  }
  std::memcpy(digest, digest_, kDigestSize);
  return true;
}

FileStatus ChunkFile::WriteChecksum() {
  if (mode_ == FileMode::kWrite && writer_ && !Flush()) return status_ = result::kWriteFailed;
  uint8_t digest[kDigestSize];
  if (!Digest(digest)) return result::kCryptoUnavailable;
  Chunk checksum;
  checksum.Refer(kChecksumTag, digest, kDigestSize);
  const FileStatus status = WriteChunk(checksum);
  checksum_written_ = status == 0;
  return status;
}

FileStatus ChunkFile::VerifyChecksum(const Chunk& chunk) {
  uint8_t digest[kDigestSize];
  if (!Digest(digest)) return result::kCryptoUnavailable;
  // Fewer than 16 bytes (or no chunk at all) cannot hold the digest.
  if (chunk.length() < kDigestSize) return result::kBadChecksum;
  return std::memcmp(digest, chunk.bytes().data(), kDigestSize) == 0 ? 0 : result::kBadChecksum;
}

FileStatus ChunkFile::CommitWrite() {
  // Flush the data before the rename, and the folder after it, so that after
  // a crash the name points at either the old file or the whole new one.
  bool ok = Flush() && writer_->Sync();
  ok = writer_->Close() && ok;
  writer_.reset();
  if (ok && platform_->RenameFile(temporary_path_, target_path_)) {
    replaced_ = true;
    const size_t slash = target_path_.rfind(platform_->PathSeparator());
    const std::string folder = slash == std::string::npos ? "." : target_path_.substr(0, slash + 1);
    // The new file is in place; a failed folder flush is reported, but the
    // rename cannot be undone.
    return platform_->SyncFolder(folder) ? 0 : result::kWriteFailed;
  }
  platform_->RemoveFile(temporary_path_);
  return result::kWriteFailed;
}

FileStatus ChunkFile::Close() {
  FileStatus result = 0;
  if (writer_) {
    if (checksum_written_ && !write_failed_) {
      result = CommitWrite();
    } else {
      writer_.reset();
      platform_->RemoveFile(temporary_path_);
    }
  }
  hash_.reset();
  hash_pending_.clear();
  digest_finished_ = false;
  reading_ = false;
  read_pos_ = 0;
  buffer_.clear();
  magic_buffered_ = false;
  unstarted_ = 0;
  target_path_.clear();
  temporary_path_.clear();
  checksum_written_ = false;
  write_failed_ = false;
  return result;
}

}  // namespace zelvo
