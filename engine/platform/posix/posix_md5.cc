// MD5 from OpenSSL 3. Under a FIPS-only provider the fetch fails, and the
// hashing service counts as unavailable.
#include <openssl/evp.h>

#include "engine/platform/posix/posix_platform.h"

namespace zelvo {
namespace {

class OpenSslMd5 final : public Md5Hash {
 public:
  explicit OpenSslMd5(EVP_MD_CTX* context) : context_(context) {}
  ~OpenSslMd5() override { EVP_MD_CTX_free(context_); }

  bool Update(const uint8_t* data, size_t n) override {
    return EVP_DigestUpdate(context_, data, n) == 1;
  }

  bool Finish(uint8_t digest[16]) override {
    unsigned int size = 0;
    return EVP_DigestFinal_ex(context_, digest, &size) == 1 && size == 16;
  }

  std::unique_ptr<Md5Hash> Copy() const override {
    EVP_MD_CTX* copy = EVP_MD_CTX_new();
    if (copy == nullptr) return nullptr;
    if (EVP_MD_CTX_copy_ex(copy, context_) != 1) {
      EVP_MD_CTX_free(copy);
      return nullptr;
    }
    return std::make_unique<OpenSslMd5>(copy);
  }

 private:
  EVP_MD_CTX* const context_;
};

// Fetched once per process; fetching is far dearer than hashing a store file.
const EVP_MD* Md5Algorithm() {
  static EVP_MD* const algorithm = EVP_MD_fetch(nullptr, "MD5", nullptr);
  return algorithm;
}

}  // namespace

std::unique_ptr<Md5Hash> PosixPlatform::NewMd5() {
  const EVP_MD* algorithm = Md5Algorithm();
  if (algorithm == nullptr) return nullptr;
  EVP_MD_CTX* context = EVP_MD_CTX_new();
  if (context == nullptr) return nullptr;
  if (EVP_DigestInit_ex(context, algorithm, nullptr) != 1) {
    EVP_MD_CTX_free(context);
    return nullptr;
  }
  return std::make_unique<OpenSslMd5>(context);
}

}  // namespace zelvo
