#include "engine/monitor_message.h"

#include "engine/coding.h"
#include "engine/names.h"
#include "engine/text.h"

namespace zelvo {

std::u16string EchoText(std::u16string_view caller, std::u16string_view command,
                        std::u16string_view parameters, int32_t result,
                        std::u16string_view output) {
  std::u16string text(caller);
  text.append(u"|").append(command).append(u"|");
  text.append(parameters.empty() ? u"<none>" : parameters).append(u"|");
  text.append(DecimalText(result)).append(u"|");
  text.append(output.empty() ? u"<none>" : output);
  return text;
}

std::u16string TextOfUtf16Le(std::span<const uint8_t> bytes) {
  std::u16string text(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
  }
  return text;
}

std::string MonitorSocketPath(std::string_view runtime_folder) {
  return std::string(runtime_folder) + "/" + kMonitorName.narrow;
}

std::vector<uint8_t> EncodeMonitorDatagram(uint32_t data_word, std::u16string_view text) {
  std::vector<uint8_t> datagram(4 + 2 * text.size());
  EncodeFixed32(datagram.data(), data_word);
  for (size_t i = 0; i < text.size(); ++i) {
    datagram[4 + 2 * i] = static_cast<uint8_t>(text[i]);
    datagram[5 + 2 * i] = static_cast<uint8_t>(text[i] >> 8);
  }
  return datagram;
}

bool DecodeMonitorDatagram(std::span<const uint8_t> datagram, uint32_t* data_word,
                           std::u16string* text) {
  if (datagram.size() < 4) return false;
  *data_word = DecodeFixed32(datagram.data());
  *text = TextOfUtf16Le(datagram.subspan(4));
  return true;
}

}  // namespace zelvo
