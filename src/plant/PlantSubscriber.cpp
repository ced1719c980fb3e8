#include "plant/PlantSubscriber.h"

#include "core/Clock.h"

namespace {

BrokerConnection::Options readerOptions(BrokerConnection::Options o) {
    o.subscribeQos = 0;
    o.tellCaughtUp = true;
    // Records come once a second or slower: a tenth of a second later costs nothing, and a
    // plant's stream read in bursts costs a fraction of one read message by message.
    o.readPauseMs = 100;
    o.readsItself = true;
    o.willTopic.clear();
    return o;
}

} // namespace

PlantSubscriber::PlantSubscriber(Clock& clock, BrokerConnection::Options options, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
    , m_state(options.address.prefix)
    , m_connection(clock, readerOptions(options))
    , m_refresh(clock, QStringLiteral("plant"), 1000,
                [this] { m_state.refresh(m_clock.currentMSecsSinceEpoch()); }) {
    const QString prefix = options.address.prefix;
    for (const char* leaf : {"/+/status", "/+/+/meta", "/+/+/data", "/+/+/link"})
        m_connection.subscribe(prefix + QString::fromLatin1(leaf));
    m_connection.setMessageSink(
        [this](QByteArrayView topic, QByteArrayView payload, bool retained) {
            // The messages read in one go are told of once the event loop comes round:
            // a meter's change once, however many messages it had.
            if (!m_holding) {
                m_holding = true;
                m_state.holdChanges();
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        m_holding = false;
                        m_state.releaseChanges();
                    },
                    Qt::QueuedConnection);
            }
            m_state.take(topic, payload, m_clock.currentMSecsSinceEpoch(), retained);
        });
    connect(&m_connection, &BrokerConnection::caughtUp, this, &PlantSubscriber::caughtUp);
    connect(&m_connection, &BrokerLink::connected, this, [this] {
        m_state.setBrokerConnected(true, m_clock.currentMSecsSinceEpoch());
        Q_EMIT brokerState(tr("connected"), true);
    });
    connect(&m_connection, &BrokerLink::connectionLost, this, [this](const QString& why) {
        m_state.setBrokerConnected(false, m_clock.currentMSecsSinceEpoch());
        onFailed(why, false);
    });
    connect(&m_connection, &BrokerLink::attemptFailed, this, &PlantSubscriber::onFailed);
}

PlantSubscriber::~PlantSubscriber() = default;

void PlantSubscriber::start() {
    m_connection.start();
    m_refresh.start();
}

void PlantSubscriber::stop() {
    m_refresh.stop();
    m_connection.stop(0);
}

void PlantSubscriber::onFailed(const QString& why, bool refused) {
    if (refused) {
        Q_EMIT this->refused(why);
        return;
    }
    Q_EMIT brokerState(
        tr("away (%1), tried again in %2 s").arg(why).arg(m_connection.secondsToRetry()), false);
}
