#include "app/SearchRunner.h"

#include <QProgressBar>
#include <QThread>
#include <QTimer>

namespace vantor {

SearchRunner::SearchRunner(QProgressBar* bar, QObject* parent) : QObject(parent), bar_(bar), poll_(new QTimer(this))
{
    poll_->setInterval(50);
    connect(poll_, &QTimer::timeout, this, [this] {
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
    worker_ = QThread::create([this, work = std::move(work)] {
        work([this](int done, int steps) {
            done_ = done;
            steps_ = steps;
            return !stop_;
        });
    });
    connect(worker_, &QThread::finished, this, [this, thread = worker_, done = std::move(done)] {
        thread->deleteLater();
        worker_ = nullptr;
        poll_->stop();
        done();
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
