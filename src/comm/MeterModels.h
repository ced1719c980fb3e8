#pragma once

// The recorder models this program knows, by model group (model code / 10): the one table both
// ways of the mapping read, so that what a meter reports and what a data file records agree.
struct MeterModel {
    int group;
    int channels;
};
inline constexpr MeterModel MeterModels[] = {{0, 2}, {1, 6}, {2, 12}, {4, 4}};

// Channel count from a model code: code / 10 gives 0 -> 2, 1 -> 6, 2 -> 12, 4 -> 4.
// Returns 0 for any other quotient (the caller then keeps what it had).
constexpr int ChannelCountOfModel(long long modelCode) {
    if (modelCode < 0)
        return 0;
    for (const MeterModel& m : MeterModels)
        if (modelCode / 10 == m.group)
            return m.channels;
    return 0;
}

// The model code of a meter with `channels` channels: 2 -> 0, 4 -> 40, 6 -> 10, 12 -> 20.
// Returns -1 for any other count.
constexpr int ModelCodeOfChannels(int channels) {
    for (const MeterModel& m : MeterModels)
        if (channels == m.channels)
            return m.group * 10;
    return -1;
}
