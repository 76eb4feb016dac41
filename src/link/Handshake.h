#pragma once
#include <array>
#include <cstdint>

// The 8-byte wake-up and handshake frames: "PROGRAM" and a letter. Numbers 1
// to 9 give 'a' to 'i'; any other number a random letter from 'e' to 'i',
// drawn anew on each call. The wake-up frame uses 1, the handshake the port number.
using HandshakeFrame = std::array<std::uint8_t, 8>;
HandshakeFrame BuildHandshake(int number);
