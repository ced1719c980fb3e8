#pragma once

#include <QString>
#include <QVector>
#include <optional>
#include <utility>

// The parameter upload (codes 200..262, 350) and download (codes 501..567) walk a fixed order
// of requests whose length depends on the selected meter's channel count N and firmware
// version V. Each answered request moves the progress on by the registers it carried.
struct TransferStep {
    int next = 0;      // the code to send next; RC_POLL_STATUS once the transfer is complete
    int registers = 0; // registers transferred so far, this request included
    int total = 0;     // registers of the whole transfer, as the progress figure counts them
    bool complete = false;

    // registers / total in percent, rounded to the nearest integer with halves to even,
    // limited to 0..100 (the figure feeds a progress bar).
    int percent() const;
    QString message(bool upload) const;
};

// The step after the reply to upload request `answered`; nothing for a code outside the
// upload. Firmware from 1.16 (and every 12-channel meter) adds the memory formulas (250, and
// 350 for twelve channels) and one channel formula per channel (251..250+N).
std::optional<TransferStep> UploadStep(int answered, int channels, double version);
// The step after the write reply to download request `answered`: every channel's key
// register (501..), head (521..) and body (541..), the common settings (553, 554), and from
// firmware 1.16 the memory formulas 1..6 (555) and the channel formulas (556..).
std::optional<TransferStep> DownloadStep(int answered, int channels, double version);

// The registers a download writes, frame by frame in the order it sends them: (first register,
// count) of every write request from the first channel key to the last formula.
QVector<std::pair<int, int>> DownloadWrites(int channels, double version);

// Rounded percentage with halves to even: 1/8 gives 12 (12.5), 3/8 gives 38 (37.5).
int RoundedPercent(qint64 part, qint64 whole);

// Messages of the parameter window during and after a transfer.
QString UploadingMessage();
QString UploadCompleteMessage();
QString DownloadingMessage();
QString DownloadCompleteMessage();
