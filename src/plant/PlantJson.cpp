#include "plant/PlantJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>

namespace {

QByteArray string(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QByteArray stringOrNull(const QString& text) {
    return text.isEmpty() ? QByteArray("null") : string(text);
}

} // namespace

QByteArray PlantValueText(const PlantMeter& meter, int ch, double value) {
    if (!std::isfinite(value))
        return "null";
    if (meter.description.isValid() && ch >= 1 && ch <= PlantState::kMaxChannels)
        return QByteArray::number(
            value, 'f',
            std::clamp(meter.description.channels.channels[size_t(ch - 1)].decimals, 0, 4));
    return QByteArray::number(value, 'g', 15);
}

QByteArray PlantMeterJson(const PlantMeter& m) {
    QByteArray out = "{\"address\":" + QByteArray::number(m.address);
    out += ",\"model\":" + (m.description.isValid() ? QByteArray::number(m.description.modelCode)
                                                    : QByteArray("null"));
    out += ",\"link\":" + stringOrNull(m.link);
    out += ",\"ts\":" + stringOrNull(m.ts);
    out += ",\"seq\":" + (m.hasRecord() ? QByteArray::number(m.seq) : QByteArray("null"));
    out += ",\"stale\":" + QByteArray(m.stale ? "true" : "false");
    out += ",\"channels\":[";
    const char* comma = "";
    for (const PlantChannel& c : m.channels) {
        out += comma + QByteArray("{\"ch\":") + QByteArray::number(c.ch) +
               ",\"value\":" + (c.value ? PlantValueText(m, c.ch, *c.value) : QByteArray("null")) +
               ",\"state\":" + (c.state ? QByteArray::number(*c.state) : QByteArray("null")) + '}';
        comma = ",";
    }
    out += "],\"alarms\":[";
    comma = "";
    for (const PlantAlarm& a : m.alarms) {
        out += comma + QByteArray("{\"ch\":") + QByteArray::number(a.ch) +
               ",\"alarm\":" + QByteArray::number(a.alarm) + '}';
        comma = ",";
    }
    return out + "]}";
}

QByteArray PlantNodeJson(const PlantNode& node, bool meters) {
    QByteArray out = "{\"node\":" + string(node.name) + ",\"state\":" + stringOrNull(node.state) +
                     ",\"since\":" + stringOrNull(node.since);
    if (meters) {
        out += ",\"meters\":[";
        const char* comma = "";
        for (const PlantMeter& m : node.meters) {
            out += comma + PlantMeterJson(m);
            comma = ",";
        }
        out += ']';
    }
    return out + '}';
}

QByteArray PlantJson(const PlantState& plant) {
    QByteArray out = "{\"nodes\":[";
    const char* comma = "";
    for (const PlantNode& node : plant.nodes()) {
        out += comma + PlantNodeJson(node, true);
        comma = ",";
    }
    return out + "]}";
}

QByteArray PlantChangeJson(const PlantState& plant, const QString& name, int address) {
    const auto node = plant.nodes().constFind(name);
    if (node == plant.nodes().cend())
        return "{\"node\":" + string(name) + ",\"gone\":true}";
    QByteArray out = PlantNodeJson(*node, false);
    if (address == 0)
        return out;
    out.chop(1);
    const auto meter = node->meters.constFind(address);
    out += ",\"meter\":";
    out += meter != node->meters.cend()
               ? PlantMeterJson(*meter)
               : "{\"address\":" + QByteArray::number(address) + ",\"gone\":true}";
    return out + '}';
}
