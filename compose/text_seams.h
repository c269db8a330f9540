// The two seams through which the composer meets its host: where its
// strings come from, and where it shows its texts. The window gives it
// string resources and its comment and mark boxes; tests and the
// command-line tool give it the compiled-in table and whatever display they like.
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

class CommentDisplay {
 public:
  // Shows a comment and its length mark ("<80", "=80", ">80"; "00" before
  // the first comment), the comment first.
  virtual void ShowComment(const char* comment, const char* mark) = 0;

 protected:
  ~CommentDisplay() = default;
};

}  // namespace kz
