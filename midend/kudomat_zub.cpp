// The running program: start-up, and each kind of input carried out on the
// panel and the composer, with what is the front end's handed to it.
#include "midend/kudomat_zub.h"

#include <algorithm>
#include <cstring>

#include "compose/random.h"
#include "midend/command_table.h"
#include "midend/menu_rules.h"

namespace kz {
namespace {

ComposeSettings SettingsOf(const Panel& panel, const SliderRecord* sliders) {
  ComposeSettings settings = {sliders[0].style, panel.role, panel.spelling, {}};
  for (int s = 0; s < kSectionCount; ++s) {
    settings.sections[s] = {sliders[s].y, sliders[s].enabled == 1};
  }
  return settings;
}

}  // namespace

void UpdateMenuState(int commandId, bool flag, FrontEnd& frontEnd) {
  bool checked[kSectionCount];
  for (int s = 0; s < kSectionCount; ++s) checked[s] = frontEnd.SectionChecked(s);
  const MenuChanges changes = MenuRuleChanges(commandId, flag, checked);
  for (int i = 0; i < changes.count; ++i) {
    frontEnd.GreyMenuItem(changes.items[i].id, changes.items[i].greyed);
  }
}

KudomatZub::KudomatZub(const StringSource& strings, Surface& surface, FrontEnd& frontEnd)
    : frontEnd_(frontEnd), composer_() {
  panel_.dc = &surface;
  panel_.window = &frontEnd;
  panel_.pacer = &frontEnd;
  composer_.instance = &strings;
  composer_.window = &frontEnd;
}

void KudomatZub::Start() {
  ReseedFromClock();
  composer_.LoadWordLists();
  composer_.LoadSpellingPairs();
  panel_.SetStyle(DrawRandom() % kStyleCount);
  panel_.SetSpelling(1);  // American
  panel_.SetRole(1);      // As Seller
  panel_.SetSectionState(kEnableAllSections);
  for (int id : kInitiallyGreyed) frontEnd_.GreyMenuItem(id, true);
  ReseedFromClock();
  for (int s = 0; s < kSectionCount; ++s) {
    panel_.MoveKnob(s, kTopRow + DrawRandom() % kRandomRowSpan);
  }
  panel_.PaintPanel(kWholePanel);
}

bool KudomatZub::Command(int id) {
  ReseedFromClock();
  const CommandEntry* found = FindCommand(id);
  if (!found) return false;
  CommandEntry entry = *found;

  // The command works on the sliders as they were when it arrived.
  SliderRecord snapshot[kSectionCount];
  for (int s = 0; s < kSectionCount; ++s) snapshot[s] = panel_.sliders[s];

  switch (entry.action) {
    case CommandAction::Generate:
      panel_.FlashKnobs();
      composer_.Compose(SettingsOf(panel_, snapshot));
      frontEnd_.CopyComment();
      break;
    case CommandAction::Copy:
      frontEnd_.CopyComment();
      break;
    case CommandAction::Exit:
      frontEnd_.Exit();
      break;
    case CommandAction::Dialog:
      frontEnd_.ShowDialog(entry.argument);
      break;
    case CommandAction::Style:
      panel_.SetStyle(entry.argument);
      break;
    case CommandAction::Spelling:
      panel_.SetSpelling(entry.argument);
      break;
    case CommandAction::Role:
      panel_.SetRole(entry.argument);
      break;
    case CommandAction::MoveKnob:
      panel_.MoveKnob(entry.argument, entry.row);
      break;
    case CommandAction::MoveEnabled:
      for (int s = 0; s < kSectionCount; ++s) {
        if (snapshot[s].enabled) panel_.MoveKnob(s, entry.row);
      }
      break;
    case CommandAction::MoveRandom:
      // Every section uses up its draw, frozen or not.
      for (int s = 0; s < kSectionCount; ++s) {
        const int r = DrawRandom();
        if (snapshot[s].enabled) panel_.MoveKnob(s, kTopRow + r % kRandomRowSpan);
      }
      break;
    case CommandAction::SectionBox:
      // The checkbox has already toggled itself.
      entry = SectionBoxCommand(entry.argument, frontEnd_.SectionChecked(entry.argument));
      panel_.SetSectionState(entry.argument);
      break;
    case CommandAction::SectionState:
      panel_.SetSectionState(entry.argument);
      break;
  }
  for (const RuleCall& call : entry.rules) {
    if (call.id != 0) UpdateMenuState(call.id, call.on, frontEnd_);
  }
  return true;
}

void KudomatZub::PointerPress(int x, int y) {
  ReseedFromClock();
  panel_.HitTest(x, y);
}

void KudomatZub::PointerMove(int, int y) {
  ReseedFromClock();
  panel_.MoveKnob(-1, y);
}

void KudomatZub::PointerRelease() {
  ReseedFromClock();
  panel_.dragIndex = -1;
}

void KudomatZub::StepKnob(int section, int rows) {
  ReseedFromClock();
  if (section < 0 || section >= kSectionCount || !panel_.sliders[section].enabled) return;
  // Held to the track whatever `rows` is, without overflow.
  const long long row = static_cast<long long>(KnobRow(panel_.sliders[section].y)) - rows;
  panel_.MoveKnob(section, static_cast<int>(std::clamp<long long>(row, kTopRow, kBottomRow)));
}

void KudomatZub::Repaint() { panel_.PaintPanel(kWholePanel); }

KudomatZub::State KudomatZub::Save() const {
  State state = {panel_, {}};
  std::memcpy(state.sectionText, composer_.sectionText, sizeof state.sectionText);
  return state;
}

void KudomatZub::Restore(const State& state) {
  Surface* dc = panel_.dc;
  panel_ = state.panel;
  panel_.dc = dc;
  panel_.window = &frontEnd_;
  panel_.pacer = &frontEnd_;
  std::memcpy(composer_.sectionText, state.sectionText, sizeof state.sectionText);
}

}  // namespace kz
