#include <cstring>
#include <string>

#include "engine/platform/platform.h"
#include "library/include/zelvo.h"
#include "library/library_engine.h"

namespace {

// What the ANSI entry converts, in UTF-16 code units.
constexpr size_t kCommandLimit = 255;
constexpr size_t kParametersLimit = 2047;
// No character set takes more bytes than this for one character; longer
// input is refused before it is converted.
constexpr size_t kMaxBytesPerCharacter = 4;

bool Fits(const char* text, size_t limit) {
  return ::strnlen(text, limit * kMaxBytesPerCharacter + 1) <= limit * kMaxBytesPerCharacter;
}

}  // namespace

extern "C" ZELVO_EXPORT int32_t ZELVO_CALL ZelvoCommandA(const char* command,
                                                         const char* parameters, char* output) {
  if (command == nullptr || parameters == nullptr || output == nullptr) {
    return ZELVO_INVALID_PARAMETERS;
  }
  if (!Fits(command, kCommandLimit) || !Fits(parameters, kParametersLimit)) {
    return ZELVO_INVALID_PARAMETERS;
  }
  zelvo::Platform* platform = zelvo::Platform::Default();
  std::u16string wide_command;
  std::u16string wide_parameters;
  if (!platform->AnsiToWide(command, &wide_command) || wide_command.size() > kCommandLimit ||
      !platform->AnsiToWide(parameters, &wide_parameters) ||
      wide_parameters.size() > kParametersLimit) {
    return ZELVO_INVALID_PARAMETERS;
  }
  // Empty, so that after result 26 (the wide output untouched) the caller
  // receives the empty string.
  char16_t wide_output[ZELVO_OUTPUT_CAPACITY] = {};
  const int32_t result =
      zelvo::LibraryEngine().Dispatch(wide_command, wide_parameters, wide_output);
  const std::string answer = platform->WideToAnsi(wide_output, ZELVO_OUTPUT_CAPACITY - 1);
  std::memset(output, 0, ZELVO_OUTPUT_CAPACITY);
  std::memcpy(output, answer.data(), answer.size());
  return result;
}
