#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "panelwick/Mt/ThreadObject.h"

TEST(ThreadObject, RunsOneBodyAtATimeWithCancelAndProgress) {
    Mt::ThreadObject thread;
    std::atomic<bool> release{false};
    ASSERT_TRUE(thread.Start([&](Mt::ThreadObject& self) {
        self.progress().Set(0.25);
        while (!release.load()) std::this_thread::yield();
        return self.IsCancelled() ? 7 : 3;
    }));
    EXPECT_FALSE(thread.Start([](Mt::ThreadObject&) { return 0; }));
    while (thread.progress().Get() != 0.25) std::this_thread::yield();
    EXPECT_EQ(thread.progress().GetFixed(), int64_t(1) << 29);
    thread.Cancel();
    release = true;
    EXPECT_EQ(thread.Wait(), 7);
    EXPECT_FALSE(thread.IsRunning());

    ASSERT_TRUE(thread.Start([](Mt::ThreadObject& self) { return self.IsCancelled() ? 1 : 2; }));
    EXPECT_EQ(thread.Wait(), 2);  // a new start clears the cancel flag
    EXPECT_EQ(thread.progress().Get(), 0.0);
}
