// Not a test: sets a pleasant state, presses Zub and holds the window still
// for a few seconds, so scripts/screenshot.sh can photograph it.
#include "actions.h"
#include "resource_ids.h"

namespace kze {

KZE_SCENARIO(pose) {
  Program program;
  for (int id : {IDM_CLASSIC, IDM_AS_SELLER, IDM_BEGINNING_TOP, IDM_MIDDLE_MIDDLE, IDM_END_TOP}) {
    program.Command(id);
  }
  program.Command(IDC_GENERATE);
  program.Sync();
  std::printf("posed\n");
  std::fflush(stdout);
  SleepMs(4000);
}

}  // namespace kze
