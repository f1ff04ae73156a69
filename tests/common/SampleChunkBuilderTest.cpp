#include "common/SampleChunkBuilder.h"
#include "support/WaveBytes.h"

#include <QSemaphore>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <cmath>
#include <dlfcn.h>
#include <functional>

using namespace testing_support;

namespace {

// A frame function whose values tell which frame they came from.
StereoValue frameNumber(std::int32_t n)
{
    return {double(n % 30000), -double(n % 30000)};
}

} // namespace

TEST(SampleChunkBuilder, ElementSizesForFrameCounts)
{
    struct Row {
        const char *name;
        std::int32_t frames;
        int fullElements;
        int lastBytes;  // of element fullElements, 0 when there is none
    };
    const Row rows[] = {
        {"no frames", 0, 0, 0},
        {"exactly one chunk, no empty partial one", 15000, 1, 0},
        {"two seconds", 88200, 5, 52800},
        {"ten seconds", 441000, 29, 24000},
        {"all 201 elements", 3015000, 201, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        SampleChunks chunks;
        FillSampleChunks(chunks, row.frames, frameNumber);
        qsizetype total = 0;
        for (int k = 0; k < SampleChunkCount; ++k) {
            SCOPED_TRACE(k);
            const qsizetype expected = k < row.fullElements ? 60000 : (k == row.fullElements ? row.lastBytes : 0);
            EXPECT_EQ(chunks[std::size_t(k)].size(), expected);
            total += chunks[std::size_t(k)].size();
        }
        EXPECT_EQ(total, qsizetype(row.frames) * 4);
    }
}

TEST(SampleChunkBuilder, OneFrameTooManyIsRefusedBeforeSynthesis)
{
    SampleChunks chunks;
    chunks[0] = "old";
    int calls = 0;
    EXPECT_THROW(FillSampleChunks(chunks, 3015001, [&](std::int32_t) { ++calls; return StereoValue{0, 0}; }),
                 SynthesisError);
    EXPECT_THROW(FillSampleChunks(chunks, -1, [&](std::int32_t) { ++calls; return StereoValue{0, 0}; }),
                 SynthesisError);
    EXPECT_EQ(calls, 0);
}

TEST(SampleChunkBuilder, FramesRunFromOneWithoutGapOrRepeat)
{
    SampleChunks chunks;
    FillSampleChunks(chunks, 45001, frameNumber);
    const std::vector<std::int16_t> s = samples(joined(chunks));
    ASSERT_EQ(s.size(), 2u * 45001);
    for (std::size_t j = 0; j < 45001; ++j) {
        const int n = int(j + 1) % 30000;
        ASSERT_EQ(s[2 * j], n) << "frame " << j + 1;
        ASSERT_EQ(s[2 * j + 1], -n) << "frame " << j + 1;
    }
}

TEST(SampleChunkBuilder, RoundsHalvesToEven)
{
    struct Row {
        double value;
        std::int16_t stored;
    };
    const Row rows[] = {{1000.5, 1000}, {1001.5, 1002}, {-2.5, -2}, {2.5, 2}, {3.5, 4}, {-3.5, -4},
                        {0.49999999, 0}, {32767.4, 32767}, {-32768.4, -32768}, {-0.5, 0}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.value);
        SampleChunks chunks;
        FillSampleChunks(chunks, 1, [&](std::int32_t) { return StereoValue{row.value, row.value}; });
        EXPECT_EQ(samples(chunks[0]), (std::vector<std::int16_t>{row.stored, row.stored}));
    }
}

TEST(SampleChunkBuilder, ValuesBeyondSixteenBitsAreRefused)
{
    struct Row {
        std::int32_t frames;
        std::int32_t badFrame;
        int stepsBefore;  // chunks completed before the bad frame
    };
    // the long sound is built on several threads; the step of an earlier chunk still runs
    const Row rows[] = {{20000, 16000, 1}, {441000, 16000, 1}, {441000, 300001, 20}, {441000, 441000, 29}};
    for (const Row &row : rows) {
        for (double bad : {32767.5, -32768.6, 40000.0, double(NAN), double(INFINITY)}) {
            SCOPED_TRACE(testing::Message() << row.frames << " frames, " << bad << " at " << row.badFrame);
            SampleChunks chunks;
            chunks[3] = "old";
            int steps = 0;
            EXPECT_THROW(FillSampleChunks(chunks, row.frames,
                                          [&](std::int32_t n) {
                                              return StereoValue{0, n == row.badFrame || n == row.badFrame + 1 ? bad : 0};
                                          },
                                          [&](std::span<std::int16_t>) { ++steps; }),
                         SynthesisError);
            EXPECT_EQ(steps, row.stepsBefore);
            for (int k = 0; k < SampleChunkCount; ++k)
                ASSERT_TRUE(chunks[std::size_t(k)].isEmpty()) << "element " << k << " kept after a failure";
        }
    }
}

TEST(SampleChunkBuilder, PhaseRunsOnAcrossChunkBoundaries)
{
    const float omega = SampleMath::Omega(1000);
    SampleChunks chunks;
    FillSampleChunks(chunks, 30001, [&](std::int32_t n) {
        const double s = 10000 * std::sin(double(omega) * n);
        return StereoValue{s, s};
    });
    for (int n : {1, 15000, 15001, 30000, 30001}) {
        SCOPED_TRACE(n);
        const int k = (n - 1) / 15000;
        const int j = (n - 1) % 15000;
        const auto s = samples(chunks[std::size_t(k)]);
        EXPECT_EQ(s[std::size_t(2 * j)], std::int16_t(std::nearbyint(10000 * std::sin(double(omega) * n))));
    }
    // the first frame is sin(ω), not sin(0)
    EXPECT_NE(samples(chunks[0])[0], 0);
}

