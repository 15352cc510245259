// The result codes of every command and the texts under which they are
// reported. The numbers are part of the public interface and never change.
#pragma once

#include <cstdint>

namespace zelvo {

namespace result {
constexpr int32_t kSuccess = 0;
constexpr int32_t kEndOfFile = 10;  // internal status of the file reader only
constexpr int32_t kCryptoUnavailable = 17;
constexpr int32_t kWriteFailed = 19;
constexpr int32_t kOpenFailed = 20;
constexpr int32_t kReadFailed = 21;
constexpr int32_t kBadData = 22;
constexpr int32_t kBadFileMode = 23;
constexpr int32_t kOutOfMemory = 24;
constexpr int32_t kBadChecksum = 25;
constexpr int32_t kUnknownError = 26;
constexpr int32_t kInvalidParameters = 28;
constexpr int32_t kItemNotFound = 32;
constexpr int32_t kUnknownCommand = 37;
constexpr int32_t kOffline = 42;
constexpr int32_t kToolStartFailed = 43;
constexpr int32_t kToolAccessDenied = 44;
constexpr int32_t kToolNotFound = 45;
constexpr int32_t kMissingDataKey = 47;
constexpr int32_t kMissingDataString = 48;
}  // namespace result

// The English text of a result code, or "" for a code that has none (0, 10
// and every code outside the table). The desktop tool translates these texts.
const char* ResultText(int32_t code);

}  // namespace zelvo
