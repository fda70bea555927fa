// The main() of every test program: GoogleTest's, inside a scratch current
// user that each test finds empty. Without the redirection no test runs,
// since the tests write settings under the current user.
#include <gtest/gtest.h>

#include <cstdio>

#include "ScratchRegistry.h"

namespace {

class EmptySettings : public ::testing::EmptyTestEventListener
{
public:
    explicit EmptySettings(ScratchRegistry const& scratch) : scratch_(scratch) {}
    void OnTestStart(::testing::TestInfo const&) override { scratch_.Clear(); }

private:
    ScratchRegistry const& scratch_;
};

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ScratchRegistry scratch;
    if (!scratch.isActive()) {
        fprintf(stderr, "The current user could not be redirected to a scratch key.\n");
        return 1;
    }
    ::testing::UnitTest::GetInstance()->listeners().Append(new EmptySettings(scratch));
    return RUN_ALL_TESTS();
}
