// Carries out the entries of the command table on the panel and the
// composer, and hands the rest to the front end.
#include "midend/commands.h"

#include "compose/random.h"
#include "midend/command_table.h"
#include "midend/menu_rules.h"
#include "panel/styles.h"

namespace kz {
namespace {

void Generate(Panel& panel, Composer& composer, CommandHost& host,
              const SliderRecord* snapshot) {
  panel.FlashKnobs();
  composer.Compose(panel.spelling, panel.role, snapshot);
  host.CopyCommentBox();
}

void RunRules(const CommandEntry& entry, CommandHost& host) {
  for (const RuleCall& call : entry.rules) {
    if (call.id != 0) UpdateMenuState(call.id, call.on, host);
  }
}

}  // namespace

void UpdateMenuState(int commandId, bool flag, CommandHost& host) {
  bool checked[kSectionCount];
  for (int s = 0; s < kSectionCount; ++s) checked[s] = host.SectionChecked(s);
  const MenuChanges changes = MenuRuleChanges(commandId, flag, checked);
  for (int i = 0; i < changes.count; ++i) {
    host.GreyMenuItem(changes.items[i].id, changes.items[i].greyed);
  }
}

bool RunCommand(int id, Panel& panel, Composer& composer, CommandHost& host) {
  // The command works on the sliders as they were when it arrived.
  SliderRecord snapshot[kSectionCount];
  for (int s = 0; s < kSectionCount; ++s) snapshot[s] = panel.sliders[s];

  const CommandEntry* found = FindCommand(id);
  if (!found) return false;
  CommandEntry entry = *found;

  switch (entry.action) {
    case CommandAction::Generate:
      Generate(panel, composer, host, snapshot);
      break;
    case CommandAction::Copy:
      host.CopyCommentBox();
      break;
    case CommandAction::Exit:
      host.Exit();
      break;
    case CommandAction::Dialog:
      host.ShowDialog(entry.argument);
      break;
    case CommandAction::Style:
      panel.SetStyle(entry.argument);
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
        if (snapshot[s].enabled) panel.MoveKnob(s, entry.row);
      }
      break;
    case CommandAction::MoveRandom:
      // Every section uses up its draw, frozen or not.
      for (int s = 0; s < kSectionCount; ++s) {
        const int r = DrawRandom();
        if (snapshot[s].enabled) panel.MoveKnob(s, kTopRow + r % kRandomRowSpan);
      }
      break;
    case CommandAction::SectionBox: {
      // The automatic checkbox has already toggled itself.
      entry = SectionBoxCommand(entry.argument, host.SectionChecked(entry.argument));
      panel.SetSectionState(entry.argument);
      break;
    }
    case CommandAction::SectionState:
      panel.SetSectionState(entry.argument);
      break;
  }
  RunRules(entry, host);
  return true;
}

void StartPanel(Panel& panel, Composer& composer) {
  composer.LoadWordLists();
  composer.LoadSpellingPairs();
  panel.SetStyle(DrawRandom() % kStyleCount);
  panel.SetSpelling(1);  // American
  panel.SetRole(1);      // As Seller
  panel.SetSectionState(kEnableAllSections);
  ReseedFromClock();
  for (int s = 0; s < kSectionCount; ++s) panel.MoveKnob(s, kTopRow + DrawRandom() % kRandomRowSpan);
  panel.PaintPanel(kWholePanel);
}

}  // namespace kz
