// zelvo.h gives C callers the engine's result codes and buffer size as
// macros; these keep the two the same.
#include "engine/command_engine.h"
#include "engine/result_code.h"
#include "zelvo.h"

namespace zelvo {

static_assert(ZELVO_OUTPUT_CAPACITY == kOutputCapacity);
static_assert(ZELVO_OK == result::kSuccess);
static_assert(ZELVO_CRYPTO_UNAVAILABLE == result::kCryptoUnavailable);
static_assert(ZELVO_WRITE_FAILED == result::kWriteFailed);
static_assert(ZELVO_OPEN_FAILED == result::kOpenFailed);
static_assert(ZELVO_READ_FAILED == result::kReadFailed);
static_assert(ZELVO_BAD_DATA == result::kBadData);
static_assert(ZELVO_BAD_FILE_MODE == result::kBadFileMode);
static_assert(ZELVO_OUT_OF_MEMORY == result::kOutOfMemory);
static_assert(ZELVO_BAD_CHECKSUM == result::kBadChecksum);
static_assert(ZELVO_UNKNOWN_ERROR == result::kUnknownError);
static_assert(ZELVO_INVALID_PARAMETERS == result::kInvalidParameters);
static_assert(ZELVO_ITEM_NOT_FOUND == result::kItemNotFound);
static_assert(ZELVO_UNKNOWN_COMMAND == result::kUnknownCommand);
static_assert(ZELVO_OFFLINE == result::kOffline);
static_assert(ZELVO_TOOL_START_FAILED == result::kToolStartFailed);
static_assert(ZELVO_TOOL_ACCESS_DENIED == result::kToolAccessDenied);
static_assert(ZELVO_TOOL_NOT_FOUND == result::kToolNotFound);
static_assert(ZELVO_MISSING_DATA_KEY == result::kMissingDataKey);
static_assert(ZELVO_MISSING_DATA_STRING == result::kMissingDataString);

}  // namespace zelvo
