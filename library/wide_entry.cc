#include <string>

#include "library/include/zelvo.h"
#include "library/library_engine.h"

static_assert(sizeof(zelvo_char16) == sizeof(char16_t), "UTF-16 code units");

extern "C" ZELVO_EXPORT int32_t ZELVO_CALL ZelvoCommandW(const zelvo_char16* command,
                                                         const zelvo_char16* parameters,
                                                         zelvo_char16* output) {
  if (command == nullptr || parameters == nullptr || output == nullptr) {
    return ZELVO_INVALID_PARAMETERS;
  }
  return zelvo::LibraryEngine().Dispatch(reinterpret_cast<const char16_t*>(command),
                                         reinterpret_cast<const char16_t*>(parameters),
                                         reinterpret_cast<char16_t*>(output));
}
