// MD5 from the CryptoAPI: the default RSA provider, acquired once per
// process (it is never released: hashes may live until the process ends).
#include <windows.h>
// After windows.h.
#include <wincrypt.h>

#include "engine/platform/win32/win32_platform.h"

namespace zelvo {
namespace {

HCRYPTPROV Provider() {
  static const HCRYPTPROV provider = [] {
    HCRYPTPROV handle = 0;
    return ::CryptAcquireContextA(&handle, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT)
               ? handle
               : 0;
  }();
  return provider;
}

class CryptoApiMd5 final : public Md5Hash {
 public:
  explicit CryptoApiMd5(HCRYPTHASH hash) : hash_(hash) {}
  ~CryptoApiMd5() override { ::CryptDestroyHash(hash_); }

  bool Update(const uint8_t* data, size_t n) override {
    while (n > 0) {
      const DWORD piece = static_cast<DWORD>(std::min<size_t>(n, 1 << 30));
      if (!::CryptHashData(hash_, data, piece, 0)) return false;
      data += piece;
      n -= piece;
    }
    return true;
  }

  bool Finish(uint8_t digest[16]) override {
    DWORD size = 16;
    return ::CryptGetHashParam(hash_, HP_HASHVAL, digest, &size, 0) && size == 16;
  }

  std::unique_ptr<Md5Hash> Copy() const override {
    HCRYPTHASH copy = 0;
    if (!::CryptDuplicateHash(hash_, nullptr, 0, &copy)) return nullptr;
    return std::make_unique<CryptoApiMd5>(copy);
  }

 private:
  const HCRYPTHASH hash_;
};

}  // namespace

std::unique_ptr<Md5Hash> Win32Platform::NewMd5() {
  const HCRYPTPROV provider = Provider();
  HCRYPTHASH hash = 0;
  if (provider == 0 || !::CryptCreateHash(provider, CALG_MD5, 0, 0, &hash)) return nullptr;
  return std::make_unique<CryptoApiMd5>(hash);
}

}  // namespace zelvo
