#include "SessionRunner.h"

SessionRunner::SessionRunner(TransferSession& session, TComPort& port, RunnerHooks hooks, QObject* parent)
    : QObject(parent), session_(session), port_(port), hooks_(std::move(hooks)) {
    for (LinkTimer t : {LinkTimer::X, LinkTimer::Head, LinkTimer::Try, LinkTimer::Re, LinkTimer::Close}) {
        auto* timer = new QTimer(this);
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, [this, t] { Deliver({InputKind::Timer, t}); });
        timers_[t] = timer;
    }
    resume_.setSingleShot(true);
    connect(&resume_, &QTimer::timeout, this, [this] { Pump(); });
    port_.OnDataAvailable = [this](std::size_t) { Deliver({InputKind::Bytes, LinkTimer::X}); };
    port_.OnLineError = [this] { Deliver({InputKind::LineError, LinkTimer::X}); };
}

SessionRunner::~SessionRunner() {
    port_.OnDataAvailable = nullptr;
    port_.OnLineError = nullptr;
}

QTimer& SessionRunner::TimerFor(LinkTimer t) { return *timers_.at(t); }

void SessionRunner::Execute(LinkActions actions) {
    for (LinkAction& a : actions) queue_.push_back(std::move(a));
    if (!busy_) Pump();
}

void SessionRunner::Deliver(const Input& input) {
    if (busy_) {
        waiting_.push_back(input);
        return;
    }
    switch (input.kind) {
        case InputKind::Bytes: {
            const std::vector<std::uint8_t> bytes = port_.ReadAvailable();
            if (!bytes.empty()) Execute(session_.OnBytes(bytes.data(), bytes.size()));
            break;
        }
        case InputKind::Timer:
            if (input.timer == LinkTimer::Close) {
                if (hooks_.close) hooks_.close();
                return;
            }
            Execute(session_.OnTimer(input.timer));
            break;
        case InputKind::LineError: Execute(session_.OnLineError()); break;
    }
}

// A port operation failed: the rest of this step is abandoned, and the
// session says what to show instead.
void SessionRunner::PortFailed() {
    queue_.clear();
    for (LinkAction& a : session_.OnPortError()) queue_.push_back(std::move(a));
}

void SessionRunner::Pump() {
    if (pumping_) return;
    pumping_ = true;
    busy_ = true;
    while (!queue_.empty()) {
        LinkAction a = std::move(queue_.front());
        queue_.pop_front();
        switch (a.kind) {
            case LinkAction::Pause:
                resume_.start(a.ms);
                pumping_ = false;
                return;
            case LinkAction::Send:
                if (!port_.Send(a.bytes)) {
                    PortFailed();
                    continue;
                }
                drainPolls_ = 0;
                break;
            case LinkAction::Drain:
                // Poll until the transmit buffer is empty or the polls run out.
                if (port_.BytesToWrite() > 0 && drainPolls_ < a.count) {
                    ++drainPolls_;
                    queue_.push_front(a);
                    resume_.start(a.ms);
                    pumping_ = false;
                    return;
                }
                break;
            case LinkAction::Flush: port_.Flush(); break;
            case LinkAction::StartTimer: TimerFor(a.timer).start(a.ms); break;
            case LinkAction::StopTimer: {
                // A stopped timer's time-out that is still waiting is void too.
                TimerFor(a.timer).stop();
                const LinkTimer t = a.timer;
                std::erase_if(waiting_, [t](const Input& i) { return i.kind == InputKind::Timer && i.timer == t; });
                break;
            }
            case LinkAction::Message:
                if (hooks_.message) hooks_.message(a.message);
                break;
            case LinkAction::Question: {
                const bool yes = hooks_.question && hooks_.question(a.message);
                for (LinkAction& next : session_.OnAnswer(yes)) queue_.push_back(std::move(next));
                break;
            }
            case LinkAction::Progress:
                if (hooks_.progress) hooks_.progress(a.value);
                break;
            case LinkAction::EnableOk:
                if (hooks_.enableOk) hooks_.enableOk(a.value != 0);
                break;
            case LinkAction::Commit: session_.Commit(); break;
        }
    }
    pumping_ = false;
    busy_ = false;
    // Input that came in meanwhile, in the order it came.
    while (!busy_ && !waiting_.empty()) {
        const Input next = waiting_.front();
        waiting_.pop_front();
        Deliver(next);
    }
}
