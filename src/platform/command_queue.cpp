#include "platform/command_queue.h"

#include <QCoreApplication>
#include <QTimerEvent>

#include "platform/input_filter.h"
#include "platform/nested_wait.h"

namespace {
CommandQueue* g_liveQueue = nullptr;

// Enough rounds to deliver input that was queued behind other events.
constexpr int kFlushRounds = 3;
}  // namespace

CommandQueue::CommandQueue(Dispatch dispatch) : dispatch_(std::move(dispatch)) { g_liveQueue = this; }

CommandQueue::~CommandQueue() {
    if (g_liveQueue == this) g_liveQueue = nullptr;
}

CommandQueue::Busy::~Busy() {
    if (--queue_.busy_ == 0) queue_.Resume();
}

void CommandQueue::Post(int id) {
    pending_.push_back(id);
    Resume();
    EndWaitByCommand(id);
}

void CommandQueue::Resume() {
    if (timer_ == 0 && !pending_.empty()) timer_ = startTimer(0);
}

void CommandQueue::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timer_) return QObject::timerEvent(event);
    killTimer(timer_);
    timer_ = 0;
    if (busy_ > 0 || WaitRunning() || pending_.empty()) return;
    const int id = pending_.front();
    pending_.pop_front();
    Resume();
    dispatch_(id);
}

void ResumePostedCommands() {
    if (g_liveQueue) g_liveQueue->Resume();
}

bool PostedCommandsPending() { return g_liveQueue && !g_liveQueue->Empty(); }

void FlushInput() {
    if (g_liveQueue) g_liveQueue->Clear();
    SetSwallowInput(true);
    for (int i = 0; i < kFlushRounds; ++i) QCoreApplication::processEvents();
    SetSwallowInput(false);
    if (g_liveQueue) g_liveQueue->Clear();
}
