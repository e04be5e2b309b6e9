#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "panelwick/Mt/Worker.h"

TEST(Worker, RunsOneBodyAtATimeWithCancelProgressAndResult) {
    Mt::Worker worker;
    std::atomic<bool> release{false}, notified{false};
    ASSERT_TRUE(worker.Start(
        [&](Mt::Task& task) {
            task.SetProgress(0.25);
            while (!release.load()) std::this_thread::yield();
            return task.Cancelled() ? Mt::TaskResult::Stopped() : Mt::TaskResult();
        },
        [&] { notified = true; }));
    EXPECT_FALSE(worker.Start([](Mt::Task&) { return Mt::TaskResult(); }));
    while (worker.task().progress() != 0.25) std::this_thread::yield();
    EXPECT_EQ(worker.task().progressValue().GetFixed(), int64_t(1) << 29);
    worker.Cancel();
    release = true;
    EXPECT_TRUE(worker.Wait().stopped());
    EXPECT_TRUE(notified.load());
    EXPECT_FALSE(worker.running());

    // A new start clears the cancel request and the progress.
    ASSERT_TRUE(worker.Start([](Mt::Task& task) {
        return task.Cancelled() ? Mt::TaskResult::Stopped() : Mt::TaskResult("it failed");
    }));
    const Mt::TaskResult result = worker.Wait();
    EXPECT_TRUE(result.failed());
    EXPECT_EQ(result.message(), "it failed");
    EXPECT_EQ(worker.task().progress(), 0.0);
}

TEST(Worker, DestructionCancelsTheRunningBody) {
    std::atomic<bool> sawCancel{false};
    {
        Mt::Worker worker;
        ASSERT_TRUE(worker.Start([&](Mt::Task& task) {
            while (!task.Cancelled()) std::this_thread::yield();
            sawCancel = true;
            return Mt::TaskResult::Stopped();
        }));
    }
    EXPECT_TRUE(sawCancel.load());
}
