#include "engine/result_code.h"

namespace zelvo {
namespace {

struct ResultTextRow {
  int32_t code;
  const char* text;
};

constexpr ResultTextRow kResultTexts[] = {
    {result::kCryptoUnavailable, "Cannot access Crypto API"},
    {result::kWriteFailed, "Cannot write to Zelvo file"},
    {result::kOpenFailed, "Cannot open Zelvo file"},
    {result::kReadFailed, "Cannot read from Zelvo file"},
    {result::kBadData, "Bad Data"},
    {result::kBadFileMode, "Bad file mode"},
    {result::kOutOfMemory, "Out of memory"},
    {result::kBadChecksum, "Bad checksum in Zelvo data"},
    {result::kUnknownError, "Unknown error"},
    {result::kInvalidParameters, "Invalid parameters"},
    {result::kItemNotFound, "Item not found"},
    {result::kUnknownCommand, "Unknown command"},
    {result::kOffline, "An Internet connection could not be established."},
    {result::kToolStartFailed, "Error starting the ZelvoTool application."},
    {result::kToolAccessDenied, "Cannot start ZelvoTool, access denied."},
    {result::kToolNotFound, "Error starting the ZelvoTool application."},
    {result::kMissingDataKey, "Missing dataKey parameter"},
    {result::kMissingDataString, "Missing dataString parameter"},
};

}  // namespace

const char* ResultText(int32_t code) {
  for (const ResultTextRow& row : kResultTexts) {
    if (row.code == code) return row.text;
  }
  return "";
}

}  // namespace zelvo
