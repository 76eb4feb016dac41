#include "Handshake.h"

#include <random>

HandshakeFrame BuildHandshake(int number) {
    static std::mt19937 random{std::random_device{}()};
    HandshakeFrame frame = {'P', 'R', 'O', 'G', 'R', 'A', 'M', 0};
    if (number >= 1 && number <= 9)
        frame[7] = static_cast<std::uint8_t>(0x60 + number);
    else
        frame[7] = static_cast<std::uint8_t>(0x65 + std::uniform_int_distribution<int>(0, 4)(random));
    return frame;
}
