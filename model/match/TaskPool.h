// RunTasks: a numbered list of tasks shared out over worker threads, with progress reports.
#pragma once

#include <functional>

namespace kerf {

// Runs work(0, w) .. work(tasks - 1, w) on up to `threads` worker threads (w numbers the
// worker, from 0) while the calling thread sleeps in short steps, calling report(tasks done)
// after each step and once at the end.
void RunTasks(int threads, int tasks, const std::function<void(int task, int worker)>& work,
              const std::function<void(int done)>& report);

}  // namespace kerf
