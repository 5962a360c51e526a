// gesui draw: the same script as the core, in CP932, on standard output or into a file.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "common/textfile.h"
#include "fixtures.h"
#include "support/golden.h"
#include "zumenko/intake.h"
#include "zumenko/script.h"

using namespace zumenko;
using namespace zumenko_test;
using testing_support::TempDir;
using testing_support::testData;

namespace {

// The sample's hand-off file is kept as test data so that it can be read by hand and
// used by the command-line tests.
TEST(DrawCli, SampleHandoffFile) {
    Drawing src;
    setSampleFormat(src);
    setSampleProfile(src);
    auto bytes = common::encodeCp932Lines(handoffLines(src));
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(testing_support::matchesGolden("zumenko/sample_handoff.txt", *bytes));
}

}  // namespace
