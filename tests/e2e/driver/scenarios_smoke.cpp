// A short run of the second Windows build where the full suite drives the
// other one: it starts, composes kzub's comment, and ends with code 0.
#include "actions.h"

namespace kze {

KZE_SCENARIO(smoke) {
  RunRow("start-up, one comment equal to kzub's, File > Exit with code 0", [] {
    Program program;
    Expect(program.Text(101) == "Revavav Evovod" && program.Text(100) == "00",
           "start texts " + Quoted(program.Text(101)) + " " + Quoted(program.Text(100)));
    Settings s = ReadSettings(program);
    ExpectComposed(Generate(program, Press::kCommand), s);
    program.Post(program.window(), WM_COMMAND, 105, 0);
    DWORD code = 12345;
    if (!program.WaitExit(5000, &code)) Fatal("still running 5 s after File > Exit");
    Expect(code == 0, Format("exit code %lu, want 0", code));
  });
}

}  // namespace kze
