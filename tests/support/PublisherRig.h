#pragma once

#include "core/Clock.h"
#include "logging/DataFileAppend.h"
#include "logging/DataFileNames.h"
#include "logging/DataFileWriter.h"
#include "publish/BrokerConnection.h"
#include "publish/RecordPublisher.h"
#include "support/DataFileBytes.h"
#include "support/RecordingLink.h"

#include <QMap>
#include <QTemporaryDir>
#include <memory>

// The numbers first to last.
inline QList<qint64> range(qint64 first, qint64 last) {
    QList<qint64> out;
    for (qint64 n = first; n <= last; ++n)
        out << n;
    return out;
}

// A meter's data folder, the publisher over it on the virtual clock, and a stand-in connection.
struct Rig {
    VirtualClock clock{QDateTime(QDate(2026, 12, 7), QTime(10, 0))};
    QTemporaryDir dir;
    SaveSettings save;
    PublishSettings publish;
    QStringList said;
    std::unique_ptr<RecordPublisher> publisher;
    RecordingLink* link = nullptr;

    explicit Rig(bool daily = false) {
        save.gDSaveFolder = dir.path();
        save.gDSaveName = QStringLiteral("RUN");
        save.gDSaveDaily = daily;
        publish.enabled = true;
        publish.url = QStringLiteral("mqtt://broker/plant");
        publish.node = QStringLiteral("line1");
    }
    QString file(const QString& name) const { return dir.filePath(name); }
    // A run of the publisher (the last one ends first), the meters known from the start.
    RecordPublisher& run(const QList<int>& meters = {1}) {
        if (publisher)
            publisher->stop(0);
        publisher.reset();
        link = nullptr;
        publisher = std::make_unique<RecordPublisher>(clock, publish, save);
        publisher->setLinkFactory([this](const BrokerConnection::Options& o) {
            auto l = std::make_unique<RecordingLink>();
            l->will = {o.willTopic, o.willPayload, o.willRetain, 0, 1};
            link = l.get();
            return l;
        });
        QObject::connect(publisher.get(), &RecordPublisher::message,
                         [this](const QString& line) { said << line; });
        for (int address : meters)
            publisher->addMeter(address);
        QString why;
        if (!publisher->start(&why))
            qFatal("not started: %s", qPrintable(why));
        return *publisher;
    }
    // Appends a record to the file the writer would use now, stamped now; the publisher, when
    // running, is told as the writer tells it.
    void saveRecord(int address = 1) {
        const QDateTime now = clock.currentDateTime();
        const QDate d = now.date();
        const QTime t = now.time();
        DataFileBytes::Record r;
        r.stamp =
            DataFileBytes::stamp(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second());
        r.values[0] = float(++m_saved);
        SavedRecord saved;
        saved.address = address;
        saved.modelCode = 20;
        saved.firmware = QStringLiteral("1.20");
        saved.description = DataFileBytes::header();
        saved.file = DataFileNames::path(save, address, now);
        saved.record = r.bytes();
        saved.index = AppendDataRecord(
                          saved.file, [] { return DataFileBytes::header(); }, saved.record)
                          .index;
        if (publisher && publisher->isRunning())
            publisher->recordSaved(saved);
    }
    void saveRecords(int count, int address = 1, qint64 everyMs = 1000) {
        for (int i = 0; i < count; ++i) {
            clock.advance(everyMs);
            saveRecord(address);
        }
    }
    // Lets the catch-up run to its end, the broker acknowledging what it gets.
    void catchUp() {
        for (int i = 0; i < 1000; ++i) {
            clock.advance(1);
            link->acknowledgeAll();
            if (link->unacknowledged.isEmpty() && publisher->waiting() == 0)
                break;
        }
        clock.advance(1);
    }
    // The time stamps of the meter's data messages by number.
    QMap<qint64, QString> stamps(int address = 1) const {
        QMap<qint64, QString> out;
        for (const RecordingLink::Message& m : link->published(QStringLiteral("data")))
            if (m.topic.contains(QStringLiteral("/%1/").arg(address)))
                out.insert(m.json().value(QStringLiteral("seq")).toInteger(),
                           m.json().value(QStringLiteral("ts")).toString());
        return out;
    }
    QString saidAll() const { return said.join(u'\n'); }
    // The numbers and "replayed" flags of the meter's data messages, in the order sent.
    QList<qint64> seqs(int address = 1, bool replayed = false) const {
        QList<qint64> out;
        for (const RecordingLink::Message& m : link->published(QStringLiteral("data")))
            if (m.topic.contains(QStringLiteral("/%1/").arg(address)) &&
                m.json().value(QStringLiteral("replayed")).toBool() == replayed)
                out << m.json().value(QStringLiteral("seq")).toInteger();
        return out;
    }

private:
    int m_saved = 0;
};
