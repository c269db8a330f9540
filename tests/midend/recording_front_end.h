// A front end that records what the mid end shows, for the hosts that run
// it without a window: the native tests, the test tools, the fuzzers and
// the end-to-end model.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "midend/kudomat_zub.h"

namespace kz {

struct RecordingFrontEnd : FrontEnd {
  std::string comment, mark, clipboard;
  bool checked[kSectionCount] = {};
  std::map<int, bool> greyed;  // menu items by command id, as last shown
  std::map<int, int> inForce;
  bool clipboardHeld = false;  // by another program: a copy fails
  int dialog = 0, exits = 0;
  std::vector<std::pair<Change, int>> announced;

  void ShowComment(const char* text, const char* lengthMark) override { comment = text, mark = lengthMark; }
  void CheckSectionBox(int section, bool on) override { checked[section] = on; }
  void ShowMenuItem(int id, bool isGreyed, int choice) override { greyed[id] = isGreyed, inForce[id] = choice; }
  // The comment box hands back what fits its buffer.
  void CopyComment() override { clipboard = clipboardHeld ? clipboard : comment.substr(0, kCommentBoxSize - 1); }
  void Exit() override { ++exits; }
  void ShowDialog(int id) override { dialog = id; }
  void Announce(Change what, int section) override { announced.emplace_back(what, section); }
};

// Runs a flash in progress to its end, as a front end's timer would.
inline void FinishFlash(KudomatZub& app) {
  while (app.FlashDelay() >= 0) app.Tick();
}

// Draws nothing: for hosts that judge the state, not the picture.
struct NullSurface final : Surface {
  void PutPixel(int, int, Colour) override {}
  int CopyBitmap(int, int, int, int, int, int, int, bool) override { return 1; }
};

}  // namespace kz
