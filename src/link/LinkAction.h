#pragma once
// What a transfer session asks of the world around it. The session is a plain
// state machine: it takes bytes, time-outs, line errors and answers in, and
// returns these actions, which the runner carries out in order.

#include <cstdint>
#include <string>
#include <vector>

enum class LinkTimer { X, Head, Try, Re, Close };

// Messages by their language-table key; Force is ModError followed by Modforce.
enum class LinkMessage { PortError, ComError, ModError, ReadOk, WriteOk, Force };

struct LinkAction {
    enum Kind {
        Pause,        // ms: a pause; no input is handled meanwhile
        Send,         // bytes
        Drain,        // ms, count: poll the transmit buffer every ms, at most count times
        Flush,        // both buffers
        StartTimer,   // timer, ms
        StopTimer,    // timer
        Message,      // message: shown, and dismissed before the next action
        Question,     // message: Yes/No; the answer goes back to the session
        Progress,     // value: position
        EnableOk,     // value: 0 or 1
        Commit,       // the session puts what it read into the image
    };
    Kind kind;
    int ms = 0;
    int count = 0;
    int value = 0;
    LinkTimer timer = LinkTimer::X;
    LinkMessage message = LinkMessage::ComError;
    std::vector<std::uint8_t> bytes;
};

using LinkActions = std::vector<LinkAction>;

std::string MessageText(LinkMessage message);  // from the current message table
