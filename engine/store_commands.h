// The handlers of the commands that run in the calling process. Each gets the
// command's parameters and its output text (empty on entry) and returns the
// result code.
#pragma once

#include <cstdint>
#include <string>

#include "engine/data_folder.h"
#include "engine/data_store.h"
#include "engine/parameters.h"

namespace zelvo {

struct StoreContext {
  Platform* platform;
  DataFolder* folder;
  DataStore* data_store;
};

// User profile.
int32_t UpdateUser(StoreContext& context, const ParameterMap& parameters, std::u16string* output);
int32_t GetValue(StoreContext& context, const ParameterMap& parameters, std::u16string* output);
int32_t DeleteUser(StoreContext& context, const ParameterMap& parameters, std::u16string* output);

// Application data.
int32_t AddData(StoreContext& context, const ParameterMap& parameters, std::u16string* output);
int32_t DeleteData(StoreContext& context, const ParameterMap& parameters, std::u16string* output);
int32_t GetData(StoreContext& context, const ParameterMap& parameters, std::u16string* output);
// Reloads the data store from its file, merging; always 0.
int32_t Rebuild(StoreContext& context, const ParameterMap& parameters, std::u16string* output);

}  // namespace zelvo
