// Every report of the hook library is acted on once, whether its wake-up or a scan step
// that cannot wait for it comes first.

#include "backends/x11/report_wakeups.h"

#include <gtest/gtest.h>

namespace zv::x11 {
namespace {

TEST(ReportWakeups, each_wake_up_acts_on_its_own_report) {
    ReportWakeups w;
    w.posted();
    w.posted();
    EXPECT_TRUE(w.arrived());
    EXPECT_TRUE(w.arrived());
    EXPECT_FALSE(w.takeAhead());
}

TEST(ReportWakeups, reports_taken_ahead_pass_over_their_wake_ups_and_no_more) {
    ReportWakeups w;
    w.posted();
    EXPECT_TRUE(w.arrived());
    w.posted();
    w.posted();
    EXPECT_TRUE(w.takeAhead());
    EXPECT_FALSE(w.takeAhead());
    // A report posted after the step took the others is the next one's.
    w.posted();
    EXPECT_FALSE(w.arrived());
    EXPECT_FALSE(w.arrived());
    EXPECT_TRUE(w.arrived());
    EXPECT_FALSE(w.takeAhead());
}

TEST(ReportWakeups, a_report_whose_wake_up_arrived_is_not_taken_again) {
    ReportWakeups w;
    w.posted();
    w.posted();
    EXPECT_TRUE(w.arrived());
    EXPECT_TRUE(w.takeAhead());
    EXPECT_FALSE(w.arrived());
    w.posted();
    EXPECT_TRUE(w.arrived());
}

}  // namespace
}  // namespace zv::x11
