#include "models/KeyLayout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>

#include "models/ModelTable.h"

namespace vexa {

// Names the model in test output instead of dumping its bytes.
void PrintTo(const ModelInfo& model, std::ostream* os) { *os << model.name; }

namespace {

constexpr int kDirections[] = {kLeft, kRight, kUp, kDown};

// Position 28 of the models with the two-rectangle Enter key: no arrow lands on it.
bool IsEnterBlock(int modelId, int position) { return HasLShapedEnter(modelId) && position == 28; }

bool Overlap(const KeyRect& a, const KeyRect& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

class KeyLayoutModelTest : public ::testing::TestWithParam<ModelInfo> {};

TEST_P(KeyLayoutModelTest, KeysFitTheKeyboardAndEditDistinctSlots) {
  const ModelInfo& model = GetParam();
  const std::vector<LayoutKey>& layout = LayoutOf(model.id);
  ASSERT_EQ(layout.size(), static_cast<size_t>(model.keyCount));

  std::set<int> keyIndexes;
  for (size_t p = 0; p < layout.size(); ++p) {
    SCOPED_TRACE("position " + std::to_string(p));
    const LayoutKey& key = layout[p];
    EXPECT_GE(key.keyIndex, 0);
    EXPECT_LT(key.keyIndex, 176);
    // Only the upper Enter block of the PX2100 and PX2200 shares its slot (with Enter at 41).
    const bool sharesWithEnter = p == 28 && (model.id == 2014 || model.id == 2015);
    if (sharesWithEnter) {
      EXPECT_EQ(key.keyIndex, layout[41].keyIndex);
    } else {
      EXPECT_TRUE(keyIndexes.insert(key.keyIndex).second) << "key index " << key.keyIndex << " used twice";
    }

    const KeyRect& r = key.rect;
    EXPECT_GT(r.width, 0);
    EXPECT_GT(r.height, 0);
    EXPECT_GE(r.left, 30);
    EXPECT_GE(r.top, 20);
    EXPECT_LE(r.left + r.width, 730);
    EXPECT_LE(r.top + r.height, 300);
    for (size_t q = p + 1; q < layout.size(); ++q)
      EXPECT_FALSE(Overlap(r, layout[q].rect)) << "overlaps position " << q;
  }
}

TEST_P(KeyLayoutModelTest, ArrowMovesStayInsideTheLayout) {
  const ModelInfo& model = GetParam();
  std::vector<bool> reached(static_cast<size_t>(model.keyCount), false);
  for (int p = 0; p < model.keyCount; ++p) {
    for (int direction : kDirections) {
      const int to = Neighbour(model.id, direction, p);
      ASSERT_GE(to, 0) << "position " << p << " direction " << direction;
      ASSERT_LT(to, model.keyCount) << "position " << p << " direction " << direction;
      if (to == p) continue;
      reached[static_cast<size_t>(to)] = true;
      EXPECT_FALSE(IsEnterBlock(model.id, to)) << "reached from " << p;
    }
  }
  // Every key but the Enter block is reachable from some other key (a one-key
  // row, such as KeyLock's on the PX2100, is reached by up or down).
  for (int p = 0; p < model.keyCount; ++p) {
    if (IsEnterBlock(model.id, p)) continue;
    EXPECT_TRUE(reached[static_cast<size_t>(p)]) << "position " << p;
  }
}

TEST_P(KeyLayoutModelTest, LeftAndRightWalkEachRowOnceFromLeftToRight) {
  const ModelInfo& model = GetParam();
  const std::vector<LayoutKey>& layout = LayoutOf(model.id);
  for (int p = 0; p < model.keyCount; ++p) {
    if (IsEnterBlock(model.id, p)) continue;
    SCOPED_TRACE("position " + std::to_string(p));
    EXPECT_EQ(Neighbour(model.id, kLeft, Neighbour(model.id, kRight, p)), p);
    EXPECT_EQ(Neighbour(model.id, kRight, Neighbour(model.id, kLeft, p)), p);
    // Going right round the whole row moves leftwards exactly once: the wrap.
    int wraps = 0, at = p, steps = 0;
    do {
      const int next = Neighbour(model.id, kRight, at);
      if (layout[static_cast<size_t>(next)].rect.left <= layout[static_cast<size_t>(at)].rect.left) ++wraps;
      at = next;
    } while (at != p && ++steps < model.keyCount);
    EXPECT_EQ(at, p) << "the row does not close";
    EXPECT_EQ(wraps, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(AllModels, KeyLayoutModelTest, ::testing::ValuesIn(Models()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyLayoutTest, KeysOfTheSheets) {
  struct Case {
    int model, position;
    const char* label;
    int keyIndex;
    KeyRect rect;
  };
  const Case cases[] = {
      {2013, 0, "`", 13, {55, 140, 27, 25}},         {2013, 13, "\\", 87, {445, 140, 27, 25}},
      {2013, 28, "", 28, {462, 170, 40, 30}},        {2013, 40, "\"", 71, {415, 200, 27, 25}},
      {2013, 41, "Enter", 51, {445, 200, 57, 25}},   {2013, 123, "KeyLock", 160, {55, 50, 57, 25}},
      {2014, 28, "", 81, {487, 170, 40, 30}},        {2014, 41, "Enter", 81, {470, 200, 57, 25}},
      {2014, 78, "+", 95, {650, 170, 27, 55}},       {2014, 121, "KeyLock", 160, {620, 50, 57, 25}},
      {2015, 28, "", 14, {459, 170, 40, 30}},        {2015, 68, "1", 58, {592, 230, 27, 25}},
      {2015, 71, "CR", 34, {682, 230, 27, 55}},      {2015, 133, "KeyLock", 160, {652, 50, 57, 25}},
      {2016, 6, "M21", 55, {370, 95, 45, 30}},       {2016, 59, "00", 127, {340, 255, 35, 30}},
      {2016, 66, "KeyLock", 113, {100, 55, 75, 30}}, {2017, 16, "K17", 116, {600, 180, 35, 30}},
      {2018, 9, "B2", 9, {80, 80, 25, 25}},          {2018, 175, "V8", 175, {680, 260, 25, 25}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("model " + std::to_string(c.model) + " position " + std::to_string(c.position));
    const LayoutKey& key = LayoutOf(c.model).at(static_cast<size_t>(c.position));
    EXPECT_EQ(key.label, c.label);
    EXPECT_EQ(key.keyIndex, c.keyIndex);
    EXPECT_EQ(key.rect, c.rect);
  }
}

TEST(KeyLayoutTest, ArrowMovesOfTheSheets) {
  struct Case {
    int model, direction, from, to;
  };
  // clang-format off
  const Case cases[] = {
      // PX2400: the rows wrap, KeyLock sits above ESC, the Enter block stays put.
      {2013, kLeft, 0, 119},    {2013, kRight, 119, 0},   {2013, kUp, 77, 123},   {2013, kDown, 123, 77},
      {2013, kDown, 13, 41},    {2013, kDown, 14, 41},    {2013, kUp, 28, 28},    {2013, kDown, 28, 28},
      {2013, kLeft, 28, 27},    {2013, kRight, 28, 29},   {2013, kUp, 95, 57},    {2013, kDown, 58, 101},
      {2013, kRight, 110, 123}, {2013, kLeft, 114, 116},  {2013, kUp, 123, 54},
      // PX2100 and PX2200: the two-row keypad keys and the one-key KeyLock row.
      {2014, kUp, 71, 78},      {2014, kDown, 78, 71},    {2014, kUp, 121, 71},   {2014, kDown, 121, 120},
      {2014, kLeft, 121, 121},  {2014, kUp, 106, 57},     {2014, kDown, 63, 67},
      {2015, kUp, 62, 75},      {2015, kDown, 66, 131},   {2015, kUp, 133, 71},   {2015, kDown, 133, 132},
      {2015, kDown, 68, 65},    {2015, kLeft, 28, 27},    {2015, kRight, 28, 29},
      // DV3500: KeyLock above L11; "8" and "00" lead to each other across the wrap.
      {2016, kUp, 0, 66},       {2016, kDown, 66, 0},     {2016, kUp, 19, 59},    {2016, kDown, 59, 19},
      {2016, kUp, 12, 26},      {2016, kRight, 12, 0},
      // DV3100: up and down both move between the wide keys and the row below.
      {2017, kUp, 0, 6},        {2017, kDown, 0, 6},      {2017, kUp, 7, 0},      {2017, kDown, 7, 0},
      {2017, kUp, 16, 5},       {2017, kLeft, 6, 16},
      // DV3300: a wrapping grid.
      {2018, kLeft, 3, 171},    {2018, kRight, 171, 3},   {2018, kUp, 8, 15},     {2018, kDown, 175, 168},
      // Outside the layout: position 0; a stored id outside the table moves as a PX2400.
      {2013, kLeft, 124, 0},    {2013, kUp, -1, 0},       {2017, kDown, 17, 0},   {2019, kLeft, 0, 119},
      {2012, kUp, 77, 123},
  };
  // clang-format on

  for (const Case& c : cases)
    EXPECT_EQ(Neighbour(c.model, c.direction, c.from), c.to)
        << "model " << c.model << " direction " << c.direction << " from " << c.from;
}

TEST(KeyLayoutTest, UnknownDirectionKeepsTheSelection) {
  EXPECT_EQ(Neighbour(2013, 4, 5), 5);
  EXPECT_EQ(Neighbour(2018, -1, 100), 100);
}

TEST(KeyLayoutTest, OutsideIdsUseThePx2400Layout) {
  EXPECT_EQ(&LayoutOf(2019), &LayoutOf(2013));
  EXPECT_EQ(&LayoutOf(0), &LayoutOf(2013));
}

TEST(KeyLayoutTest, Px2400KeyLockPartnerHasNoKeyOfItsOwn) {
  // Key index 121 follows KeyLock (160) on the PX2400, so no position may edit it.
  for (const LayoutKey& key : LayoutOf(2013)) EXPECT_NE(key.keyIndex, 121) << key.label;
}

}  // namespace
}  // namespace vexa
