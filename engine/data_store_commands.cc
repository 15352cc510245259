#include "engine/result_code.h"
#include "engine/store_commands.h"
#include "engine/text.h"

namespace zelvo {
namespace {

enum class Change { kAdd, kRemove };

int32_t ChangeData(StoreContext& context, const ParameterMap& parameters, Change change) {
  std::u16string key;
  if (!GetText(parameters, u"datakey", &key)) return result::kMissingDataKey;
  key = AsciiUpper(key);
  std::u16string value;
  if (!GetText(parameters, u"datastring", &value)) return result::kMissingDataString;

  // Another process may have changed the file since this one last saw it:
  // under the lock, catch up with the file first, so that its change is kept.
  const auto lock = context.folder->LockForChange();
  if (!lock) return result::kOpenFailed;
  DataStore& store = *context.data_store;
  // A file that is there but cannot be read is never replaced.
  if (const FileStatus status = store.CatchUp(); status != 0) return status;
  DataEntry entry = store.Find(key);
  if (change == Change::kAdd) {
    // An entry found by the case-blind step keeps its stored key.
    if (entry.key().empty()) entry.set_key(key);
    entry.AddValue(value);
    return store.Commit(std::move(entry));
  }
  // Found (an entry may be held under the empty key, too).
  if (!entry.key().empty() || key.empty()) {
    entry.RemoveValue(value);
    return store.Commit(std::move(entry));
  }
  return store.Save();
}

}  // namespace

int32_t AddData(StoreContext& context, const ParameterMap& parameters, std::u16string*) {
  return ChangeData(context, parameters, Change::kAdd);
}

int32_t DeleteData(StoreContext& context, const ParameterMap& parameters, std::u16string*) {
  return ChangeData(context, parameters, Change::kRemove);
}

int32_t GetData(StoreContext& context, const ParameterMap& parameters, std::u16string* output) {
  const auto key = parameters.find(u"datakey");
  if (key == parameters.end()) return result::kMissingDataKey;
  // Nothing is answered for a file that could not be read.
  if (const FileStatus status = context.data_store->CheckReadable(); status != 0) return status;
  // Keys are looked up upper-case; most callers give them so already.
  std::u16string_view wanted = key->second;
  std::u16string upper;
  if (HasAsciiLower(wanted)) wanted = upper = AsciiUpper(wanted);
  const size_t count = context.data_store->AppendValues(wanted, u',', output);
  // The whole trailing run of commas goes, also one that ends the last value.
  while (!output->empty() && output->back() == u',') output->pop_back();
  return count > 0 ? result::kSuccess : result::kItemNotFound;
}

int32_t Rebuild(StoreContext& context, const ParameterMap&, std::u16string*) {
  context.data_store->Load();
  return result::kSuccess;
}

}  // namespace zelvo
