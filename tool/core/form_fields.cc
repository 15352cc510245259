#include "tool/core/form_fields.h"

#include "engine/language_table.h"
#include "engine/region_table.h"
#include "engine/text.h"

namespace zelvo {
namespace {

std::u16string Text(const ParameterMap& parameters, std::u16string_view key) {
  std::u16string value;
  GetText(parameters, key, &value);
  return value;
}

}  // namespace

FormFields BuildFormFields(const ParameterMap& parameters, const UserProfile& profile,
                           int32_t silent, const std::optional<ToolVersion>& version) {
  // What the profile says, by the names the fields use.
  const std::u16string language = Text(parameters, u"language_id");
  const std::u16string region(RegionCode(profile.country_id));
  const std::u16string country = DecimalText(profile.country_id);

  FormFields fields;
  const auto add_if_set = [&](std::u16string_view name, std::u16string value) {
    if (!value.empty()) fields.emplace_back(name, std::move(value));
  };
  const auto parameter_or = [&](std::u16string_view key, const std::u16string& information) {
    std::u16string value = Text(parameters, key);
    return value.empty() ? information : value;
  };

  add_if_set(u"product_id", Text(parameters, u"product_id"));
  add_if_set(u"category_id", Text(parameters, u"category_id"));
  if (!language.empty()) {
    add_if_set(u"Langue_ID", std::u16string(LanguageNumber(language)));
    add_if_set(u"locale_code", std::u16string(LocaleCode(language)));
  }
  add_if_set(u"region_code", region);
  fields.emplace_back(u"prodname", Text(parameters, u"prodname"));
  add_if_set(u"AppRev", parameter_or(u"apprev", Text(parameters, u"appver")));
  fields.emplace_back(u"firstname", parameter_or(u"firstname", profile.first_name));
  add_if_set(u"lastname", parameter_or(u"lastname", profile.last_name));
  add_if_set(u"country_id", parameter_or(u"country_id", country));
  add_if_set(u"email", parameter_or(u"email", profile.email));
  for (std::u16string_view key : {u"os", u"sw", u"hw"}) add_if_set(key, Text(parameters, key));
  add_if_set(u"optin", Text(parameters, u"optin"));
  add_if_set(u"member_id", profile.member_id);
  if (silent != 0) fields.emplace_back(u"silent", u"1");
  if (version) {
    fields.emplace_back(u"ZelvoRev",
                        DecimalText(version->major) + u"." + DecimalText(version->minor));
  }
  fields.emplace_back(u"ZelvoTool", u"1");
  return fields;
}

std::u16string MultipartBody(const FormFields& fields) {
  std::u16string body = u"--AaB03x\r\n";
  for (const auto& [name, value] : fields) {
    body += u"Content-Disposition: form-data; name=\"" + name +
            u"\"\r\nContent-Type: text/plain; charset=utf-16\r\n\r\n" + value + u"\r\n--AaB03x\r\n";
  }
  return body;
}

std::string PercentEncoded(std::u16string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : Utf16ToUtf8(text)) {
    if ((c >= '0' && c <= '9') || ((c | 32) >= 'a' && (c | 32) <= 'z') || c == '-' || c == '.' ||
        c == '_' || c == '~') {
      out.push_back(static_cast<char>(c));
    } else {
      out += {'%', kHex[c >> 4], kHex[c & 15]};
    }
  }
  return out;
}

std::string QueryAddress(const std::string& address, const FormFields& fields) {
  std::string result = address;
  if (result.find('?') == std::string::npos) {
    result += '?';
  } else if (!result.ends_with('?') && !result.ends_with('&')) {
    result += '&';
  }
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) result += '&';
    result += PercentEncoded(fields[i].first) + '=' + PercentEncoded(fields[i].second);
  }
  return result;
}

}  // namespace zelvo
