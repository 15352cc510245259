// The host's character set is the one of the environment's LC_CTYPE locale,
// looked up without touching the process locale; plain C/POSIX means UTF-8.
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "engine/platform/posix/posix_platform.h"

namespace zelvo {
namespace {

std::string HostCharset() {
  std::string charset = "UTF-8";
  locale_t locale = ::newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
  if (locale == static_cast<locale_t>(nullptr)) return charset;
  const char* name = ::nl_langinfo_l(CODESET, locale);
  if (name != nullptr && *name != '\0' && std::strcmp(name, "ANSI_X3.4-1968") != 0) {
    charset = name;
  }
  ::freelocale(locale);
  return charset;
}

class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(::iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) ::iconv_close(handle_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

  // Converts all of `input`; false on an invalid or unconvertible sequence.
  bool Convert(const char* input, size_t size, std::string* output) {
    output->clear();
    ::iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    char buffer[1024];
    char* in = const_cast<char*>(input);
    while (size > 0) {
      char* out = buffer;
      size_t room = sizeof buffer;
      const size_t done = ::iconv(handle_, &in, &size, &out, &room);
      output->append(buffer, static_cast<size_t>(out - buffer));
      if (done == static_cast<size_t>(-1) && errno != E2BIG) return false;
    }
    char* out = buffer;
    size_t room = sizeof buffer;
    if (::iconv(handle_, nullptr, nullptr, &out, &room) == static_cast<size_t>(-1)) return false;
    output->append(buffer, static_cast<size_t>(out - buffer));
    return true;
  }

 private:
  const iconv_t handle_;
};

}  // namespace

bool PosixPlatform::AnsiToWide(std::string_view ansi, std::u16string* wide) {
  Converter converter("UTF-16LE", HostCharset().c_str());
  std::string bytes;
  if (!converter.ok() || !converter.Convert(ansi.data(), ansi.size(), &bytes)) return false;
  wide->resize(bytes.size() / 2);
  for (size_t i = 0; i < wide->size(); ++i) {
    (*wide)[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                       static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
  }
  return true;
}

std::string PosixPlatform::WideToAnsi(std::u16string_view wide, size_t max_bytes) {
  Converter converter(HostCharset().c_str(), "UTF-16LE");
  std::string ansi;
  if (!converter.ok()) return ansi;
  // One character at a time, so that the text is cut only between characters
  // and a character the set lacks becomes '?' on its own.
  for (size_t i = 0; i < wide.size();) {
    const size_t units = i + 1 < wide.size() && wide[i] >= 0xD800 && wide[i] <= 0xDBFF &&
                                 wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF
                             ? 2
                             : 1;
    char le[4];
    for (size_t k = 0; k < units; ++k) {
      le[2 * k] = static_cast<char>(wide[i + k] & 0xFF);
      le[2 * k + 1] = static_cast<char>(wide[i + k] >> 8);
    }
    std::string piece;
    if (!converter.Convert(le, 2 * units, &piece)) piece = "?";
    if (ansi.size() + piece.size() > max_bytes) break;
    ansi += piece;
    i += units;
  }
  return ansi;
}

}  // namespace zelvo
