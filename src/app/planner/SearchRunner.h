#pragma once
// A search of the dialogs run on a second thread: its progress shown in a bar while it runs, a
// stop that the search sees at its next step, and what follows on the window's thread when it ends
// (the window's thread looks in every 20 ms; no Qt object passes between the threads).

#include "equipment/BestSet.h"

#include <QObject>

#include <atomic>
#include <exception>
#include <functional>
#include <thread>

class QProgressBar;
class QTimer;

namespace vantor {

class EventGuard;

class SearchRunner : public QObject {
    Q_OBJECT
public:
    SearchRunner(QProgressBar* bar, EventGuard& events, QObject* parent);
    ~SearchRunner() override;  // stops and waits

    // Runs work on a second thread with a progress callback that says whether to go on; done runs
    // on the window's thread once work returns (stopped, failed or not), through the error guard;
    // an error that work raised is raised after done. Ignored while a search runs.
    void Start(std::function<void(const SearchProgress&)> work, std::function<void()> done);
    bool Running() const { return worker_.joinable(); }
    // Asks the search to stop; done still runs.
    void Cancel() { stop_ = true; }
    // Stops the search and waits for it; done does not run.
    void Stop();

private:
    QProgressBar* bar_;
    EventGuard& events_;
    // The search's end on the window's thread: the worker joined, then done, then its error.
    void Finish();

    std::thread worker_;
    std::function<void()> doneHandler_;
    std::exception_ptr failed_;          // written by the worker, read once it has finished
    std::atomic<bool> finished_{false};  // the worker's last write
    QTimer* poll_;
    std::atomic<int> done_{0}, steps_{1};
    std::atomic<bool> stop_{false};
};

}  // namespace vantor
