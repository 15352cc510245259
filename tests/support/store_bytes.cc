#include "tests/support/store_bytes.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "engine/checksum_salt.h"
#include "engine/platform/platform.h"

namespace zelvo::testing {

std::string Fixed32(uint32_t value) {
  std::string out(4, '\0');
  for (int i = 0; i < 4; ++i) out[i] = static_cast<char>(value >> (8 * i));
  return out;
}

std::string StringField(std::u16string_view text) {
  std::string out = Fixed32(static_cast<uint32_t>(2 * text.size()));
  for (char16_t unit : text) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
  }
  return out;
}

FileBytes& FileBytes::Chunk(std::string_view tag, std::string_view data) {
  bytes_.append(tag).append(Fixed32(static_cast<uint32_t>(data.size()))).append(data);
  if (tag != "CKSM") hashed_.append(data);
  return *this;
}

FileBytes& FileBytes::Checksum() { return Chunk("CKSM", Digest()); }

std::string FileBytes::Digest() const {
  const std::string input =
      std::string(kChecksumSaltFirstPiece) + std::string(kChecksumSaltSecondPiece) + hashed_;
  // The platform's MD5 primitive (OpenSSL or CryptoAPI); the framing and
  // the salt are this file's own.
  std::unique_ptr<Md5Hash> md5 = Platform::Default()->NewMd5();
  uint8_t digest[16];
  if (md5 == nullptr ||
      !md5->Update(reinterpret_cast<const uint8_t*>(input.data()), input.size()) ||
      !md5->Finish(digest)) {
    throw std::runtime_error("MD5 failed");
  }
  return std::string(reinterpret_cast<char*>(digest), sizeof digest);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace zelvo::testing
