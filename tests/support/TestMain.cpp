// The widget tests run real widgets on Qt's offscreen platform: no display needed.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/Application.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    RuntimeInit(argc, argv);
    int result = RUN_ALL_TESTS();
    RuntimeReleaseModuleObjects();
    RuntimeExit();
    return result;
}
