#include "records/BackgroundWriter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <numeric>
#include <stdexcept>
#include <vector>

using namespace ondrix;

namespace {

// An owner that hands its work over one piece per job, as the tag service does, and whose first job throws.
struct PiecewiseOwner {
    std::deque<int> pending;
    std::vector<int> done;
    bool throwOnce = true;
    BackgroundWriter writer{[this]() -> BackgroundWriter::Job {
        if (pending.empty()) {
            return {};
        }
        const int piece = pending.front();
        pending.pop_front();
        return [this, piece] {
            if (std::exchange(throwOnce, false)) {
                throw std::runtime_error("disk full");
            }
            done.push_back(piece);
        };
    }};

    void submit(int piece)
    {
        writer.submit([&] { pending.push_back(piece); });
    }
};

} // namespace

// flush returns only once every piece is done, not after the first job; a throwing job costs only itself.
TEST(BackgroundWriterTest, FlushWaitsForWorkTakenPieceByPiece)
{
    PiecewiseOwner owner;
    for (int i = 0; i < 200; ++i) {
        owner.submit(i);
    }
    owner.writer.flush();
    std::vector<int> expected(199);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(owner.writer.withLock([&] { return owner.pending.empty() ? owner.done : std::vector<int>(); }),
              expected);
}

// Pacing never holds work back from a stop: what is pending is done, then the thread ends for good.
TEST(BackgroundWriterTest, StopDoesWhatIsPendingDespiteThePacing)
{
    std::atomic_int pending = 0;
    std::atomic_int written = 0;
    BackgroundWriter writer(
        [&]() -> BackgroundWriter::Job {
            if (pending.exchange(0) == 0) {
                return {};
            }
            return [&] { ++written; };
        },
        BackgroundWriter::Pacing{std::chrono::hours(1), std::chrono::hours(1)});
    writer.submit([&] { pending = 1; });
    writer.stop();
    EXPECT_EQ(written.load(), 1);
    writer.submit([&] { pending = 1; });
    writer.flush();
    EXPECT_EQ(written.load(), 1) << "nothing is written after the stop";
}
