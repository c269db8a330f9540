// kzub's --json line: one object per comment, written into a fixed buffer.
#pragma once

#include <cinttypes>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace kz {

// Enough for a 127-character comment even if every character needed the
// six-character \u00XX form, with the mark and the field names.
constexpr std::size_t kKzubJsonLineSize = 1024;

namespace kzub_json_detail {

// Appends to a fixed buffer; once something does not fit, every later
// append fails too.
struct BoundedLine {
  char* at;
  std::size_t left;  // bytes free, the terminator's included
  bool fits = true;

  void Put(const char* text, std::size_t n) {
    if (!fits || n >= left) {
      fits = false;
      return;
    }
    for (std::size_t i = 0; i < n; ++i) at[i] = text[i];
    at += n;
    left -= n;
    *at = '\0';
  }
  void Put(const char* text) {
    std::size_t n = 0;
    while (text[n]) ++n;
    Put(text, n);
  }
  // A JSON string. Control characters and bytes from 0x7F up become
  // \u00XX (read as Latin-1), so the line is plain ASCII whatever the text.
  void PutString(const char* text) {
    Put("\"", 1);
    for (const char* p = text; *p; ++p) {
      const unsigned char c = static_cast<unsigned char>(*p);
      if (c == '"' || c == '\\') {
        const char escaped[2] = {'\\', static_cast<char>(c)};
        Put(escaped, 2);
      } else if (c < 0x20 || c >= 0x7F) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(c));
        Put(escaped, 6);
      } else {
        Put(p, 1);
      }
    }
    Put("\"", 1);
  }
};

}  // namespace kzub_json_detail

// Writes {"second": S, "mark": "<80", "length": L, "comment": "..."} and a
// line end into `line`. False, with `line` cut short, if it does not fit.
inline bool FormatJsonLine(std::int64_t second, const char* mark, const char* comment, char* line,
                           std::size_t size) {
  if (size == 0) return false;
  line[0] = '\0';
  kzub_json_detail::BoundedLine out{line, size};
  std::size_t length = 0;
  while (comment[length]) ++length;
  char number[24];
  std::snprintf(number, sizeof number, "%" PRId64, second);
  out.Put("{\"second\": ");
  out.Put(number);
  out.Put(", \"mark\": ");
  out.PutString(mark);
  out.Put(", \"length\": ");
  std::snprintf(number, sizeof number, "%lu", static_cast<unsigned long>(length));
  out.Put(number);
  out.Put(", \"comment\": ");
  out.PutString(comment);
  out.Put("}\n");
  return out.fits;
}

}  // namespace kz
