// GoogleTest's entry, inside an isolated home.
#include <gtest/gtest.h>

#include "support/Isolation.h"

int main(int argc, char** argv) {
  orvane::test::IsolatedHome home;
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
