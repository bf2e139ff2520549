// SPDX-License-Identifier: GPL-3.0-or-later
#include "quoted_text.h"

namespace brevimo::cli {
namespace {

// The length of the valid UTF-8 sequence at text[i] (shortest form, no
// surrogates, up to U+10FFFF), or 0 when the byte there begins none.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF; // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF)
    length = 2;
  else if (lead == 0xE0)
    length = 3, low = 0xA0;
  else if (lead == 0xED)
    length = 3, high = 0x9F;
  else if (lead >= 0xE1 && lead <= 0xEF)
    length = 3;
  else if (lead == 0xF0)
    length = 4, low = 0x90;
  else if (lead == 0xF4)
    length = 4, high = 0x8F;
  else if (lead >= 0xF1 && lead <= 0xF3)
    length = 4;
  else
    return 0;
  if (i + length > text.size()) return 0;
  if (byte(i + 1) < low || byte(i + 1) > high) return 0;
  for (std::size_t k = 2; k < length; ++k)
    if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
  return length;
}

void AppendEscaped(std::string& out, unsigned char byte) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += "\\x";
  out += kHex[byte >> 4];
  out += kHex[byte & 0xF];
}

} // namespace

std::string QuotedWord(std::string_view word) {
  std::string out = "\"";
  for (std::size_t i = 0; i < word.size();) {
    const std::size_t length = SequenceLength(word, i);
    const auto byte = static_cast<unsigned char>(word[i]);
    // C0 and C1 controls and DEL show nothing.
    const bool control =
        byte < 0x20 || byte == 0x7F ||
        (length == 2 && byte == 0xC2 && static_cast<unsigned char>(word[i + 1]) < 0xA0);
    if (length == 0 || control) {
      for (std::size_t k = 0; k < (length ? length : 1); ++k)
        AppendEscaped(out, static_cast<unsigned char>(word[i + k]));
      i += length ? length : 1;
      continue;
    }
    if (word[i] == '"' || word[i] == '\\') out += '\\';
    out.append(word, i, length);
    i += length;
  }
  return out + '"';
}

std::string ValidUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = SequenceLength(text, i);
    if (length == 0) {
      AppendEscaped(out, static_cast<unsigned char>(text[i++]));
    } else {
      out.append(text, i, length);
      i += length;
    }
  }
  return out;
}

} // namespace brevimo::cli
