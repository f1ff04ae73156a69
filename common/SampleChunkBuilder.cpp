#include "SampleChunkBuilder.h"

#include <QThread>
#include <QThreadPool>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace SampleChunkDetail {

namespace {

// Parts are handed out one at a time to whoever asks; a helper that starts only once all are
// taken leaves without touching the work, which may be gone by then.
struct Parts {
    const std::function<void(int)> *work = nullptr;
    int count = 0;
    std::atomic<int> next{0};
    std::mutex mutex;
    std::condition_variable allDone;
    int done = 0;

    void runWhileAny()
    {
        for (int part = next.fetch_add(1); part < count; part = next.fetch_add(1)) {
            (*work)(part);
            const std::lock_guard lock(mutex);
            if (++done == count)
                allDone.notify_all();
        }
    }
};

// The helpers are this deliverable's own. A control library's pool goes with the library,
// waiting for every helper first, whereas Qt's shared pool could still be starting one of
// them, or destroying one, in code already unmapped.
QThreadPool &helperPool()
{
    static QThreadPool pool;
    return pool;
}

} // namespace

void RunInParallel(int parts, const std::function<void(int)> &work)
{
    auto shared = std::make_shared<Parts>();
    shared->work = &work;
    shared->count = parts;
    // the pool's threads live on between sounds, so a tone pays no thread start
    const int helpers = std::min(parts, QThread::idealThreadCount()) - 1;
    for (int i = 0; i < helpers; ++i)
        helperPool().start([shared] { shared->runWhileAny(); });
    shared->runWhileAny();
    std::unique_lock lock(shared->mutex);
    shared->allDone.wait(lock, [&] { return shared->done == shared->count; });
}

} // namespace SampleChunkDetail
