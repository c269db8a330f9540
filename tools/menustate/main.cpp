// Runs commands through the mid end on a window-less panel and a model of
// the menu and the section checkboxes, and prints after each command the ids
// of the greyed menu items, ascending, on one line:
//   kz_menustate ID...
// A greyed item's command is skipped, as a greyed item sends none; a
// checkbox id toggles its box first, as the automatic checkbox does.
#include <cstdio>
#include <cstdlib>
#include <map>

#include "compose/stored_strings.h"
#include "midend/commands.h"
#include "midend/menu_rules.h"

namespace kz {
namespace {

class MenuModel final : public CommandHost, public CheckboxWindow {
 public:
  MenuModel() {
    for (int id : kInitiallyGreyed) greyed[id] = true;
  }
  bool SectionChecked(int section) override { return checked[section]; }
  void GreyMenuItem(int id, bool isGreyed) override { greyed[id] = isGreyed; }
  void CopyCommentBox() override {}
  void Exit() override {}
  void ShowDialog(int) override {}
  void CheckButton(int id, bool on) override { checked[id - kSectionCheckboxes[0]] = on; }

  std::map<int, bool> greyed;
  bool checked[kSectionCount] = {true, true, true};
};

Panel panel;
Composer composer;
const StoredStrings strings;

}  // namespace
}  // namespace kz

int main(int argc, char** argv) {
  using namespace kz;
  MenuModel model;
  composer.instance = &strings;
  panel.window = &model;
  panel.SetSectionState(3);
  for (int i = 1; i < argc; ++i) {
    const int id = std::atoi(argv[i]);
    const int box = id - kSectionCheckboxes[0];
    if (0 <= box && box < kSectionCount) model.checked[box] = !model.checked[box];
    if (!model.greyed[id]) RunCommand(id, panel, composer, model);
    const char* separator = "";
    for (const auto& [item, isGreyed] : model.greyed) {
      if (isGreyed) std::printf("%s%d", separator, item);
      if (isGreyed) separator = " ";
    }
    std::printf("\n");
  }
  return 0;
}
