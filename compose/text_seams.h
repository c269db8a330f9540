// The two seams through which the composer meets its host: where its
// strings come from, and where it shows its texts. The window gives it
// string resources and control texts; tests and the command-line tool give
// it the compiled-in table and whatever display they like.
#pragma once

namespace kz {

class StringSource {
 public:
  // Copies string `id` into `buffer` (at most limit - 1 characters and a
  // terminator) and returns its length, or 0 when there is no such string.
  virtual int LoadText(int id, char* buffer, int limit) const = 0;

 protected:
  ~StringSource() = default;
};

class TextDisplay {
 public:
  // Replaces the text of the control `controlId` (100 length mark, 101 comment).
  virtual void ShowText(int controlId, const char* text) = 0;

 protected:
  ~TextDisplay() = default;
};

}  // namespace kz
