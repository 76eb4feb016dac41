#include "RadioTransfer.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "link/PortNames.h"
#include "link/QtComPort.h"
#include "link/ReadSession.h"
#include "link/SessionRunner.h"
#include "link/WriteSession.h"
#include "core/Globals.h"

namespace {

void DrawProgress(int value, int maximum) {
    if (!isatty(STDERR_FILENO)) return;
    const int width = 40;
    const int done = maximum > 0 ? std::min(width, value * width / maximum) : 0;
    std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(done, '#').c_str(), std::string(width - done, '.').c_str(),
                 maximum > 0 ? std::min(100, value * 100 / maximum) : 0);
    std::fflush(stderr);
}

// Runs one attempt and returns whether it ended with `success`.
bool Run(TransferSession& session, const std::string& port, int progressMax, LinkMessage success, bool force,
         bool flushFirst) {
    QtComPort com;
    bool ok = false;
    bool finished = false;
    auto finish = [&](bool result) {
        if (finished) return;
        finished = true;
        ok = result;
        if (isatty(STDERR_FILENO)) std::fprintf(stderr, "\n");
        QCoreApplication::exit(0);
    };
    RunnerHooks hooks;
    hooks.message = [&](LinkMessage m) {
        std::fprintf(stderr, "%s%s\n", isatty(STDERR_FILENO) ? "\n" : "", MessageText(m).c_str());
        if (m == success) return;
        // An attempt that failed ends here; the dialogs would wait for the user.
        QTimer::singleShot(TransferSession::CloseDelayMs, [&] { finish(false); });
    };
    hooks.question = [&](LinkMessage m) {
        std::fprintf(stderr, "%s %s\n", MessageText(m).c_str(), force ? "Yes (--force)" : "No (no --force)");
        return force;
    };
    hooks.progress = [&](int value) { DrawProgress(value, progressMax); };
    hooks.enableOk = [&](bool on) {
        // The write re-enables OK when it completed; nothing follows then.
        if (on && success == LinkMessage::WriteOk && session.state() == TransferSession::State::Idle &&
            session.BlockIndex() == WriteSession::Blocks)
            finish(true);
    };
    hooks.close = [&] { finish(success == LinkMessage::ReadOk && static_cast<ReadSession&>(session).Completed()); };
    SessionRunner runner(session, com, hooks);

    ApplyRadioLineSettings(com, port, All().BaudRate);
    if (!com.Open()) {
        std::fprintf(stderr, "rk40cli: %s (%s): %s\n", port.c_str(), PortDevicePath(port).c_str(),
                     com.ErrorText().c_str());
        std::fprintf(stderr, "%s\n", MessageText(LinkMessage::PortError).c_str());
        return false;
    }
    if (flushFirst) com.Flush();
    runner.Execute(session.Start());
    QCoreApplication::exec();
    com.Close();
    return ok;
}

}  // namespace

bool ReadFromRadio(const std::string& port) {
    ReadSession session(PortNumber(port));
    return Run(session, port, ReadSession::Blocks - 1, LinkMessage::ReadOk, false, true);
}

bool WriteToRadio(const std::string& port, bool force) {
    WriteSession session(PortNumber(port));
    return Run(session, port, WriteSession::Blocks - 1, LinkMessage::WriteOk, force, false);
}
