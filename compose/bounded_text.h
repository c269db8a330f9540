// Bounded text helpers for the composer's fixed-size texts: nothing is ever
// read or written past the array a text lives in.
#pragma once

#include <cstring>

namespace kz {

// Length of the text in an array of `size` bytes, stopping at size - 1 even
// when no terminator comes first.
inline int BoundedLength(const char* text, int size) {
  const void* end = std::memchr(text, '\0', static_cast<std::size_t>(size - 1));
  return end ? static_cast<int>(static_cast<const char*>(end) - text) : size - 1;
}

// Appends `count` characters of `source` to the text of `length` characters
// in an array of `size` bytes, keeping at most `limit` characters
// (limit < size); what does not fit is dropped. Returns the new length.
inline int AppendBounded(char* text, int length, int limit, const char* source, int count) {
  if (count > limit - length) count = limit - length;
  if (count <= 0) return length;
  std::memcpy(text + length, source, static_cast<std::size_t>(count));
  length += count;
  text[length] = '\0';
  return length;
}

}  // namespace kz
