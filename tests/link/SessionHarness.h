#pragma once
// Runs a transfer session against the simulated radio without a port or a
// clock: sent frames go straight to the simulator, its replies straight back,
// and a started handshake timer fires at once.

#include <string>
#include <vector>

#include "RadioSimulator.h"
#include "link/TransferSession.h"

struct SessionHarness {
    TransferSession& session;
    RadioSimulator& radio;
    std::vector<std::vector<std::uint8_t>> sent;
    std::vector<LinkMessage> messages;
    std::vector<LinkTimer> started;
    bool answer = true;
    bool closed = false;

    // Carries out actions until the session waits for something that does not come.
    void Run(LinkActions actions) {
        std::vector<LinkActions> work{std::move(actions)};
        while (!work.empty()) {
            LinkActions batch = std::move(work.back());
            work.pop_back();
            for (const LinkAction& a : batch) {
                switch (a.kind) {
                    case LinkAction::Send: {
                        sent.push_back(a.bytes);
                        const std::vector<std::uint8_t> reply = radio.Receive(a.bytes.data(), a.bytes.size());
                        if (!reply.empty()) work.insert(work.begin(), session.OnBytes(reply.data(), reply.size()));
                        break;
                    }
                    case LinkAction::StartTimer:
                        started.push_back(a.timer);
                        if (a.timer == LinkTimer::X) work.insert(work.begin(), session.OnTimer(LinkTimer::X));
                        if (a.timer == LinkTimer::Close) closed = true;
                        break;
                    case LinkAction::Message: messages.push_back(a.message); break;
                    case LinkAction::Question:
                        messages.push_back(a.message);
                        work.insert(work.begin(), session.OnAnswer(answer));
                        break;
                    case LinkAction::Commit: session.Commit(); break;
                    default: break;
                }
            }
        }
    }

    std::vector<std::vector<std::uint8_t>> SentStartingWith(std::uint8_t first) const {
        std::vector<std::vector<std::uint8_t>> out;
        for (const auto& f : sent)
            if (!f.empty() && f[0] == first) out.push_back(f);
        return out;
    }
};
