// RunTasks: a numbered list of tasks shared out over worker threads, with progress reports.
#include "model/match/TaskPool.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace kerf {

void RunTasks(int threads, int tasks, const std::function<void(int task, int worker)>& work,
              const std::function<void(int done)>& report) {
  std::atomic<int> next{0};
  int done = 0;
  std::mutex mutex;
  std::condition_variable finished;
  auto worker = [&](int w) {
    for (int task = next++; task < tasks; task = next++) {
      work(task, w);
      const std::lock_guard<std::mutex> lock(mutex);
      if (++done == tasks) finished.notify_one();
    }
  };
  const int count = std::clamp(threads, 1, std::max(tasks, 1));
  std::vector<std::thread> pool;
  pool.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) pool.emplace_back(worker, i);
  for (;;) {
    int now = 0;
    {
      std::unique_lock<std::mutex> lock(mutex);
      finished.wait_for(lock, std::chrono::milliseconds(50), [&] { return done >= tasks; });
      now = done;
    }
    if (now >= tasks) break;
    report(now);
  }
  for (std::thread& thread : pool) thread.join();
  report(tasks);
}

}  // namespace kerf
