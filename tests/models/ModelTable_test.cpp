#include "models/ModelTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

namespace vexa {
namespace {

TEST(ModelTableTest, RowsAreIndexedByConsecutiveIds) {
  ASSERT_EQ(Models().size(), 6u);
  for (size_t i = 0; i < Models().size(); ++i) {
    const ModelInfo& row = Models()[i];
    EXPECT_EQ(row.id, kFirstModelId + static_cast<int>(i));
    EXPECT_EQ(&ModelOf(row.id), &row);
    EXPECT_TRUE(IsKnownModel(row.id));
    EXPECT_EQ(row.name.size(), 6u);
    EXPECT_EQ(row.defaultTextFile, std::string(row.name) + ".txt");
    // The models without a card reader are exactly those with serial port settings.
    EXPECT_EQ(row.cardReader, row.featureLayout == FeatureLayout::OneByte) << row.name;
  }
  EXPECT_EQ(ModelOf(kDefaultModelId).name, "PX2400");
}

TEST(ModelTableTest, IdsOutsideTheTableBehaveAsPx2400) {
  for (int id : {INT_MIN, -1, 0, 2012, 2019, INT_MAX}) {
    EXPECT_FALSE(IsKnownModel(id)) << id;
    EXPECT_EQ(ModelOf(id).id, 2013) << id;
    EXPECT_TRUE(HasLShapedEnter(id)) << id;  // they get the PX2400 layout
  }
}

TEST(ModelTableTest, ParseModelTakesNamesAndIds) {
  const struct {
    const char* text;
    std::optional<int> id;
  } cases[] = {
      {"PX2400", 2013},        {"DV3300", 2018},        {"dv3100", 2017},        {"2013", 2013},
      {"2018", 2018},          {"", std::nullopt},      {"2019", std::nullopt},  {" 2013", std::nullopt},
      {"+2013", std::nullopt}, {"02013", std::nullopt}, {"PX240", std::nullopt}, {"PX24000", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseModel(c.text), c.id) << "'" << c.text << "'";
  EXPECT_EQ(ParseModel(std::string_view("PX2400\0", 7)), std::nullopt);
}

TEST(ModelTableTest, KeyboardMenuOrder) {
  std::string names;
  for (int id : KeyboardMenuOrder()) names += std::string(ModelOf(id).name) + " ";
  EXPECT_EQ(names, "PX2100 PX2200 PX2400 DV3300 DV3500 DV3100 ");
}

}  // namespace
}  // namespace vexa
