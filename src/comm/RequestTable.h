#pragma once

#include <optional>

// What the scheduler sends for a request code: to whom, which function, which registers, and
// how many reply bytes to wait for (the receive threshold).
struct RequestEntry {
    enum class Target {
        Polled,   // the meter the cycle is at (gCurMeter)
        Selected, // the selected meter: the scheduler moves gCurMeter to gSelMeter first
    };
    int code = 0;
    Target target = Target::Polled;
    int function = 0; // 3 read, 16 write, 0 the prepared clock frame (sent as it stands)
    int startRegister = 0;
    int count = 0;
    int replyLength = 0;

    bool isRead() const { return function == 3; }
    bool operator==(const RequestEntry&) const = default;
};

// The request of `code`, or nothing for a code that no request answers to. The common
// settings block is 77 registers long when the selected meter's firmware is 1.1 or later,
// else 74.
std::optional<RequestEntry> LookupRequest(int code, double selectedVersion);

// Whether some request reads `count` registers, whatever the firmware: the reply to any read
// of that count has its shape (a read's reply tells only its byte count).
bool SomeRequestReads(int count);

// Read requests other than the two monitoring requests clear gPollCycleDone when they are
// built: the data logger then waits for a fresh present-value reply.
bool ClearsPollCycleDone(int code);

// The register of channel n's colour (its index 0..11 travels there, not the RGB565 value).
constexpr int ChannelColourRegister(int channel) {
    return 40116 + 100 * (channel - 1);
}
