#pragma once

// Request codes: every request the master sends is chosen by one of these numbers, held in
// gCommand while it is outstanding. A range constant is the range's first code (channel 1);
// channel n of the range is `first + n - 1` (see ChannelCode).
namespace RequestCode {
constexpr int RC_NONE = 0;
constexpr int RC_POLL_STATUS = 11;           // read 40014, 2 registers
constexpr int RC_POLL_VALUES = 12;           // read 30001, 47 registers
constexpr int RC_FENCE = 98;                 // read 30001, a count no other request reads
                                             // (sent before a request that a late reply
                                             // could otherwise answer), or 48 from 40001
                                             // (before a meter's first request after the
                                             // line opened); never posted
constexpr int RC_PROBE = 99;                 // read 30001, 2 registers
constexpr int RC_READ_COMMON = 100;          // read 40001, 77 (firmware 1.1 or later) or 74
constexpr int RC_READ_CHANNEL = 101;         // 101..112: read 40001 + 100n, 93 registers
constexpr int RC_UPLOAD_COMMON = 200;        // as RC_READ_COMMON
constexpr int RC_UPLOAD_CHANNEL = 201;       // 201..212: as RC_READ_CHANNEL
constexpr int RC_UPLOAD_MEM_FORMULA_A = 250; // read 47001, 78 registers (memory formulas 1..6)
constexpr int RC_UPLOAD_CH_FORMULA = 251;    // 251..262: read 50001 + 100n, 50 registers
constexpr int RC_UPLOAD_MEM_FORMULA_B = 350; // read 47079, 78 registers (memory formulas 7..12)
constexpr int RC_DL_CH_KEY = 501;            // 501..512: write 40010 + 100n, 1 register
constexpr int RC_DL_CH_HEAD = 521;           // 521..532: write 40001 + 100n, 9 registers
constexpr int RC_DL_CH_BODY = 541;           // 541..552: write 40011 + 100n, 83 registers
constexpr int RC_DL_COMMON_A = 553;          // write 40001, 17 registers
constexpr int RC_DL_COMMON_B = 554;          // write 40031, 47 registers
constexpr int RC_DL_MEM_FORMULA = 555;       // write 47001, 78 registers (memory formulas 1..6)
constexpr int RC_DL_CH_FORMULA = 556;        // 556..567: write 50001 + 100n, 50 registers
constexpr int RC_SEND_CLOCK_FRAME = 601;     // send gClockFrame as prepared
constexpr int RC_PROBE_CHANNEL = 901;        // 901..912: read 40001 + 100n, 35 registers

constexpr int ChannelCode(int first, int channel) {
    return first + channel - 1;
}
} // namespace RequestCode
