// main() of the GoogleTest suites without Qt: a suite with skipped tests tells ctest so
// (gtest_result.h).
#include <gtest/gtest.h>

#include "gtest_result.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return kittest::runAllTests();
}
