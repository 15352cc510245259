#include "tests/support/store_bytes.h"

#include <openssl/evp.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "engine/checksum_salt.h"

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
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int size = 0;
  if (EVP_Digest(input.data(), input.size(), digest, &size, EVP_md5(), nullptr) != 1) {
    throw std::runtime_error("MD5 failed");
  }
  return std::string(reinterpret_cast<char*>(digest), size);
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
