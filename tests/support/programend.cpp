#include "programend.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

// Runs the checks with their failures caught, prints them (the child's output is what the
// death test shows) and tells whether all passed.
bool passes(const std::function<void()>& checks)
{
    ::testing::TestPartResultArray failures;
    {
        const ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        checks();
    }
    for (int i = 0; i < failures.size(); ++i) {
        const ::testing::TestPartResult& f = failures.GetTestPartResult(i);
        std::fprintf(stderr, "%s:%d: %s\n", f.file_name() ? f.file_name() : "?", f.line_number(), f.message());
    }
    return failures.size() == 0;
}

} // namespace

void expectProgramEnds(RecordingPlatform& platform, int status, const std::function<void()>& act,
    const std::function<void()>& checks)
{
    // A fresh process runs the test up to `act`: forking this one would copy Qt's threads' locks
    // without the threads.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    platform.onExitProcess = [&checks](win32::UINT exitCode) {
        const bool checked = !checks || passes(checks);
        std::fflush(nullptr);
        std::_Exit(checked ? int(exitCode) : ChecksFailed);
    };
    EXPECT_EXIT(act(), ::testing::ExitedWithCode(status), "");
    platform.onExitProcess = nullptr;
}
