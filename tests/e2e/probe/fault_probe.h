// What the test driver and the fault probe share. The probe, once its entry
// has put the hooks in, keeps its counts and the failure plan in an exported
// FaultState that the driver reads and writes in the program's memory: no
// thread of the driver's is started in the program after that (under Wine a
// thread started while the program draws can deadlock it).
#pragma once

#include <windows.h>

namespace kzprobe {

constexpr int kMaxHooks = 32;
// Kinds of handle: GetObjectType's (1 pens ... 14 colour spaces), 0 for any
// other, and global memory blocks.
constexpr int kGlobalBlock = 15;
constexpr int kHandleKinds = 16;

struct FaultState {
  LONG failHook;  // whose calls numbered failFirst to failLast fail; -1: none
  LONG failFirst, failLast;
  LONG hooks;                 // rows of the probe's table
  char names[kMaxHooks][32];  // the hooked functions
  LONG imported[kMaxHooks];   // 1: the program imports it, and it is hooked
  LONG canFail[kMaxHooks];    // 1: the driver's loop makes it fail
  LONG calls[kMaxHooks];      // calls the program made since the hooks went in
  LONG failed;                // calls made to fail
  LONG live[kHandleKinds];    // handles made minus handles ended, by kind
};

}  // namespace kzprobe

// The entry that puts the hooks in, and the state, by their undecorated
// names (the DLL is linked with --kill-at).
#define KZPROBE_FAULTS_NAME "KzFaults"
#define KZPROBE_FAULT_STATE_NAME "KzFaultState"
