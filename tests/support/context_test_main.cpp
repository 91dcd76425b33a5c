// The main of the tests that use the platform: every test runs in a platform context of its own,
// made before the test's fixture and destroyed after it, so that no window, drawing object, cache
// entry or clock reading of one test reaches another.
#include <gtest/gtest.h>

#include <memory>

#include "platform/context.hpp"

namespace {

class FreshContextPerTest : public ::testing::EmptyTestEventListener {
  public:
    void OnTestStart(const ::testing::TestInfo& /*test*/) override {
        context_ = std::make_unique<platform::Context>();
    }
    void OnTestEnd(const ::testing::TestInfo& /*test*/) override { context_.reset(); }

  private:
    std::unique_ptr<platform::Context> context_;
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // The listeners list owns what it is given.
    ::testing::UnitTest::GetInstance()->listeners().Append(
        std::make_unique<FreshContextPerTest>().release());
    return RUN_ALL_TESTS();
}