TEST(SampleChunkBuilder, SecondCallLeavesNothingOfTheFirst)
{
    SampleChunks chunks;
    FillSampleChunks(chunks, 100000, frameNumber);
    FillSampleChunks(chunks, 20, [](std::int32_t) { return StereoValue{7, 7}; });
    EXPECT_EQ(chunks[0].size(), 80);
    for (int k = 1; k < SampleChunkCount; ++k)
        EXPECT_TRUE(chunks[std::size_t(k)].isEmpty()) << k;
}

TEST(SampleChunkBuilder, ChunkStepSeesOnlyTheValuesThatAreCopied)
{
    SampleChunks chunks;
    std::vector<std::size_t> seen;
    FillSampleChunks(chunks, 15000 + 3, [](std::int32_t) { return StereoValue{100, -100}; },
                     [&](std::span<std::int16_t> values) {
                         seen.push_back(values.size());
                         for (std::int16_t &v : values)
                             v = std::int16_t(v * 2);
                     });
    EXPECT_EQ(seen, (std::vector<std::size_t>{30000, 6}));
    EXPECT_EQ(samples(chunks[1]), (std::vector<std::int16_t>{200, -200, 200, -200, 200, -200}));
    EXPECT_EQ(samples(chunks[0])[29999], -200);
}

TEST(SampleChunkBuilder, OmegaIsHeldInSinglePrecision)
{
    const double exact = 1000.0 * 6.283185308 / 44100.0;
    EXPECT_EQ(SampleMath::Omega(1000), float(exact));
    EXPECT_NE(double(SampleMath::Omega(1000)), exact);
}

namespace {

// A gain step that looks back: each chunk is scaled by the running maximum of all values so far.
struct RunningMaximumStep {
    int maximum = 1;
    std::vector<std::size_t> sizes;
    void operator()(std::span<std::int16_t> values)
    {
        sizes.push_back(values.size());
        for (std::int16_t v : values)
            maximum = std::max(maximum, std::abs(int(v)));
        for (std::int16_t &v : values)
            v = std::int16_t(v * 12000 / maximum);
    }
};

} // namespace

TEST(SampleChunkBuilder, ThreadsGiveTheBytesOfTheSequentialBuild)
{
    using Frame = std::function<StereoValue(std::int32_t)>;
    const float omega = SampleMath::Omega(1000);
    const double gain = std::pow(10.0, (3.0 + 51.0) / 20.0);
    struct Row {
        const char *name;
        Frame frame;  // a generator's formula; the programs' tests check that it is theirs
    };
    const Row rows[] = {
        {"audiometry tone, right ear", [&](std::int32_t n) { return StereoValue{0.0, gain * 64 * std::sin(double(omega) * n)}; }},
        {"audiometry tone, left ear", [&](std::int32_t n) { return StereoValue{gain * 64 * std::sin(double(omega) * n), 0.0}; }},
        {"calibration tone, both ears",
         [&](std::int32_t n) { const double s = 16384 * std::sin(double(omega) * n); return StereoValue{s, s}; }},
        {"sine demonstration at step 9",
         [&](std::int32_t n) { const double s = 14400.0 * std::sin(double(omega) * n); return StereoValue{s, s}; }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        for (std::int32_t frames : {0, 1, 15000, 15001, 30001, 441000}) {
            SCOPED_TRACE(frames);
            RunningMaximumStep sequentialStep, parallelStep;
            SampleChunks sequential, parallel;
            FillSampleChunksSequentially(sequential, frames, row.frame, std::ref(sequentialStep));
            FillSampleChunks(parallel, frames, row.frame, std::ref(parallelStep));
            ASSERT_EQ(joined(parallel).size(), qsizetype(frames) * 4);
            for (int k = 0; k < SampleChunkCount; ++k)
                ASSERT_EQ(parallel[std::size_t(k)], sequential[std::size_t(k)]) << "element " << k;
            EXPECT_EQ(parallelStep.sizes, sequentialStep.sizes);
        }
    }
}

namespace {

// Keeps every thread of Qt's shared pool busy while it lives, so that whatever is queued
// there runs only once it has gone.
class BusySharedPool {
public:
    BusySharedPool()
    {
        for (int i = 0; i < m_threads; ++i)
            QThreadPool::globalInstance()->start([this] { m_release.acquire(); });
    }
    ~BusySharedPool()
    {
        m_release.release(m_threads);
        QThreadPool::globalInstance()->waitForDone();
    }
    BusySharedPool(const BusySharedPool &) = delete;
    BusySharedPool &operator=(const BusySharedPool &) = delete;

private:
    const int m_threads = QThreadPool::globalInstance()->maxThreadCount();
    QSemaphore m_release;
};

} // namespace

// A control library builds its sounds on several threads and may be unloaded right after:
// a helper that starts late must not run, nor be destroyed, in code that is gone.
TEST(SampleChunkBuilder, ModuleCanBeUnloadedRightAfterABuild)
{
    // freed on leaving: a helper left queued there would then run in unmapped code
    const BusySharedPool busy;
    void *module = dlopen(VELMORA_CHUNK_MODULE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    using Build = long long (*)(std::int32_t);
    const auto build = reinterpret_cast<Build>(dlsym(module, "velmoraBuildSound"));
    ASSERT_NE(build, nullptr);
    EXPECT_EQ(build(441000), 441000 * 4);
    ASSERT_EQ(dlclose(module), 0);
    EXPECT_EQ(dlopen(VELMORA_CHUNK_MODULE, RTLD_NOW | RTLD_NOLOAD), nullptr) << "still mapped";
}
