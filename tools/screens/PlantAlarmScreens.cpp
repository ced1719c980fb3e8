#include "plant/PlantAlarmLog.h"
#include "plant/PlantState.h"
#include "plantview/PlantAlarmWindow.h"
#include "screens/ScreenRegistry.h"

namespace {

QByteArray meta(int address, const char* names) {
    QByteArray info;
    int ch = 0;
    for (const QByteArray& name : QByteArray(names).split(',')) {
        ++ch;
        info += (ch > 1 ? "," : "") + QByteArray(R"({"ch":)") + QByteArray::number(ch) +
                R"(,"name":")" + name + R"(","unit":"C","decimals":1,"low":0,"high":400})";
    }
    return R"({"address":)" + QByteArray::number(address) + R"(,"model":40,"channels":)" +
           QByteArray::number(ch) + R"(,"firmware":"1.16","channel_info":[)" + info + "]}";
}

QByteArray record(int seq, const QString& ts, const QByteArray& alarms) {
    return R"({"ts":")" + ts.toLatin1() + R"(","seq":)" + QByteArray::number(seq) +
           R"(,"replayed":false,"channels":[{"ch":1,"value":1.0,"state":0}],"alarms":[)" + alarms +
           "]}";
}

// Two lines of a plant through a morning: furnace temperatures over their limits and back,
// a pressure alarm still standing.
void renderPlantAlarms(ScreenContext& context) {
    PlantState plant(QStringLiteral("plant"));
    PlantAlarmLog log;
    QObject::connect(&plant, &PlantState::recordTaken, &log, &PlantAlarmLog::take);
    const struct {
        const char* node;
        int address;
        const char* names;
    } meters[] = {{"line1", 1, "FURNACE-A,FURNACE-B,EXHAUST,COOLING"},
                  {"line1", 3, "TANK1,TANK2"},
                  {"line2-press", 12, "OIL-P,OIL-T,MOTOR"}};
    for (const auto& m : meters)
        plant.take(QStringLiteral("plant/%1/%2/meta").arg(QLatin1String(m.node)).arg(m.address),
                   meta(m.address, m.names), 0);
    const struct {
        int meter;
        int minute;
        const char* alarms;
    } steps[] = {{0, 2, R"({"ch":1,"alarm":1})"},
                 {0, 9, R"({"ch":1,"alarm":1},{"ch":1,"alarm":2})"},
                 {2, 11, R"({"ch":1,"alarm":3})"},
                 {0, 17, R"({"ch":1,"alarm":1})"},
                 {1, 23, R"({"ch":2,"alarm":1})"},
                 {0, 31, ""},
                 {1, 36, ""},
                 {0, 44, R"({"ch":3,"alarm":4})"},
                 {2, 52, R"({"ch":1,"alarm":3},{"ch":2,"alarm":1})"}};
    int seq = 0;
    for (const auto& s : steps) {
        const auto& m = meters[s.meter];
        plant.take(
            QStringLiteral("plant/%1/%2/data").arg(QLatin1String(m.node)).arg(m.address),
            record(++seq,
                   QStringLiteral("2026-12-07T08:%1:05+09:00").arg(s.minute, 2, 10, QChar(u'0')),
                   s.alarms),
            0);
    }
    PlantAlarmWindow window(log, &plant);
    context.save(window, QStringLiteral("PlantAlarmWindow"));
}

} // namespace

void RegisterPlantAlarmScreens(ScreenRegistry& registry) {
    registry.add(QStringLiteral("PlantAlarmWindow"),
                 QStringLiteral("The plant alarm list: two lines' alarms through a morning"),
                 renderPlantAlarms);
}
