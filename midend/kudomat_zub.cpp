// The running program: start-up, each kind of input carried out on the
// panel and the composer, the flash's steps, and after each input what the
// front end must show and announce.
#include "midend/kudomat_zub.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "compose/bounded_text.h"
#include "compose/generator.h"

namespace kz {
namespace {

constexpr int kFlashStepMilliseconds = 80;
constexpr int kFlashSteps = 2 * kSectionCount;  // each knob white, then each back

int SectionCode(CommandAction action, int argument) {
  const int first = action == CommandAction::Enable ? kEnableSection : kFreezeSection;
  return argument == kAllSections ? first + kSectionCount : first + argument;
}

// A menu caption as a screen reader says it: without its & marker.
int AppendCaption(char* text, int length, int limit, const char* caption) {
  for (; *caption != '\0'; ++caption) {
    if (*caption != '&') length = AppendBounded(text, length, limit, caption, 1);
  }
  return length;
}

}  // namespace

ComposeSettings SettingsFor(int style, int role, int spelling, const int (&rows)[kSectionCount],
                            const bool (&frozen)[kSectionCount]) {
  ComposeSettings settings = {style, role, spelling, {}};
  for (int s = 0; s < kSectionCount; ++s) settings.sections[s] = {KnobTop(rows[s]), !frozen[s]};
  return settings;
}

// What the front end is told about when it changes.
struct KudomatZub::Snapshot {
  int rows[kSectionCount];
  bool enabled[kSectionCount];
  int focusedKnob;
  int choices[3];  // style, spelling, role
};

KudomatZub::KudomatZub(const StringSource& strings, Surface& surface, FrontEnd& frontEnd,
                       ClockFunction clock)
    : frontEnd_(frontEnd), clock_(clock ? clock : SystemClockSeconds), composer_() {
  session_.panel.dc = &surface;
  composer_.instance = &strings;
  composer_.window = &frontEnd;
}

KudomatZub::Snapshot KudomatZub::Take() const {
  const Panel& p = session_.panel;
  Snapshot s = {{}, {}, session_.focusedKnob, {p.sliders[0].style, p.spelling, p.role}};
  for (int i = 0; i < kSectionCount; ++i) {
    s.rows[i] = KnobRow(p.sliders[i].y);
    s.enabled[i] = p.sliders[i].enabled != 0;
  }
  return s;
}

void KudomatZub::Reseed() { random_.Seed(SeedOfSecond(clock_())); }

ChoiceState KudomatZub::Choice() const {
  const Panel& p = session_.panel;
  ChoiceState c = {p.sliders[0].style, session_.styleChosen, p.spelling, p.role, {}};
  for (int s = 0; s < kSectionCount; ++s) c.enabled[s] = p.sliders[s].enabled != 0;
  return c;
}

void KudomatZub::Start() {
  Panel& panel = session_.panel;
  Reseed();
  composer_.LoadWordLists();
  composer_.LoadSpellingPairs();
  panel.SetStyle(random_.Draw() % kStyleCount);
  panel.SetSpelling(kStartSpelling);
  panel.SetRole(kStartRole);
  panel.SetSectionState(kEnableAllSections);
  Reseed();
  for (int s = 0; s < kSectionCount; ++s) {
    panel.MoveKnob(s, kTopRow + random_.Draw() % kRandomRowSpan);
  }
  panel.PaintPanel(kWholePanel);
  // Nothing was shown before: every knob, section and choice is news.
  Snapshot before = {{-1, -1, -1}, {}, -1, {-1, -1, -1}};
  for (int s = 0; s < kSectionCount; ++s) before.enabled[s] = !panel.sliders[s].enabled;
  ShowChanges(before, true);
}

bool KudomatZub::Command(int id) {
  const CommandEntry* entry = FindCommand(id);
  if (!entry) return false;
  Reseed();
  CompleteFlash();
  const Snapshot before = Take();
  Carry(*entry);
  ShowChanges(before, false);
  return true;
}

void KudomatZub::Carry(const CommandEntry& entry) {
  Panel& panel = session_.panel;
  switch (entry.action) {
    case CommandAction::Generate:
      session_.flashStep = 0;
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
      panel.SetStyle(entry.argument);
      session_.styleChosen = true;
      break;
    case CommandAction::Spelling:
      panel.SetSpelling(entry.argument);
      break;
    case CommandAction::Role:
      panel.SetRole(entry.argument);
      break;
    case CommandAction::MoveKnob:
      panel.MoveKnob(entry.argument, entry.row);
      break;
    case CommandAction::MoveEnabled:
      for (int s = 0; s < kSectionCount; ++s) {
        if (panel.sliders[s].enabled) panel.MoveKnob(s, entry.row);
      }
      break;
    case CommandAction::MoveRandom:
      // Every section uses up its draw, frozen or not.
      for (int s = 0; s < kSectionCount; ++s) {
        const int r = random_.Draw();
        if (panel.sliders[s].enabled) panel.MoveKnob(s, kTopRow + r % kRandomRowSpan);
      }
      break;
    case CommandAction::ToggleSection:
      panel.SetSectionState(SectionCode(
          panel.sliders[entry.argument].enabled ? CommandAction::Freeze : CommandAction::Enable,
          entry.argument));
      break;
    case CommandAction::Enable:
    case CommandAction::Freeze:
      panel.SetSectionState(SectionCode(entry.action, entry.argument));
      break;
  }
}

void KudomatZub::ShowChanges(const Snapshot& before, bool everything) {
  const ChoiceState choice = Choice();
  for (int i = 0; i < kCommandCount; ++i) {
    if (!IsMenuItem(kCommands[i])) continue;
    const MenuItemView item = MenuItemOf(kCommands[i], choice);
    if (!everything && item == session_.shownItems[i]) continue;
    session_.shownItems[i] = item;
    frontEnd_.ShowMenuItem(kCommands[i].id, item.greyed, item.inForce);
  }
  for (int s = 0; s < kSectionCount; ++s) {
    if (!everything && choice.enabled[s] == session_.shownChecked[s]) continue;
    session_.shownChecked[s] = choice.enabled[s];
    frontEnd_.CheckSectionBox(s, choice.enabled[s]);
  }

  const Snapshot after = Take();
  for (int s = 0; s < kSectionCount; ++s) {
    if (after.rows[s] != before.rows[s]) frontEnd_.Announce(Change::KnobValue, s);
    if (after.enabled[s] != before.enabled[s]) frontEnd_.Announce(Change::SectionState, s);
  }
  if (!std::equal(after.choices, after.choices + 3, before.choices)) {
    frontEnd_.Announce(Change::Choices, -1);
  }
  if (after.focusedKnob != before.focusedKnob) {
    frontEnd_.Announce(Change::KnobFocus, after.focusedKnob);
  }
}

void KudomatZub::PointerPress(int x, int y) {
  Reseed();
  CompleteFlash();
  const Snapshot before = Take();
  session_.panel.HitTest(x, y);
  ShowChanges(before, false);
}

void KudomatZub::PointerMove(int y) {
  Reseed();
  CompleteFlash();
  const Snapshot before = Take();
  session_.panel.MoveKnob(-1, y);
  ShowChanges(before, false);
}

void KudomatZub::PointerRelease() {
  Reseed();
  CompleteFlash();
  session_.panel.dragIndex = -1;
}

void KudomatZub::StepKnob(int section, int rows) {
  Reseed();
  CompleteFlash();
  Panel& panel = session_.panel;
  if (section < 0 || section >= kSectionCount || !panel.sliders[section].enabled) return;
  const Snapshot before = Take();
  // Held to the track whatever `rows` is, without overflow.
  const long long row = static_cast<long long>(KnobRow(panel.sliders[section].y)) - rows;
  panel.MoveKnob(section, static_cast<int>(std::clamp<long long>(row, kTopRow, kBottomRow)));
  ShowChanges(before, false);
}

void KudomatZub::FocusKnob(int section) {
  const int knob = 0 <= section && section < kSectionCount ? section : -1;
  if (knob == session_.focusedKnob) return;
  const Snapshot before = Take();
  session_.focusedKnob = knob;
  ShowChanges(before, false);
}

int KudomatZub::FlashDelay() const {
  return session_.flashStep >= 0 ? kFlashStepMilliseconds : -1;
}

void KudomatZub::Tick() {
  Panel& panel = session_.panel;
  if (session_.flashStep < 0) return;
  panel.DrawFlashStep(session_.flashStep);
  if (++session_.flashStep < kFlashSteps) return;
  session_.flashStep = -1;
  int rows[kSectionCount];
  bool frozen[kSectionCount];
  for (int s = 0; s < kSectionCount; ++s) {
    rows[s] = KnobRow(panel.sliders[s].y);
    frozen[s] = panel.sliders[s].enabled == 0;
  }
  Reseed();
  composer_.Compose(SettingsFor(panel.sliders[0].style, panel.role, panel.spelling, rows, frozen),
                    random_);
  frontEnd_.CopyComment();
}

void KudomatZub::CompleteFlash() {
  while (session_.flashStep >= 0) Tick();
}

void KudomatZub::Repaint() {
  session_.panel.PaintPanel(kWholePanel);
  const int drawn = session_.flashStep < 0 ? 0 : session_.flashStep;
  for (int step = 0; step < drawn; ++step) session_.panel.DrawFlashStep(step);
}

KnobView KudomatZub::Knob(int section) const {
  if (section < 0 || section >= kSectionCount) return {};
  const Panel& p = session_.panel;
  const SliderRecord& r = p.sliders[section];
  const int row = KnobRow(r.y);
  const double value = row <= kMiddleRow
                           ? 100.0 * (kMiddleRow - row) / (kMiddleRow - kTopRow)
                           : -100.0 * (row - kMiddleRow) / (kBottomRow - kMiddleRow);
  return {r.x + kTileSize / 2,        row,
          static_cast<int>(std::lround(value)), r.enabled != 0,
          IsShown(r.y),               session_.focusedKnob == section,
          p.dragIndex == section};
}

ShortText KudomatZub::KnobValueText(int section) const {
  const KnobView knob = Knob(section);
  ShortText t = {};
  const int limit = static_cast<int>(sizeof t.text) - 1;
  const char* sign = knob.value > 0 ? "+ " : knob.value < 0 ? "-  " : "+|-  ";
  int length = AppendBounded(t.text, 0, limit, sign, static_cast<int>(std::strlen(sign)));
  // The digits of |value| (0..100), most significant first.
  char digits[12];
  int n = 0;
  for (int v = knob.value < 0 ? -knob.value : knob.value; n == 0 || v > 0; v /= 10) {
    digits[n++] = static_cast<char>('0' + v % 10);
  }
  while (n > 0) length = AppendBounded(t.text, length, limit, &digits[--n], 1);
  if (!knob.shown) length = AppendBounded(t.text, length, limit, ", left out", 10);
  return t;
}

const char* KudomatZub::SectionName(int section) {
  for (const CommandEntry& entry : kCommands) {
    if (entry.action == CommandAction::Enable && entry.argument == section) return entry.caption;
  }
  return "";
}

ShortText KudomatZub::Choices() const {
  const ChoiceState choice = Choice();
  ShortText t = {};
  const int limit = static_cast<int>(sizeof t.text) - 1;
  int length = 0;
  for (const CommandEntry& entry : kCommands) {
    if (MenuItemOf(entry, choice).inForce != 1) continue;
    if (length > 0) length = AppendBounded(t.text, length, limit, ", ", 2);
    length = AppendCaption(t.text, length, limit, entry.caption);
  }
  return t;
}

KudomatZub::State KudomatZub::Save() const {
  State state = {session_, {}};
  std::memcpy(state.sectionText, composer_.sectionText, sizeof state.sectionText);
  return state;
}

void KudomatZub::Restore(const State& state) {
  Surface* dc = session_.panel.dc;
  session_ = state.session;
  session_.panel.dc = dc;
  std::memcpy(composer_.sectionText, state.sectionText, sizeof state.sectionText);
}

}  // namespace kz
