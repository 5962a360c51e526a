// Test main: the renderer needs a QGuiApplication (offscreen) for its fonts.
#include <gtest/gtest.h>

#include "zumenko/preview/render.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    zumenko::preview::ensureGuiApplication();
    return RUN_ALL_TESTS();
}
