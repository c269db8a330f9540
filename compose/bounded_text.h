// Bounded text helpers for the composer's fixed-size texts: nothing is ever
// read or written past the array a text lives in. Words are short, so plain
// loops beat calls into the run-time library here.
#pragma once

#include <cstring>

namespace kz {

// Length of the text in an array of `size` bytes, stopping at size - 1 even
// when no terminator comes first.
inline int BoundedLength(const char* text, int size) {
  const void* end = std::memchr(text, '\0', static_cast<std::size_t>(size - 1));
  return end ? static_cast<int>(static_cast<const char*>(end) - text) : size - 1;
}

// Appends at most `count` characters of `source`, up to its terminator, to
// the text of `length` characters, keeping at most `limit` characters in
// all (the array has room for limit + 1 bytes); what does not fit is
// dropped. Returns the new length.
inline int AppendBounded(char* text, int length, int limit, const char* source, int count) {
  if (count > limit - length) count = limit - length;
  for (int i = 0; i < count && source[i] != '\0'; ++i) text[length++] = source[i];
  text[length] = '\0';
  return length;
}

// Appends exactly the first `count` characters of `source` (which holds at
// least that many), within the same limit as AppendBounded.
inline int AppendChars(char* text, int length, int limit, const char* source, int count) {
  if (count > limit - length) count = limit - length;
  if (count > 0) {
    std::memcpy(text + length, source, static_cast<std::size_t>(count));
    length += count;
  }
  text[length] = '\0';
  return length;
}

// Sets every byte of a text array to zero.
template <int N>
void ClearText(char (&text)[N]) {
  static constexpr char kZeros[N] = {};
  std::memcpy(text, kZeros, N);
}

}  // namespace kz
