#include "engine/command_table.h"

#include <algorithm>
#include <iterator>

namespace zelvo {
namespace {

constexpr CommandWord kCommandWords[] = {
    {u"UPDATEUSER", UpdateUser, true}, {u"ADDDATA", AddData, true},
    {u"DELDATA", DeleteData, true},    {u"GETDATA", GetData, true},
    {u"GETVALUE", GetValue, true},     {u"DELUSER", DeleteUser, true},
    {u"REBUILD", Rebuild, false},      {u"LINK", nullptr, true},
    {u"INFODISPLAY", nullptr, true},   {u"DEBUGDISPLAY", nullptr, true},
};

}  // namespace

const CommandWord* FindCommandWord(std::u16string_view word) {
  const auto row =
      std::find_if(std::begin(kCommandWords), std::end(kCommandWords),
                   [word](const CommandWord& command) { return command.word == word; });
  return row == std::end(kCommandWords) ? nullptr : row;
}

}  // namespace zelvo
