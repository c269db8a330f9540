// FinishComment: how a raw comment is tidied, what is shown, and that a text
// filling its whole array is still handled within it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "compose/composer.h"
#include "tests/compose/composer_fixture.h"

namespace kz {
namespace {

using testing_support::RecordingDisplay;

struct Finished {
  std::string text;
  std::string mark;
};

Finished Finish(const std::string& raw) {
  static Composer c;  // only the texts are used
  RecordingDisplay display;
  c.window = &display;
  std::memset(c.outputText, 0, sizeof c.outputText);
  raw.copy(c.outputText, sizeof c.outputText - 1);
  c.FinishComment();
  c.window = nullptr;
  EXPECT_EQ(display.shown.size(), 2u);
  if (display.shown.size() != 2u) return {c.outputText, ""};
  EXPECT_EQ(display.shown[0].first, kCommentBox);  // the comment first
  EXPECT_EQ(display.shown[1].first, kLengthMarkBox);
  EXPECT_EQ(display.shown[0].second, c.outputText);
  return {display.shown[0].second, display.shown[1].second};
}

TEST(FinishComment, TidiesTheRawComment) {
  struct Case {
    std::string raw, finished, mark;
  } cases[] = {
      // Nothing left, or only marks.
      {"", ".", "<80"},
      {",", ".", "<80"},
      {"-", ".", "<80"},
      {":", ".", "<80"},
      {";", ".", "<80"},
      {"!", ".", "<80"},
      {" ", ".", "<80"},
      {".", ".", "<80"},
      {"a", "A.", "<80"},
      // Capitals at the start and after sentence ends and smileys.
      {" fast delivery, great seller :) thanks", "Fast delivery, great seller :) Thanks.", "<80"},
      {"fast service thanks. item settled safe ! highly recommended A+++",
       "Fast service thanks. Item settled safe ! Highly recommended A+++.", "<80"},
      {"fast. great! super :) yes ;) no", "Fast. Great! Super :) Yes ;) No.", "<80"},
      // One stray leading mark goes; a space behind it turns into a dash.
      {", great seller", "-great seller.", "<80"},
      {":) great", ") great.", "<80"},
      {". a", ". A.", "<80"},
      {",, great", ", great.", "<80"},
      // Endings.
      {"great,", "Great.", "<80"},
      {"great-", "Great.", "<80"},
      {"great.", "Great.", "<80"},
      {"great !", "Great !", "<80"},
      {"great :)", "Great :)", "<80"},
      {"great..", "Great. .", "<80"},
      {"great,,", "Great. .", "<80"},
      {"great-,", "Great. .", "<80"},
      {"great.,,", "Great.  .", "<80"},
      {"great -", "Great .", "<80"},
      {"great- ", "Great. .", "<80"},
      {"great ", "Great .", "<80"},
      // A mark followed directly by a character: the character gives way.
      {"good,fast", "Good, ast.", "<80"},
      // The mark measures the finished text.
      {std::string(79, 'a'), "A" + std::string(78, 'a') + ".", "=80"},
      {std::string(80, 'a'), "A" + std::string(79, 'a') + ".", ">80"},
      {std::string(78, 'a') + ".", "A" + std::string(77, 'a') + ".", "<80"},
      {std::string(115, 'a'), "A" + std::string(114, 'a') + ".", ">80"},
  };
  for (const Case& k : cases) {
    const Finished f = Finish(k.raw);
    EXPECT_EQ(f.text, k.finished) << "raw \"" << k.raw << "\"";
    EXPECT_EQ(f.mark, k.mark) << "raw \"" << k.raw << "\"";
  }
}

TEST(FinishComment, ShowsNothingWithoutAWindow) {
  Composer c{};
  std::strcpy(c.outputText, "great");
  c.FinishComment();  // must not reach for a display
  EXPECT_STREQ(c.outputText, "Great.");
}

// Only other word lists than the stored ones could fill the array; the text
// then stays inside it and the full stop that no longer fits is dropped.
TEST(FinishComment, AFullArrayStaysInsideIt) {
  Composer c{};
  std::memset(c.outputText, 'a', sizeof c.outputText);  // not even terminated
  c.FinishComment();
  EXPECT_EQ(std::strlen(c.outputText), static_cast<std::size_t>(kTextSize - 1));
  EXPECT_EQ(c.outputText[0], 'A');

  std::memset(c.outputText, 'b', sizeof c.outputText);
  c.outputText[kTextSize - 2] = '\0';  // one byte left for the full stop
  c.FinishComment();
  EXPECT_EQ(std::strlen(c.outputText), static_cast<std::size_t>(kTextSize - 1));
  EXPECT_EQ(c.outputText[kTextSize - 2], '.');
}

}  // namespace
}  // namespace kz
