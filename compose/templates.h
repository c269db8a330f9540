// The sentence templates: for every style and role the eleven word slots of
// a comment and, per section, which slots reach the comment at each slider
// level; and the working set the generator reads.
#pragma once

#include <cstdint>

#include "compose/compose_settings.h"
#include "resources/styles.h"

namespace kz {

constexpr int kRoleCount = 2;   // As Buyer, As Seller
constexpr int kTemplateSetCount = kStyleCount * kRoleCount;
constexpr int kStepCount = 11;  // word slots of a comment
constexpr int kLevelCount = 3;  // slider bands, hence rows per section table
constexpr int kRowLength = 4;   // step indices (or -1) per row

// How a step picks its word from its group (see the generator):
//   0 short list 0, a "." attaches;      1 short list 1, "," or "-" attach;
//   2 short list 2, a lone blank adds nothing; 3 short list 3, a "." attaches;
//   4, 5, 6 long lists 4, 5, 6;          7 short list 1 or long list 4 by a
//   second draw; -1 a filler step that reads nothing and is never included.
using PickKind = std::int32_t;
constexpr PickKind kFillerStep = -1;

struct TemplateStep {
  std::int32_t group;  // word group 0..17, -1 for a filler step
  PickKind pickKind;
};

struct Template {
  TemplateStep steps[kStepCount];
};

struct SectionTable {
  // rows[0] is used at Level 3 (knob low), rows[1] at Level 2, rows[2] at
  // Level 1 (knob high). Each lists, rising, the steps that reach the text;
  // a -1 consumes one step.
  std::int32_t rows[kLevelCount][kRowLength];
  std::int32_t start;  // first step the section owns
};

struct TemplateSet {
  Template shape;
  SectionTable sections[kSectionCount];  // Beginning, Middle, End
};

// The template table is held as 732 plain integers, set after set.
static_assert(sizeof(TemplateStep) == 2 * sizeof(std::int32_t), "no padding");
static_assert(sizeof(SectionTable) == 13 * sizeof(std::int32_t), "no padding");
static_assert(sizeof(TemplateSet) == 61 * sizeof(std::int32_t), "no padding");

// Set number 2 * style + role.
extern const TemplateSet kTemplateSets[kTemplateSetCount];

// The set the last successful SelectTemplate copied; all zeros before that.
const TemplateSet& WorkingSet();

}  // namespace kz
