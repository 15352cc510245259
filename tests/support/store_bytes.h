// Store files built byte by byte in a test, independently of the writer:
// little-endian fields, UTF-16LE strings, chunks and the salted MD5 checksum.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zelvo::testing {

std::string Fixed32(uint32_t value);
// A string field: its byte count, then the UTF-16LE code units.
std::string StringField(std::u16string_view text);

class FileBytes {
 public:
  explicit FileBytes(std::string_view magic) : bytes_(magic) {}

  // Appends a chunk whose data the checksum covers (unless it is "CKSM").
  FileBytes& Chunk(std::string_view tag, std::string_view data);
  // Appends the "CKSM" chunk with the digest of everything so far.
  FileBytes& Checksum();
  // The digest of the data appended so far.
  std::string Digest() const;

  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
  std::string hashed_;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, std::string_view bytes);

}  // namespace zelvo::testing
