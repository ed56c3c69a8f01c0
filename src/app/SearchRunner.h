#pragma once
// A search of the dialogs run on a second thread: its progress shown in a bar while it runs, a
// stop that the search sees at its next step, and what follows on the window's thread when it ends.

#include "equipment/BestSet.h"

#include <QObject>

#include <atomic>
#include <exception>
#include <functional>

class QProgressBar;
class QThread;
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
    bool Running() const { return worker_ != nullptr; }
    // Asks the search to stop; done still runs.
    void Cancel() { stop_ = true; }
    // Stops the search and waits for it; done does not run.
    void Stop();

private:
    QProgressBar* bar_;
    EventGuard& events_;
    QThread* worker_ = nullptr;
    std::exception_ptr failed_;  // written by the worker, read once it has finished
    QTimer* poll_;
    std::atomic<int> done_{0}, steps_{1};
    std::atomic<bool> stop_{false};
};

}  // namespace vantor
