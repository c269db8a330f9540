// kzub's JSON line writer with any text and any buffer: it stays inside, terminates
// it, and says whether the whole line fitted.
#include <cstring>
#include <vector>

#include "fuzz/fuzz.h"
#include "tools/kzub/kzub_json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::size_t room = input.ConsumeIntegralInRange<std::size_t>(1, 2 * kz::kKzubJsonLineSize);
  const std::int64_t second = input.ConsumeIntegral<std::int64_t>();
  const std::string mark = input.ConsumeRandomLengthString(8);
  const std::string comment = input.ConsumeRemainingBytesAsString();
  std::vector<char> line(room);  // exactly `room` bytes, so ASan sees any overrun
  const bool fits = kz::FormatJsonLine(second, mark.c_str(), comment.c_str(), line.data(), room);
  const std::size_t length = strnlen(line.data(), room);
  kz::fuzz::Check(length < room);  // terminated
  kz::fuzz::Check(!fits || (length >= 2 && std::strcmp(line.data() + length - 2, "}\n") == 0));
  return 0;
}
