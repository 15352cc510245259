#include "tool/core/tool_texts.h"

#include "engine/result_code.h"
#include "tool/core/country_names.h"

namespace zelvo {

ToolText ResultMessageText(int32_t code) {
  return {"ResultText", ResultText(code), static_cast<int>(code)};
}

ToolText CountryNameText(int32_t country_id) {
  const char* name = CountryEnglishName(country_id);
  // Only the ids with a name have a number (and all of them are small).
  return {"CountryName", name, *name == '\0' ? 0 : ZELVO_IDS_COUNTRY_BASE + country_id};
}

}  // namespace zelvo
