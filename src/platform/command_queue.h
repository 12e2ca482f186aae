// The window's own queue of posted commands. Commands run one at a time from
// the event loop, never while another command handler runs nor during the
// end-of-turn wait, so nothing posted meanwhile runs inside them.
#pragma once

#include <QObject>
#include <deque>
#include <functional>

class CommandQueue : public QObject {
public:
    using Dispatch = std::function<void(int id)>;

    // The newest queue is the one FlushInput empties.
    explicit CommandQueue(Dispatch dispatch);
    ~CommandQueue() override;

    void Post(int id);
    void Clear() { pending_.clear(); }
    bool Empty() const { return pending_.empty(); }

    // Marks a command handler as running for the life of the guard; the
    // queue is not drained meanwhile.
    class Busy {
    public:
        explicit Busy(CommandQueue& queue) : queue_(queue) { ++queue_.busy_; }
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        CommandQueue& queue_;
    };

    // Drains again what is pending, after a pause for a handler or the wait.
    void Resume();

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    Dispatch dispatch_;
    std::deque<int> pending_;
    int busy_ = 0;
    int timer_ = 0;
};

// Lets the live queue go on after the end-of-turn wait.
void ResumePostedCommands();

// Whether posted commands wait in the live queue.
bool PostedCommandsPending();

// Discards posted commands and the key and mouse input that piled up while
// the program was busy.
void FlushInput();
