#include "tool/core/country_names.h"

namespace zelvo {
namespace {

struct CountryRow {
  int id;
  const char* name;
};

constexpr CountryRow kCountries[] = {
#define ZELVO_COUNTRY(id, name) {id, name},
#include "tool/core/country_list.inc"
#undef ZELVO_COUNTRY
};

}  // namespace

const char* CountryEnglishName(int32_t country_id) {
  for (const CountryRow& row : kCountries) {
    if (row.id == country_id) return row.name;
  }
  return "";
}

}  // namespace zelvo
