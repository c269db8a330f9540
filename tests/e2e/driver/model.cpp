// The model's routing of messages to the core, as the window does it.
#include "model.h"

#include <cstring>

#include "compose/random.h"
#include "compose/stored_strings.h"
#include "panel/raster.h"
#include "midend/command_table.h"
#include "midend/menu_rules.h"

namespace kze {
namespace {

using kz::CommandAction;

struct Shown final : kz::TextDisplay {
  std::string comment, mark;
  void ShowText(int id, const char* text) override { (id == kz::kCommentBox ? comment : mark) = text; }
};

unsigned clockSecond = 0;
kz::Seconds ModelClock() { return clockSecond; }

kz::Composer& StoredComposer() {
  static const kz::StoredStrings strings;
  static kz::Composer* composer = new kz::Composer{&strings, nullptr, {}, {}, {}, {}};
  static const int loaded = composer->LoadWordLists() + composer->LoadSpellingPairs();
  return (void)loaded, *composer;
}

}  // namespace

const std::vector<int>& MenuIds() {
  static std::vector<int> ids;
  for (int id = ids.empty() ? 104 : 0x10000; id < 0x10000; ++id) {
    const kz::CommandEntry* e = kz::FindCommand(id);
    if (e && e->action != kz::CommandAction::SectionBox) ids.push_back(id);
  }
  return ids;
}

Model Model::AtStart(unsigned styleSecond, unsigned rowsSecond) {
  Model m;
  for (int id : MenuIds()) m.greyed[id] = false;
  for (int id : kz::kInitiallyGreyed) m.greyed[id] = true;
  kz::SeedRandom(styleSecond);
  m.panel.SetStyle(kz::DrawRandom() % 6);
  m.panel.SetSpelling(1);
  m.panel.SetRole(1);
  m.panel.SetSectionState(3);
  kz::SeedRandom(rowsSecond);
  for (int s = 0; s < kz::kSectionCount; ++s) {
    m.panel.MoveKnob(s, kz::kTopRow + kz::DrawRandom() % kz::kRandomRowSpan);
  }
  return m;
}

void Model::Message(unsigned second, UINT message, int a, int b) {
  kz::SeedRandom(second);
  if (message == WM_MOUSEMOVE) panel.MoveKnob(-1, b);
  if (message == WM_LBUTTONDOWN) panel.HitTest(a, b);
  if (message == WM_LBUTTONUP) panel.dragIndex = -1;
  const kz::CommandEntry* found = message == WM_COMMAND ? kz::FindCommand(a) : nullptr;
  if (!found) return;
  kz::CommandEntry entry = *found;
  kz::SliderRecord snapshot[kz::kSectionCount];
  for (int s = 0; s < kz::kSectionCount; ++s) snapshot[s] = panel.sliders[s];
  switch (entry.action) {
    case CommandAction::Generate: {
      kz::Composer& c = StoredComposer();
      Shown shown;
      c.window = &shown;
      std::memcpy(c.sectionText, sections, sizeof sections);
      clockSecond = second;
      kz::SetClock(ModelClock);
      c.Compose(panel.spelling, panel.role, snapshot);
      std::memcpy(sections, c.sectionText, sizeof sections);
      box = shown.comment, mark = shown.mark;
    }
      [[fallthrough]];
    case CommandAction::Copy:
      if (!clipboardHeld) clipboard = box.substr(0, 255);
      break;
    case CommandAction::Style: panel.SetStyle(entry.argument); break;
    case CommandAction::Spelling: panel.SetSpelling(entry.argument); break;
    case CommandAction::Role: panel.SetRole(entry.argument); break;
    case CommandAction::MoveKnob: panel.MoveKnob(entry.argument, entry.row); break;
    case CommandAction::MoveEnabled:
    case CommandAction::MoveRandom:
      for (int s = 0; s < kz::kSectionCount; ++s) {
        const int row = entry.action == CommandAction::MoveEnabled
                            ? entry.row
                            : kz::kTopRow + kz::DrawRandom() % kz::kRandomRowSpan;
        if (snapshot[s].enabled) panel.MoveKnob(s, row);
      }
      break;
    case CommandAction::SectionBox:
      entry = kz::SectionBoxCommand(entry.argument, !snapshot[entry.argument].enabled);
      panel.SetSectionState(entry.argument);
      break;
    case CommandAction::SectionState: panel.SetSectionState(entry.argument); break;
    case CommandAction::Exit:
    case CommandAction::Dialog:
      break;
  }
  bool checked[kz::kSectionCount];
  for (int s = 0; s < kz::kSectionCount; ++s) checked[s] = panel.sliders[s].enabled != 0;
  for (const kz::RuleCall& call : entry.rules) {
    if (call.id == 0) continue;
    const kz::MenuChanges changes = kz::MenuRuleChanges(call.id, call.on, checked);
    for (int i = 0; i < changes.count; ++i) greyed[changes.items[i].id] = changes.items[i].greyed;
  }
}

kz::Raster Model::Painting() const {
  kz::Raster raster;
  kz::BitmapFolder bitmaps(options().art);
  kz::RasterSurface surface(raster, &bitmaps);
  kz::Panel painter = panel;
  painter.dc = &surface;
  painter.PaintPanel(kz::kWholePanel);
  return raster;
}

}  // namespace kze
