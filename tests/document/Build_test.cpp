// Placeholder until the first test lands.
#include <gtest/gtest.h>
TEST(Build, Links) { SUCCEED(); }
