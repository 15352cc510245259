// The echo of one command to the debugging monitor, and how a message to the
// monitor travels: a data word and UTF-16 text, written by the engine and
// read by the monitor program and the tests. On Windows the two go as one
// WM_COPYDATA message (the data word, then the text's bytes) to the window
// titled kMonitorName; on Linux as one datagram to the socket kMonitorName
// in $XDG_RUNTIME_DIR: the data word as 4 bytes little-endian, then the text
// as UTF-16LE, no terminator. The monitor answers each datagram with a byte.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelvo {

// The data word of a command's echo.
inline constexpr uint32_t kEchoDataWord = 1;

// "caller|command|parameters|result|output", with "<none>" for empty
// parameters or output.
std::u16string EchoText(std::u16string_view caller, std::u16string_view command,
                        std::u16string_view parameters, int32_t result, std::u16string_view output);

// UTF-16LE bytes as text; an odd last byte is dropped.
std::u16string TextOfUtf16Le(std::span<const uint8_t> bytes);

// The Linux socket's path in `runtime_folder`.
std::string MonitorSocketPath(std::string_view runtime_folder);
std::vector<uint8_t> EncodeMonitorDatagram(uint32_t data_word, std::u16string_view text);
// False when the datagram is too short to hold the data word.
bool DecodeMonitorDatagram(std::span<const uint8_t> datagram, uint32_t* data_word,
                           std::u16string* text);

}  // namespace zelvo
