// Tasks handed to the GUI thread from other threads: any thread posts, the GUI thread runs them.
#pragma once

#include <functional>
#include <mutex>
#include <utility>
#include <vector>

namespace platform {

class TaskQueue {
  public:
    void Post(std::function<void()> task) {
        const std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }

    // Runs the tasks posted so far, in the order they came; false when there were none.
    bool RunAll() {
        std::vector<std::function<void()>> due;
        {
            const std::lock_guard lock(mutex_);
            due.swap(tasks_);
        }
        for (const auto& task : due) task();
        return !due.empty();
    }

  private:
    std::mutex mutex_;
    std::vector<std::function<void()>> tasks_;
};

}  // namespace platform
