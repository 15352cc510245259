// The form fields that a web link sends to the maker's pages: what the
// calling application, the user profile and the tool say of themselves, and
// their two encodings, a multipart body or a query.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/parameters.h"
#include "engine/user_profile.h"

namespace zelvo {

using FormFields = std::vector<std::pair<std::u16string, std::u16string>>;

struct ToolVersion {
  int major;
  int minor;
};

// The fields in their order, with the ones that are empty left out where the
// form says so. `silent` is the tool's silent value.
FormFields BuildFormFields(const ParameterMap& parameters, const UserProfile& profile,
                           int32_t silent, const std::optional<ToolVersion>& version);

// The extra header that goes with a multipart body.
inline constexpr char kMultipartHeader[] =
    "Content-type: multipart/form-data; boundary=AaB03x\r\n\r\n";

// "--AaB03x" CR LF, then every field in its multipart part, as UTF-16 text.
std::u16string MultipartBody(const FormFields& fields);

// The address with the fields appended as a query: "&" or "?" as the address
// needs, names and values percent-encoded as UTF-8 (a blank becomes "%20").
std::string QueryAddress(const std::string& address, const FormFields& fields);

// UTF-8 with every byte but the unreserved ones (letters, digits, "-", ".",
// "_", "~") written as "%XX".
std::string PercentEncoded(std::u16string_view text);

}  // namespace zelvo
