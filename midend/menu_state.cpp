// A chosen style, spelling or role is greyed; so is a section's Edit and
// Freeze items while it is frozen and its Enable item while it is enabled,
// and the All items while no section (Enable > All: every section) is
// enabled. The start-up style is no choice of the user's and greys nothing.
#include "midend/menu_state.h"

namespace kz {
namespace {

int CurrentChoice(CommandAction action, const ChoiceState& state) {
  switch (action) {
    case CommandAction::Style:
      return state.style;
    case CommandAction::Spelling:
      return state.spelling;
    case CommandAction::Role:
      return state.role;
    default:
      return -1;
  }
}

bool SectionEnabled(int section, const ChoiceState& state) {
  return 0 <= section && section < kSectionCount && state.enabled[section];
}

}  // namespace

MenuItemView MenuItemOf(const CommandEntry& entry, const ChoiceState& state) {
  const int current = CurrentChoice(entry.action, state);
  const int inForce = current < 0 ? -1 : current == entry.argument ? 1 : 0;
  const int enabledCount = state.enabled[0] + state.enabled[1] + state.enabled[2];
  bool greyed = false;
  switch (entry.greyedWhen) {
    case GreyedWhen::Never:
      break;
    case GreyedWhen::InForce:
      greyed = inForce == 1 && (entry.action != CommandAction::Style || state.styleChosen);
      break;
    case GreyedWhen::SectionFrozen:
      greyed = !SectionEnabled(entry.argument, state);
      break;
    case GreyedWhen::SectionEnabled:
      greyed = SectionEnabled(entry.argument, state);
      break;
    case GreyedWhen::AllEnabled:
      greyed = enabledCount == kSectionCount;
      break;
    case GreyedWhen::NoneEnabled:
      greyed = enabledCount == 0;
      break;
  }
  return {greyed, inForce};
}

}  // namespace kz
