// FinishComment: tidies the joined comment in place (a stray leading mark,
// capitals, marks that stand together, the ending) and shows it with its
// length mark.
#include <cstring>

#include "compose/bounded_text.h"
#include "compose/composer.h"
#include "compose/finish.h"

namespace kz {
namespace {

// Marks that cannot start a comment; a leading "." or ")" stays.
bool IsStrayLeadingMark(char ch) {
  return ch == ',' || ch == '-' || ch == ':' || ch == ';' || ch == '!' || ch == ' ';
}

// Marks that a space must follow unless they end the comment.
bool NeedsSpaceAfter(char ch) { return ch == '!' || ch == '.' || ch == ',' || ch == ')'; }

// Only "a" to "z" change, as in the "C" locale.
void MakeUpper(char* ch) {
  if (*ch >= 'a' && *ch <= 'z') *ch = static_cast<char>(*ch - 'a' + 'A');
}

// The marks the scan acts on; everything else passes untouched.
bool IsScannedMark(char ch) {
  return ch == '!' || ch == '.' || ch == ',' || ch == ')' || ch == ':' || ch == ';';
}

// The first letter becomes a capital, so do letters that start a sentence
// or follow a smiley, and every mark that another character follows
// directly gets a space there (that character gives way to it).
void ScanMarks(char* t, int n) {
  if (n > 0) MakeUpper(&t[0]);
  for (int i = 0; i < n; ++i) {
    const char ch = t[i];
    if (!IsScannedMark(ch)) continue;
    if ((ch == '!' || ch == '.') && t[i + 1] == ' ') MakeUpper(&t[i + 2]);
    if ((ch == ':' || ch == ';') && t[i + 1] == ')' && t[i + 2] == ' ') MakeUpper(&t[i + 3]);
    if (NeedsSpaceAfter(ch) && t[i + 1] != ' ' && i != n - 1) t[i + 1] = ' ';
  }
}

// The last three positions of a text of n characters, fixed while the
// ending rules run; a position before the start holds nothing and is never
// written.
class Ending {
 public:
  Ending(char* t, int n) : t_(t), n_(n) {}
  char At(int back) const { return n_ - back >= 0 ? t_[n_ - back] : '\0'; }
  void Set(int back, char ch) {
    if (n_ - back >= 0) t_[n_ - back] = ch;
  }

 private:
  char* t_;
  int n_;
};

// Settles how the comment ends; returns whether it still needs a full stop.
bool SettleEnding(char* t, int n) {
  Ending end(t, n);
  const int p1 = 1, p2 = 2, p3 = 3;
  if (end.At(p1) == ' ') {
    if (end.At(p2) == ',') end.Set(p2, '.');
    if (end.At(p3) == '-') {
      end.Set(p2, ' ');
      end.Set(p3, '.');
    }
  }
  if (end.At(p1) == ',') end.Set(p1, '.');
  if (end.At(p1) == '.' && end.At(p2) == ' ') {
    end.Set(p3, '.');
    end.Set(p1, ' ');
  }
  if (end.At(p1) == '-') end.Set(p1, '.');
  if (end.At(p1) == ' ' && end.At(p2) == '-') end.Set(p2, '.');
  if (end.At(p1) == '.' && end.At(p2) == '-') {
    end.Set(p1, ' ');
    end.Set(p2, '.');
  }
  const char last = end.At(p1);
  return last != ')' && last != '!' && last != '.';
}

}  // namespace

const char* LengthMark(int length) {
  constexpr int kMeasure = 80;
  return length > kMeasure ? ">80" : length == kMeasure ? "=80" : "<80";
}

void Composer::FinishComment() {
  char* t = outputText;
  t[kTextSize - 1] = '\0';  // never longer than its array
  int n = BoundedLength(t, kTextSize);

  if (IsStrayLeadingMark(t[0])) {
    std::memmove(t, t + 1, static_cast<std::size_t>(n));  // the terminator moves too
    --n;
  }
  if (t[0] == ' ') t[0] = '-';

  ScanMarks(t, n);

  // The full stop is dropped only when the text already fills its array,
  // which the stored word lists never do.
  if (SettleEnding(t, n)) n = AppendBounded(t, n, kTextSize - 1, ".", 1);

  if (window) window->ShowComment(t, LengthMark(n));
}

}  // namespace kz
