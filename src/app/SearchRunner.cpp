#include "app/SearchRunner.h"

#include "app/EventGuard.h"

#include <QProgressBar>
#include <QThread>
#include <QTimer>

#include <utility>

namespace vantor {

SearchRunner::SearchRunner(QProgressBar* bar, EventGuard& events, QObject* parent)
    : QObject(parent), bar_(bar), events_(events), poll_(new QTimer(this))
{
    poll_->setInterval(50);
    events_.Connect(poll_, &QTimer::timeout, this, [this] {
        bar_->setMaximum(steps_);
        bar_->setValue(done_);
    });
}

SearchRunner::~SearchRunner() { Stop(); }

void SearchRunner::Start(std::function<void(const SearchProgress&)> work, std::function<void()> done)
{
    if (worker_) return;
    stop_ = false;
    done_ = 0;
    steps_ = 1;
    bar_->setValue(0);
    failed_ = nullptr;
    worker_ = QThread::create([this, work = std::move(work)] {
        try {
            work([this](int done, int steps) {
                done_ = done;
                steps_ = steps;
                return !stop_;
            });
        } catch (...) {
            failed_ = std::current_exception();  // no error may leave a thread
        }
    });
    events_.Connect(worker_, &QThread::finished, this, [this, thread = worker_, done = std::move(done)] {
        thread->deleteLater();
        worker_ = nullptr;
        poll_->stop();
        done();
        if (failed_) std::rethrow_exception(std::exchange(failed_, nullptr));
    });
    poll_->start();
    worker_->start();
}

void SearchRunner::Stop()
{
    if (!worker_) return;
    stop_ = true;
    disconnect(worker_, nullptr, this, nullptr);
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    poll_->stop();
}

}  // namespace vantor
