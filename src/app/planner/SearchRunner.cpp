#include "app/planner/SearchRunner.h"

#include "app/common/EventGuard.h"

#include <QProgressBar>
#include <QTimer>

#include <utility>

namespace vantor {

SearchRunner::SearchRunner(QProgressBar* bar, EventGuard& events, QObject* parent)
    : QObject(parent), bar_(bar), events_(events), poll_(new QTimer(this))
{
    // The window's thread looks in on the search: the bar follows it, and its end is taken here,
    // so that nothing but the search's own flags passes between the threads.
    poll_->setInterval(20);
    events_.Connect(poll_, &QTimer::timeout, this, [this] {
        bar_->setMaximum(steps_);
        bar_->setValue(done_);
        if (finished_.load(std::memory_order_acquire)) Finish();
    });
}

SearchRunner::~SearchRunner() { Stop(); }

void SearchRunner::Start(std::function<void(const SearchProgress&)> work, std::function<void()> done)
{
    if (Running()) return;
    stop_ = false;
    done_ = 0;
    steps_ = 1;
    bar_->setValue(0);
    failed_ = nullptr;
    finished_ = false;
    doneHandler_ = std::move(done);
    worker_ = std::thread([this, work = std::move(work)] {
        try {
            work([this](int done, int steps) {
                done_ = done;
                steps_ = steps;
                return !stop_;
            });
        } catch (...) {
            failed_ = std::current_exception();  // no error may leave a thread
        }
        finished_.store(true, std::memory_order_release);
    });
    poll_->start();
}

void SearchRunner::Finish()
{
    worker_.join();
    poll_->stop();
    const std::function<void()> done = std::exchange(doneHandler_, nullptr);
    const std::exception_ptr failed = std::exchange(failed_, nullptr);
    done();
    if (failed) std::rethrow_exception(failed);
}

void SearchRunner::Stop()
{
    if (!Running()) return;
    stop_ = true;
    worker_.join();
    poll_->stop();
    doneHandler_ = nullptr;
    failed_ = nullptr;
}

}  // namespace vantor
