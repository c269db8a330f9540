// kzub's work without its output: the comments of `kz_compose_alone COUNT
// SEED` composed as `kzub --count COUNT --seed SEED` composes them, with its
// default settings, and only their total length printed. bench/kzub/run.sh
// times it beside kzub, so the difference is what kzub's writing costs.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "compose/composer.h"
#include "compose/random.h"
#include "compose/stored_strings.h"

namespace kz {
namespace {

struct LengthSum final : CommentDisplay {
  void ShowComment(const char* text, const char*) override { total += std::strlen(text); }
  std::uint64_t total = 0;
};

Composer composer;  // large: static storage, as in kzub
const StoredStrings storedStrings;

}  // namespace
}  // namespace kz

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: kz_compose_alone COUNT SEED\n");
    return 2;
  }
  long long count = std::atoll(argv[1]);
  kz::LengthSum sum;
  kz::composer.instance = &kz::storedStrings;
  kz::composer.window = &sum;
  kz::composer.LoadWordLists();
  kz::composer.LoadSpellingPairs();
  const kz::SectionSettings top = {kz::KnobTop(kz::kTopRow), true};
  const kz::ComposeSettings settings = {0, 1, 1, {top, top, top}};  // kzub's defaults
  sum.total = 0;  // the start-up texts are no comments
  kz::Random random;
  for (kz::Seconds second = std::atoll(argv[2]); count-- > 0; ++second) {
    random.Seed(kz::SeedOfSecond(second));
    kz::composer.Compose(settings, random);
  }
  std::printf("%llu characters\n", static_cast<unsigned long long>(sum.total));
  return 0;
}
