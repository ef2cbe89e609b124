// How a GoogleTest program ends for ctest. GoogleTest ends with 0 when tests were skipped,
// so a suite that skipped (outside the test bed, say) would show in ctest as passed with
// nothing run. Ending with kSkippedExitCode instead, which kit_add_gtest
// (tests/CMakeLists.txt) declares as ctest's skip code, shows it as skipped.
#pragma once

#include <gtest/gtest.h>

namespace kittest {

constexpr int kSkippedExitCode = 77;

// Runs every test: RUN_ALL_TESTS' result, or kSkippedExitCode when none failed but some
// were skipped (the output names them).
inline int runAllTests() {
    const int result = RUN_ALL_TESTS();
    const bool skipped = testing::UnitTest::GetInstance()->skipped_test_count() > 0;
    return result == 0 && skipped ? kSkippedExitCode : result;
}

}  // namespace kittest
