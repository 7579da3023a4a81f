// Printing loads the JPEG library through the image plugins, and its
// thread-local variables get a block of dynamic TLS. A block that starts 16
// bytes into a page once made the leak checker scan a nonsense range at exit
// and die after every test had passed. A small program with the test
// programs' sanitizer settings makes such a block on purpose and must still
// end cleanly.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

TEST(DynamicTls, ABlockSixteenBytesIntoAPageLeavesTheLeakCheckerWhole)
{
    const std::string command =
        std::string("'") + PLEXATOR_DYNAMIC_TLS_EXIT + "' '" + PLEXATOR_DYNAMIC_TLS_PROBE + "'";
    FILE* out = popen(command.c_str(), "r");
    ASSERT_NE(out, nullptr);
    unsigned offset = 0;
    const bool told = std::fscanf(out, "%u", &offset) == 1;
    const int status = pclose(out);
    ASSERT_TRUE(told) << "the program printed no offset";
    EXPECT_EQ(status, 0) << "the program, or the leak checker at its exit, failed";
#ifdef __SANITIZE_ADDRESS__
    // Small allocations of the sanitizer come one after another, so the
    // program can place the block.
    EXPECT_EQ(offset, 16u) << "the block did not land where the fault showed";
#endif
}

}  // namespace
