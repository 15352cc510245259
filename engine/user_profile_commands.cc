#include "engine/region_table.h"
#include "engine/result_code.h"
#include "engine/store_commands.h"
#include "engine/text.h"
#include "engine/user_profile.h"

namespace zelvo {

int32_t UpdateUser(StoreContext& context, const ParameterMap& parameters, std::u16string*) {
  // Held from the read to the replacement, so that two processes changing
  // different fields at once both keep theirs.
  const auto lock = context.folder->LockForChange();
  if (!lock) return result::kOpenFailed;
  const std::string path = context.folder->UserProfilePath();
  UserProfile profile;
  // A missing or damaged file leaves the defaults, and a new file is written.
  // One that is there but cannot be read is never replaced.
  bool unreadable = false;
  const FileStatus loaded = profile.Load(context.platform, path, &unreadable);
  if (unreadable) return loaded;
  GetText(parameters, u"firstname", &profile.first_name);
  GetText(parameters, u"lastname", &profile.last_name);
  GetText(parameters, u"email", &profile.email);
  GetText(parameters, u"member_id", &profile.member_id);
  GetInt(parameters, u"country_id", &profile.country_id);
  int32_t opt_in = 0;
  if (GetInt(parameters, u"optin", &opt_in)) profile.opt_in = opt_in != 0;
  return profile.Save(context.platform, path);
}

int32_t GetValue(StoreContext& context, const ParameterMap& parameters, std::u16string* output) {
  std::u16string name;
  if (!GetText(parameters, u"valname", &name) || name.empty() || name[0] != u'U') {
    return result::kInvalidParameters;
  }
  UserProfile profile;
  const FileStatus status = profile.Load(context.platform, context.folder->UserProfilePath());
  if (status != 0) return status;
  if (name == u"UFNM") {
    *output = profile.first_name;
  } else if (name == u"ULNM") {
    *output = profile.last_name;
  } else if (name == u"UCNT") {
    *output = DecimalText(profile.country_id);
  } else if (name == u"URGN") {
    *output = RegionCode(profile.country_id);
  } else if (name == u"UEML") {
    *output = profile.email;
  } else if (name == u"UMID") {
    *output = profile.member_id;
  } else {
    return result::kInvalidParameters;
  }
  return result::kSuccess;
}

int32_t DeleteUser(StoreContext& context, const ParameterMap&, std::u16string*) {
  const auto lock = context.folder->LockForChange();
  if (!lock) return result::kOpenFailed;
  return context.platform->RemoveFile(context.folder->UserProfilePath()) ? result::kSuccess
                                                                         : result::kUnknownError;
}

}  // namespace zelvo
