#pragma once

#include <QByteArray>
#include <QVector>

// The engine's shared state. The names are those every subsystem uses; they live in one
// object owned by the engine (not as true globals) so that a test can build several.
struct CommState {
    int gCommand = 0;            // request code outstanding
    int gNextCommand = 0;        // code posted for the next scheduler tick, 0 = none
    int gCurMeter = 0;           // meter index addressed
    int gResumeMeter = -1;       // meter index to use at the next tick, -1 = none
    int gSelMeter = 0;           // selected meter index
    int gSelAddress = 0;         // selected meter's slave address, 0 = none selected yet
    QVector<int> gMeterAddress;  // slave address per meter index
    QVector<bool> gMeterOnline;  // answered the scan
    int gLastMeter = -1;         // highest meter index (meter count - 1)
    int gChannelCount = 12;      // channels of the selected meter: 2, 4, 6 or 12
    double gDeviceVersion = 0;   // firmware version of the selected meter as a number
    double gParamVersion = 0;    // parameter layout version 1.06, 1.07 or 1.08 (0 until a scan)
    int gRetryCount = 0;         // consecutive failures of the outstanding request
    bool gSettingsRead = false;  // a settings read of the selected meter has finished
    bool gPollCycleDone = false; // a present-value reply arrived since the last other read
    QByteArray gClockFrame;      // complete clock write frame, CRC included
    QByteArray gTxFrame;         // the frame being built
    int gTrendSample = 0;        // sample index of the trend monitor

    int meterCount() const { return int(gMeterAddress.size()); }
    bool isOnline(int meter) const {
        return meter >= 0 && meter < gMeterOnline.size() && gMeterOnline[meter];
    }
};
