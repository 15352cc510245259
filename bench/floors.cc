#include "bench/floors.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

namespace zelvo::bench {

void ReadAndHash(benchmark::State& state, const std::string& path) {
  std::vector<char> buffer(1 << 16);
  for (auto _ : state) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    EVP_MD_CTX* md5 = EVP_MD_CTX_new();
    EVP_DigestInit_ex(md5, EVP_md5(), nullptr);
    ssize_t got;
    while ((got = ::read(fd, buffer.data(), buffer.size())) > 0)
      EVP_DigestUpdate(md5, buffer.data(), got);
    unsigned char digest[16];
    EVP_DigestFinal_ex(md5, digest, nullptr);
    EVP_MD_CTX_free(md5);
    ::close(fd);
    benchmark::DoNotOptimize(digest);
  }
}

void WriteFlushRename(benchmark::State& state, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes(std::istreambuf_iterator<char>(in), {});
  const std::string temporary = path + ".floor";
  const std::string folder = path.substr(0, path.rfind('/') + 1);
  for (auto _ : state) {
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
    ::fdatasync(fd);
    ::close(fd);
    ::rename(temporary.c_str(), path.c_str());
    const int folder_fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    ::fsync(folder_fd);
    ::close(folder_fd);
  }
}

}  // namespace zelvo::bench
