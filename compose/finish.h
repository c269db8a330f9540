// The length mark shown beside the comment.
#pragma once

namespace kz {

// "<80", "=80" or ">80": how a finished comment of `length` characters
// compares with 80.
const char* LengthMark(int length);

}  // namespace kz
