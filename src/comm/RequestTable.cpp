#include "comm/RequestTable.h"

#include "comm/ModbusRtu.h"
#include "comm/RequestCodes.h"

#include <bitset>

namespace {

constexpr int MaxReadCount = 125; // the most registers one Modbus read may ask for

constexpr bool within(int code, int first, int last) {
    return code >= first && code <= last;
}

} // namespace

std::optional<RequestEntry> LookupRequest(int code, double selectedVersion) {
    using namespace RequestCode;
    using Target = RequestEntry::Target;
    const auto read = [code](Target target, int start, int count) {
        return RequestEntry{code, target, 3, start, count, ReadReplyLength(count)};
    };
    const auto write = [code](int start, int count) {
        return RequestEntry{code, Target::Selected, 16, start, count, WriteReplyLength};
    };
    const int commonCount = selectedVersion >= 1.1 ? 77 : 74;

    if (code == RC_POLL_STATUS)
        return read(Target::Polled, 40014, 2);
    if (code == RC_POLL_VALUES)
        return read(Target::Polled, 30001, 47);
    if (code == RC_PROBE)
        return read(Target::Polled, 30001, 2);
    if (within(code, 901, 912))
        return read(Target::Polled, 40001 + 100 * (code - 900), 35);
    if (code == RC_READ_COMMON || code == RC_UPLOAD_COMMON)
        return read(Target::Selected, 40001, commonCount);
    if (within(code, 101, 112))
        return read(Target::Selected, 40001 + 100 * (code - 100), 93);
    if (within(code, 201, 212))
        return read(Target::Selected, 40001 + 100 * (code - 200), 93);
    if (code == RC_UPLOAD_MEM_FORMULA_A)
        return read(Target::Selected, 47001, 78);
    if (code == RC_UPLOAD_MEM_FORMULA_B)
        return read(Target::Selected, 47079, 78);
    if (within(code, 251, 262))
        return read(Target::Selected, 50001 + 100 * (code - 250), 50);
    if (within(code, 501, 512))
        return write(40010 + 100 * (code - 500), 1);
    if (within(code, 521, 532))
        return write(40001 + 100 * (code - 520), 9);
    if (within(code, 541, 552))
        return write(40011 + 100 * (code - 540), 83);
    if (code == RC_DL_COMMON_A)
        return write(40001, 17);
    if (code == RC_DL_COMMON_B)
        return write(40031, 47);
    if (code == RC_DL_MEM_FORMULA)
        return write(47001, 78);
    if (within(code, 556, 567))
        return write(50001 + 100 * (code - 555), 50);
    if (code == RC_SEND_CLOCK_FRAME)
        return RequestEntry{code, Target::Selected, 0, 0, 0, WriteReplyLength};
    return std::nullopt;
}

bool SomeRequestReads(int count) {
    static const std::bitset<MaxReadCount + 1> counts = [] {
        std::bitset<MaxReadCount + 1> c;
        for (int code = 0; code < 1000; ++code)
            for (double version : {1.0, 1.1})
                if (const auto entry = LookupRequest(code, version); entry && entry->isRead())
                    c.set(size_t(entry->count));
        return c;
    }();
    return count >= 0 && count <= MaxReadCount && counts.test(size_t(count));
}

bool ClearsPollCycleDone(int code) {
    return code == RequestCode::RC_PROBE || within(code, 100, 112) || within(code, 200, 212) ||
           code == RequestCode::RC_UPLOAD_MEM_FORMULA_A || within(code, 251, 262) ||
           code == RequestCode::RC_UPLOAD_MEM_FORMULA_B || within(code, 901, 912);
}
