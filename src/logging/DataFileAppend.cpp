#include "logging/DataFileAppend.h"

#include "logging/DataFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

// The texts of this file, translated where the desktop program shows them.
struct DataFileAppendTexts {
    Q_DECLARE_TR_FUNCTIONS(DataFileAppend)
};

AppendOutcome failed(const QString& reason) {
    AppendOutcome out;
    out.error = reason;
    return out;
}

// Writes `bytes` at `at`; on a short or failed write the file is cut back to `at`. The file
// is open unbuffered, so a full disk shows at the write that hit it.
bool writeAt(QFile& file, qint64 at, const QByteArray& bytes, QString* error) {
    if (file.seek(at) && file.write(bytes) == bytes.size() && file.flush())
        return true;
    *error = file.errorString();
    if (error->isEmpty())
        *error = DataFileAppendTexts::tr("write failed");
    file.resize(at);
    return false;
}

} // namespace

AppendOutcome AppendDataRecord(const QString& path, const std::function<QByteArray()>& makeHeader,
                               const QByteArray& record) {
    using namespace DataFile;
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return failed(DataFileAppendTexts::tr("%1 is not a file").arg(path));

    QFile file(path);
    AppendOutcome out;
    if (!info.exists()) {
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return failed(file.errorString());
        if (!writeAt(file, 0, makeHeader() + record, &out.error)) {
            file.remove(); // not even a header went in: no empty file stays behind
            return out;
        }
        out.ok = out.created = true;
        out.index = 0;
        return out;
    }

    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return failed(file.errorString());
    const qint64 length = file.size();
    const QByteArray start = file.read(std::min<qint64>(length, 16));
    if (start != magic().left(start.size()))
        return failed(
            DataFileAppendTexts::tr("%1 is not a data file; it was left as it is").arg(path));

    if (length < HeaderSize) {
        if (!file.resize(0))
            return failed(file.errorString());
        if (!writeAt(file, 0, makeHeader() + record, &out.error))
            return out;
        out.ok = out.created = true;
        out.index = 0;
        return out;
    }

    const qint64 tail = (length - HeaderSize) % RecordSize;
    const qint64 end = length - tail;
    if (tail != 0) {
        if (!file.resize(end))
            return failed(file.errorString());
        out.cutBytes = tail;
    }
    if (!writeAt(file, end, record, &out.error))
        return out;
    out.ok = true;
    out.index = (end - HeaderSize) / RecordSize;
    return out;
}
