// A front end that records what the mid end shows, for the hosts that run
// it without a window: the native tests, the test tools and the end-to-end
// model. The checkboxes are toggled by the host, as a real box toggles itself.
#pragma once

#include <map>
#include <string>

#include "midend/kudomat_zub.h"

namespace kz {

struct RecordingFrontEnd : FrontEnd {
  std::string comment, mark, clipboard;
  bool checked[kSectionCount] = {};
  std::map<int, bool> greyed;  // menu items by command id, as last set
  bool clipboardHeld = false;  // by another program: a copy fails
  int pauses = 0, dialog = 0, exits = 0;

  void ShowComment(const char* text, const char* lengthMark) override { comment = text, mark = lengthMark; }
  void SetSectionChecked(int section, bool on) override { checked[section] = on; }
  void Pause(int) override { ++pauses; }
  bool SectionChecked(int section) override { return checked[section]; }
  void GreyMenuItem(int id, bool isGreyed) override { greyed[id] = isGreyed; }
  // The comment box hands back at most 255 characters.
  void CopyComment() override { clipboard = clipboardHeld ? clipboard : comment.substr(0, 255); }
  void Exit() override { ++exits; }
  void ShowDialog(int id) override { dialog = id; }
};

// Draws nothing: for hosts that judge the state, not the picture.
struct NullSurface final : Surface {
  void PutPixel(int, int, Colour) override {}
  int CopyBitmap(int, int, int, int, int, int, int, bool) override { return 1; }
};

}  // namespace kz
