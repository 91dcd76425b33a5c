// The event wait's decision to ask Xlib for the events it holds before sleeping, headless: only
// a quiet ask followed by sleeps that timed out, with no request sent since, lets it sleep at once.
#include <gtest/gtest.h>

#include "platform/backend/sdl/queue_check.hpp"

namespace {

using platform::sdl::QueueCheck;

TEST(QueueCheck, AsksUnlessNothingCouldHaveComeSinceAQuietAsk) {
    QueueCheck check;
    EXPECT_TRUE(check.Needed(10)) << "the first wait always asks";

    check.Asked(10, false);
    check.Slept(true);
    EXPECT_FALSE(check.Needed(10)) << "a timer's wake-up that sent nothing";
    check.Slept(true);
    EXPECT_FALSE(check.Needed(10)) << "and another";
    EXPECT_TRUE(check.Needed(11)) << "a request sent since: its reply may have brought events";

    check.Asked(11, false);
    check.Slept(false);
    EXPECT_TRUE(check.Needed(11)) << "the connection or the wake-up descriptor became ready";

    check.Asked(11, true);
    EXPECT_TRUE(check.Needed(11)) << "Xlib held events: the wait returned without sleeping";
    check.Slept(true);
    EXPECT_TRUE(check.Needed(11)) << "a sleep after an ask that found events proves nothing";

    check.Asked(12, false);
    EXPECT_FALSE(check.Needed(12)) << "asked, found nothing, not slept yet";
    EXPECT_TRUE(check.Needed(13));
}

}  // namespace
