// The template table and SelectTemplate: which set a style and role pick,
// that nothing else is touched, and the shape rules the generator's walk
// relies on.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "compose/composer.h"
#include "compose/templates.h"
#include "tests/compose/composer_fixture.h"

namespace kz {
namespace {

bool SameSet(const TemplateSet& a, const TemplateSet& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

int Select(Composer& c, int style, int role, int otherStyles = -7) {
  SliderRecord sliders[kSectionCount] = {kInitialSliders[0], kInitialSliders[1],
                                         kInitialSliders[2]};
  sliders[0].style = style;
  sliders[1].style = sliders[2].style = otherStyles;
  return c.SelectTemplate(role, sliders);
}

TEST(SelectTemplate, CopiesTheSetForRecordZerosStyleAndTheRole) {
  Composer c{};
  struct Case {
    int style, role, set;
  } cases[] = {{0, 0, 0}, {0, 1, 1}, {2, 0, 4}, {4, 1, 9}, {5, 1, 11}};
  for (const Case& k : cases) {
    // Records 1 and 2 hold a style with no set: they are not read.
    EXPECT_EQ(Select(c, k.style, k.role), kStepCount);
    EXPECT_TRUE(SameSet(WorkingSet(), kTemplateSets[k.set])) << "set " << k.set;
  }
}

TEST(SelectTemplate, WithoutASetLeavesTheWorkingSetAsItWas) {
  Composer c{};
  ASSERT_EQ(Select(c, 3, 1), kStepCount);
  struct Case {
    int style, role;
  } cases[] = {{6, 0}, {-1, 1}, {0, 2}, {5, -1}, {1000, 1000}};
  for (const Case& k : cases) {
    EXPECT_EQ(Select(c, k.style, k.role), 0) << k.style << "/" << k.role;
    EXPECT_TRUE(SameSet(WorkingSet(), kTemplateSets[7])) << k.style << "/" << k.role;
  }
}

// The walk relies on these: sections own consecutive steps from their start,
// rows name only the section's own real steps in rising order, and every
// list a step reads holds a word in the stored bank.
TEST(TemplateTable, KeepsTheShapeRules) {
  auto c = testing_support::StoredComposer();
  for (int n = 0; n < kTemplateSetCount; ++n) {
    const TemplateSet& set = kTemplateSets[n];
    SCOPED_TRACE("set " + std::to_string(n));
    EXPECT_EQ(set.sections[0].start, 0);
    EXPECT_LT(set.sections[0].start, set.sections[1].start);
    EXPECT_LT(set.sections[1].start, set.sections[2].start);
    EXPECT_LE(set.sections[2].start, kStepCount - 1);
    EXPECT_GE(set.shape.steps[0].pickKind, 0);
    for (int s = 0; s < kSectionCount; ++s) {
      const int first = set.sections[s].start;
      const int last = s + 1 < kSectionCount ? set.sections[s + 1].start - 1 : kStepCount - 1;
      for (const auto& row : set.sections[s].rows) {
        int previous = -1;
        for (int step : row) {
          if (step == -1) continue;
          EXPECT_GE(step, first);
          EXPECT_LE(step, last);
          EXPECT_GT(step, previous);
          EXPECT_GE(set.shape.steps[step].pickKind, 0) << "a row names a filler step";
          previous = step;
        }
      }
    }
    for (const TemplateStep& step : set.shape.steps) {
      if (step.pickKind == kFillerStep) {
        EXPECT_EQ(step.group, -1);
        continue;
      }
      ASSERT_GE(step.group, 0);
      ASSERT_LT(step.group, kGroupCount);
      ASSERT_LE(step.pickKind, 7);
      for (int list : {step.pickKind == 7 ? 1 : step.pickKind, step.pickKind == 7 ? 4 : -1}) {
        if (list < 0) continue;
        const char* first = c->groups[step.group].Entry(list, 0);
        EXPECT_TRUE(first[0] != '\0' && std::strcmp(first, "none") != 0)
            << "step reads " << step.group << ":" << list;
      }
    }
  }
}

}  // namespace
}  // namespace kz
