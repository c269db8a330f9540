// What the comment must be: kzub.exe, the command-line composer on the
// program's engine, run for the settings read off the window and for each
// clock second the press may have been handled in.
#pragma once

#include <string>
#include <vector>

namespace kze {

// The settings that decide a comment, as a person sees them in the window.
struct Settings {
  int style = 0;      // 0 Classic .. 5 Concise
  int role = 1;       // 0 As Buyer, 1 As Seller
  int spelling = 1;   // 1 American, 0 European
  int rows[3] = {47, 47, 47};  // knob centre rows
};

std::string ShowSettings(const Settings& s);

// Runs kzub.exe with the arguments; returns its lines (without "\n").
std::vector<std::string> RunKzub(const std::vector<std::string>& args);

// "mark comment" lines for seconds first..last, the settings fixed.
std::vector<std::string> ExpectedLines(const Settings& s, unsigned first, unsigned last);

// A comment composed at `second` after a first one at `firstSecond` with
// all sections enabled, with `frozen` sections frozen from then on.
std::string ExpectedAfterFreeze(const Settings& s, unsigned firstSecond, unsigned second,
                                const bool frozen[3]);

bool HaveKzub();

}  // namespace kze
