#include "engine/chunk_file.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string_view>

#include "engine/checksum_salt.h"
#include "engine/coding.h"
#include "engine/result_code.h"

namespace zelvo {
namespace {

// Reads and writes go through a buffer of this size; larger chunk data is
// copied directly.
constexpr size_t kBufferSize = 64 * 1024;

const uint8_t* Bytes(std::string_view text) {
  return reinterpret_cast<const uint8_t*>(text.data());
}

}  // namespace

void Chunk::Reset() {
  tag_ = ChunkTag();
  length_ = 0;
  capacity_ = 0;
  data_.reset();
}

bool Chunk::Allocate(uint32_t length) {
  length_ = 0;
  if (length > capacity_) {
    capacity_ = 0;
    data_.reset(new (std::nothrow) uint8_t[length]);
    if (!data_) return false;
    capacity_ = length;
  }
  length_ = length;
  return true;
}

ChunkFile::ChunkFile(Platform* platform) : platform_(platform) {}

ChunkFile::~ChunkFile() { Close(); }

FileStatus ChunkFile::Open(const std::string& path, ChunkTag magic, FileMode mode) {
  Close();
  mode_ = mode;
  status_ = result::kCryptoUnavailable;
  hash_ = platform_->NewMd5();
  if (!hash_ || !hash_->Update(Bytes(kChecksumSaltFirstPiece), kChecksumSaltFirstPiece.size()) ||
      !hash_->Update(Bytes(kChecksumSaltSecondPiece), kChecksumSaltSecondPiece.size())) {
    Close();
    return status_;
  }

  if (mode == FileMode::kRead) {
    status_ = result::kOpenFailed;
    reader_ = platform_->OpenForReading(path);
    if (reader_) {
      reader_stamp_ = reader_->Stamp();
      unread_ = reader_stamp_.size;
      status_ = result::kReadFailed;
      uint8_t raw[4] = {};
      size_t got = 0;
      if (ReadBytes(raw, sizeof raw, &got)) {
        status_ = DecodeFixed32(raw) == magic.raw() ? 0 : result::kBadData;
      }
    }
  } else {
    status_ = result::kOpenFailed;
    std::string prefix = path + kTemporaryInfix;
    writer_ = platform_->CreateUniqueFile(prefix, &temporary_path_);
    if (writer_) {
      target_path_ = path;
      buffer_.reserve(kBufferSize);
      uint8_t raw[4];
      EncodeFixed32(raw, magic.raw());
      buffer_.assign(raw, raw + sizeof raw);
      status_ = 0;
    }
  }
  if (status_ != 0) Close();
  return status_;
}

bool ChunkFile::ReadBytes(uint8_t* destination, size_t n, size_t* bytes_read) {
  *bytes_read = 0;
  while (*bytes_read < n) {
    if (buffer_pos_ == buffer_.size()) {
      const size_t wanted = n - *bytes_read;
      buffer_.clear();
      buffer_pos_ = 0;
      size_t got = 0;
      if (wanted >= kBufferSize) {
        // Large data goes straight into the caller's memory.
        if (!reader_->Read(destination + *bytes_read, wanted, &got)) return false;
        *bytes_read += got;
        unread_ -= std::min<uint64_t>(unread_, got);
        if (got == 0) return true;
        continue;
      }
      // A small file needs no more than its own size.
      buffer_.resize(
          static_cast<size_t>(std::min<uint64_t>(kBufferSize, std::max<uint64_t>(unread_, 1))));
      if (!reader_->Read(buffer_.data(), buffer_.size(), &got)) {
        buffer_.clear();
        return false;
      }
      buffer_.resize(got);
      if (got == 0) return true;
    }
    const size_t take = std::min(n - *bytes_read, buffer_.size() - buffer_pos_);
    std::memcpy(destination + *bytes_read, buffer_.data() + buffer_pos_, take);
    buffer_pos_ += take;
    *bytes_read += take;
    unread_ -= std::min<uint64_t>(unread_, take);
  }
  return true;
}

FileStatus ChunkFile::ReadChunk(Chunk* chunk) {
  if (mode_ != FileMode::kRead) return status_ = result::kBadFileMode;
  if (!reader_) return status_ = result::kEndOfFile;

  uint8_t raw[4];
  size_t got = 0;
  if (!ReadBytes(raw, sizeof raw, &got) || got < sizeof raw) return status_ = result::kEndOfFile;
  chunk->set_tag(ChunkTag(DecodeFixed32(raw)));

  if (!ReadBytes(raw, sizeof raw, &got) || got < sizeof raw) return status_ = result::kReadFailed;
  const uint32_t length = DecodeFixed32(raw);
  // A length that runs past the end of the file is damage, found before any
  // memory is asked for.
  if (length > unread_) return status_ = result::kReadFailed;
  if (!chunk->Allocate(length)) return status_ = result::kOutOfMemory;
  if (!ReadBytes(chunk->data(), length, &got) || got < length) return status_ = result::kReadFailed;

  if (chunk->tag() != kChecksumTag && !Hash(chunk->data(), length)) {
    return status_ = result::kReadFailed;
  }
  return status_ = 0;
}

bool ChunkFile::Hash(const uint8_t* data, size_t n) {
  constexpr size_t kGather = 16 * 1024;
  if (hash_pending_.size() + n > kGather && !FlushHash()) return false;
  if (n >= kGather) return hash_->Update(data, n);
  hash_pending_.insert(hash_pending_.end(), data, data + n);
  return true;
}

bool ChunkFile::FlushHash() {
  const bool ok =
      hash_pending_.empty() || hash_->Update(hash_pending_.data(), hash_pending_.size());
  hash_pending_.clear();
  return ok;
}

bool ChunkFile::Flush() {
  if (write_failed_) return false;
  if (!buffer_.empty() && !writer_->Append(buffer_.data(), buffer_.size())) write_failed_ = true;
  buffer_.clear();
  return !write_failed_;
}

FileStatus ChunkFile::WriteChunk(const Chunk& chunk) {
  if (mode_ != FileMode::kWrite) return status_ = result::kBadFileMode;
  if (!writer_ || write_failed_) return status_ = result::kWriteFailed;

  uint8_t frame[8];
  EncodeFixed32(frame, chunk.tag().raw());
  EncodeFixed32(frame + 4, chunk.length());
  buffer_.insert(buffer_.end(), frame, frame + sizeof frame);
  const std::span<const uint8_t> data = chunk.bytes();
  if (buffer_.size() + data.size() <= kBufferSize) {
    buffer_.insert(buffer_.end(), data.begin(), data.end());
  } else if (!Flush() || (!data.empty() && !writer_->Append(data.data(), data.size()))) {
    write_failed_ = true;
    return status_ = result::kWriteFailed;
  }
  if (buffer_.size() >= kBufferSize && !Flush()) return status_ = result::kWriteFailed;

  if (chunk.tag() != kChecksumTag && !Hash(data.data(), data.size())) {
    write_failed_ = true;
    return status_ = result::kWriteFailed;
  }
  return status_ = 0;
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
  uint8_t digest[kDigestSize];
  if (!Digest(digest)) return result::kCryptoUnavailable;
  Chunk checksum;
  checksum.set_tag(kChecksumTag);
  if (!checksum.Allocate(kDigestSize)) return status_ = result::kOutOfMemory;
  std::memcpy(checksum.data(), digest, kDigestSize);
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
    const size_t slash = target_path_.rfind(platform_->PathSeparator());
    const std::string folder = slash == std::string::npos ? "." : target_path_.substr(0, slash + 1);
    // The new file is in place; a failed folder flush is reported, but the
    // rename cannot be undone.
    return platform_->SyncFolder(folder) ? 0 : result::kWriteFailed;
  }
  platform_->DeleteFile(temporary_path_);
  return result::kWriteFailed;
}

FileStatus ChunkFile::Close() {
  FileStatus result = 0;
  hash_.reset();
  hash_pending_.clear();
  digest_finished_ = false;
  if (writer_) {
    if (checksum_written_ && !write_failed_) {
      result = CommitWrite();
    } else {
      writer_.reset();
      platform_->DeleteFile(temporary_path_);
    }
  }
  reader_.reset();
  unread_ = 0;
  buffer_.clear();
  buffer_pos_ = 0;
  target_path_.clear();
  temporary_path_.clear();
  checksum_written_ = false;
  write_failed_ = false;
  return result;
}

}  // namespace zelvo
