// Intake of the hand-off file and the mirrored tables.
#include <gtest/gtest.h>

#include "fixtures.h"
#include "zumenko/intake.h"

using namespace zumenko;
using namespace zumenko_test;

TEST(Intake, Sample) {
    Drawing doc = sampleDrawing();
    EXPECT_EQ(doc.split.text(3, 4), "HP250");
}
