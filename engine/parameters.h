// Parameter strings: the comma-separated list of name=value pairs that every
// command carries, parsed into a map, and the inverse that writes a command
// word and a map back into the desktop tool's command-line text.
#pragma once

#include <cstdint>
#include <map>
#include <memory_resource>
#include <string>
#include <string_view>

namespace zelvo {

// Lower-case parameter name to value, ordered by UTF-16 code unit, with alias
// names folded onto their canonical names. Its memory comes from a resource,
// so that a command can keep the map of its parameters on its stack.
using ParameterMap = std::pmr::map<std::pmr::u16string, std::pmr::u16string, std::less<>>;

// Parses any text; never fails. Characters that do not fit the grammar are
// skipped or dropped, keys are lower-cased (ASCII letters), aliases are mapped
// onto canonical names and language codes translated. The map and its texts
// take their memory from `memory`, which must outlive it.
ParameterMap ParseParameters(std::u16string_view text,
                             std::pmr::memory_resource* memory = std::pmr::get_default_resource());

// Stores the value of `key` (looked up exactly) in `*value` and returns true,
// or returns false and leaves `*value` alone.
bool GetText(const ParameterMap& map, std::u16string_view key, std::u16string* value);

// Reads the value of `key` as a signed decimal 32-bit number: leading white
// space skipped, optional sign, digits up to the first other character, 0
// without digits, clamped to the 32-bit range. Returns false and leaves
// `*value` alone when the key is absent.
bool GetInt(const ParameterMap& map, std::u16string_view key, int32_t* value);

// The tool's command-line text: the word, a comma, then key="value" for each
// entry in key order, separated by commas.
std::u16string FormatToolCommandLine(std::u16string_view command_word, const ParameterMap& map);

}  // namespace zelvo
