#pragma once
// Carries out a transfer session's actions on a real port with real timers,
// without blocking: pauses and transmit-buffer polls are timers. While an
// action is in progress (a pause, a poll, a message being read) the session
// gets no input; bytes, time-outs and line errors wait and follow in order.

#include <QObject>
#include <QTimer>
#include <deque>
#include <functional>
#include <map>

#include "LinkAction.h"
#include "TComPort.h"
#include "TransferSession.h"

struct RunnerHooks {
    std::function<void(LinkMessage)> message;    // shows it; returns when dismissed
    std::function<bool(LinkMessage)> question;   // Yes/No
    std::function<void(int)> progress;
    std::function<void(bool)> enableOk;
    std::function<void()> close;                 // the close timer ran out
};

class SessionRunner : public QObject {
    Q_OBJECT

public:
    SessionRunner(TransferSession& session, TComPort& port, RunnerHooks hooks, QObject* parent = nullptr);
    ~SessionRunner() override;

    void Execute(LinkActions actions);
    bool Busy() const { return busy_; }

private:
    enum class InputKind { Bytes, Timer, LineError };
    struct Input {
        InputKind kind;
        LinkTimer timer;
    };

    void Pump();
    void Deliver(const Input& input);
    void PortFailed();
    QTimer& TimerFor(LinkTimer t);

    TransferSession& session_;
    TComPort& port_;
    RunnerHooks hooks_;
    std::deque<LinkAction> queue_;
    std::deque<Input> waiting_;
    std::map<LinkTimer, QTimer*> timers_;
    QTimer resume_;
    int drainPolls_ = 0;
    bool busy_ = false;
    bool pumping_ = false;
};
