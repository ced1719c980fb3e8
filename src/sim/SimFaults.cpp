#include "sim/SimFaults.h"

#include "sim/SimParseFailure.h"

#include <QStringList>

namespace {

struct KindName {
    SimFaultKind kind;
    const char* name;
};

const KindName kKindNames[] = {
    {SimFaultKind::NoReply, "noreply"},      {SimFaultKind::Delay, "delay"},
    {SimFaultKind::Split, "split"},          {SimFaultKind::JunkBefore, "junk-before"},
    {SimFaultKind::JunkAfter, "junk-after"}, {SimFaultKind::FlipBit, "flip"},
    {SimFaultKind::Exception, "exception"},  {SimFaultKind::WrongAddress, "wrong-address"},
    {SimFaultKind::ShortReply, "short"},     {SimFaultKind::Truncate, "truncate"},
};

bool toInt(const QString& text, int min, int max, int* out) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < min || v > max)
        return false;
    *out = v;
    return true;
}

} // namespace

namespace {
// A rule of one kind with what it does; the conditions keep their defaults.
SimFaultRule ruleOf(SimFaultKind kind, int ms = 0, int bytes = 0, int bit = 0, int code = 0) {
    SimFaultRule r;
    r.kind = kind;
    r.ms = ms;
    r.bytes = bytes;
    r.bit = bit;
    r.code = code;
    return r;
}
} // namespace

SimFaultRule SimFaultRule::noReply() {
    return {};
}
SimFaultRule SimFaultRule::delay(int ms) {
    return ruleOf(SimFaultKind::Delay, ms);
}
SimFaultRule SimFaultRule::split(int firstPartBytes, int pauseMs) {
    return ruleOf(SimFaultKind::Split, pauseMs, firstPartBytes);
}
SimFaultRule SimFaultRule::junkBefore(int bytes) {
    return ruleOf(SimFaultKind::JunkBefore, 0, bytes);
}
SimFaultRule SimFaultRule::junkAfter(int bytes) {
    return ruleOf(SimFaultKind::JunkAfter, 0, bytes);
}
SimFaultRule SimFaultRule::flipBit(int byteIndex, int bit) {
    return ruleOf(SimFaultKind::FlipBit, 0, byteIndex, bit);
}
SimFaultRule SimFaultRule::exception(int code) {
    return ruleOf(SimFaultKind::Exception, 0, 0, 0, code);
}
SimFaultRule SimFaultRule::wrongAddress(int address) {
    return ruleOf(SimFaultKind::WrongAddress, 0, 0, 0, address);
}
SimFaultRule SimFaultRule::shortReply(int registersFewer) {
    return ruleOf(SimFaultKind::ShortReply, 0, 0, 0, registersFewer);
}
SimFaultRule SimFaultRule::truncate(int bytes) {
    return ruleOf(SimFaultKind::Truncate, 0, bytes);
}

SimFaultRule& SimFaultRule::forMeter(int address) {
    meter = address;
    return *this;
}

SimFaultRule& SimFaultRule::forFunction(int fn) {
    function = fn;
    return *this;
}

SimFaultRule& SimFaultRule::forRegisters(int first, int last) {
    firstRegister = first;
    lastRegister = last;
    return *this;
}

SimFaultRule& SimFaultRule::skipping(int count) {
    skip = count;
    return *this;
}

SimFaultRule& SimFaultRule::everyNth(int n) {
    every = n;
    return *this;
}

SimFaultRule& SimFaultRule::atMost(int count) {
    times = count;
    return *this;
}

SimFaultRule& SimFaultRule::atRandom(double probability) {
    rate = probability;
    return *this;
}

std::optional<SimFaultRule> SimFaultRule::parse(const QString& text, QString* error) {
    const QStringList items = text.split(QLatin1Char(','));
    const QStringList head = items[0].trimmed().split(QLatin1Char(':'));
    const QString name = head[0].toLower();
    SimFaultRule rule;
    bool known = false;
    for (const KindName& k : kKindNames)
        if (name == QLatin1String(k.name)) {
            rule.kind = k.kind;
            known = true;
        }
    if (!known) {
        SimParseFailure(error,
                        QStringLiteral("fault \"%1\": unknown kind \"%2\"").arg(text, head[0]));
        return std::nullopt;
    }
    const QStringList args = head.mid(1);
    auto arg = [&](int i, int fallback, int min, int max, int* out) {
        if (i >= args.size()) {
            *out = fallback;
            return true;
        }
        return toInt(args[i], min, max, out);
    };
    bool ok = true;
    int maxArgs = 1;
    switch (rule.kind) {
    case SimFaultKind::NoReply:
        maxArgs = 0;
        break;
    case SimFaultKind::Delay:
        ok = !args.isEmpty() && arg(0, 0, 0, 600000, &rule.ms);
        break;
    case SimFaultKind::Split:
        maxArgs = 2;
        ok = arg(0, -1, -1, 255, &rule.bytes) && arg(1, 50, 0, 600000, &rule.ms);
        break;
    case SimFaultKind::JunkBefore:
    case SimFaultKind::JunkAfter:
        ok = arg(0, 3, 1, 1024, &rule.bytes);
        break;
    case SimFaultKind::FlipBit:
        maxArgs = 2;
        ok = arg(0, -1, -1, 255, &rule.bytes) && arg(1, 0, 0, 7, &rule.bit);
        break;
    case SimFaultKind::Exception:
        ok = arg(0, 4, 1, 255, &rule.code);
        break;
    case SimFaultKind::WrongAddress:
        ok = arg(0, 0, 0, 255, &rule.code);
        break;
    case SimFaultKind::ShortReply:
        ok = arg(0, 1, 1, 125, &rule.code);
        break;
    case SimFaultKind::Truncate:
        ok = arg(0, 1, 1, 255, &rule.bytes);
        break;
    }
    if (!ok || args.size() > maxArgs) {
        SimParseFailure(
            error,
            QStringLiteral("fault \"%1\": bad or missing argument of \"%2\"").arg(text, head[0]));
        return std::nullopt;
    }
    for (const QString& item : items.mid(1)) {
        const int eq = item.indexOf(QLatin1Char('='));
        const QString key = item.left(eq).trimmed().toLower();
        const QString value = item.mid(eq + 1).trimmed();
        bool good = eq > 0;
        if (!good) {
        } else if (key == QLatin1String("meter")) {
            good = toInt(value, 0, 255, &rule.meter);
        } else if (key == QLatin1String("fn")) {
            good = toInt(value, 0, 255, &rule.function);
        } else if (key == QLatin1String("reg")) {
            const QStringList range = value.split(QLatin1Char('-'));
            good = range.size() <= 2 && toInt(range[0], 0, 65535, &rule.firstRegister) &&
                   (range.size() == 1 || toInt(range[1], 0, 65535, &rule.lastRegister));
        } else if (key == QLatin1String("skip")) {
            good = toInt(value, 0, 1 << 30, &rule.skip);
        } else if (key == QLatin1String("every")) {
            good = toInt(value, 1, 1 << 30, &rule.every);
        } else if (key == QLatin1String("times")) {
            good = toInt(value, 0, 1 << 30, &rule.times);
        } else if (key == QLatin1String("rate")) {
            rule.rate = value.toDouble(&good);
            good = good && rule.rate >= 0.0 && rule.rate <= 1.0;
        } else {
            good = false;
        }
        if (!good) {
            SimParseFailure(error,
                            QStringLiteral("fault \"%1\": bad condition \"%2\"").arg(text, item));
            return std::nullopt;
        }
    }
    return rule;
}

QString SimFaultRule::toString() const {
    QString text;
    for (const KindName& k : kKindNames)
        if (k.kind == kind)
            text = QLatin1String(k.name);
    switch (kind) {
    case SimFaultKind::Delay:
        text += QStringLiteral(":%1").arg(ms);
        break;
    case SimFaultKind::Split:
        text += QStringLiteral(":%1:%2").arg(bytes).arg(ms);
        break;
    case SimFaultKind::FlipBit:
        text += QStringLiteral(":%1:%2").arg(bytes).arg(bit);
        break;
    case SimFaultKind::JunkBefore:
    case SimFaultKind::JunkAfter:
    case SimFaultKind::Truncate:
        text += QStringLiteral(":%1").arg(bytes);
        break;
    case SimFaultKind::Exception:
    case SimFaultKind::WrongAddress:
    case SimFaultKind::ShortReply:
        text += QStringLiteral(":%1").arg(code);
        break;
    case SimFaultKind::NoReply:
        break;
    }
    if (meter)
        text += QStringLiteral(",meter=%1").arg(meter);
    if (function)
        text += QStringLiteral(",fn=%1").arg(function);
    if (firstRegister)
        text += lastRegister ? QStringLiteral(",reg=%1-%2").arg(firstRegister).arg(lastRegister)
                             : QStringLiteral(",reg=%1").arg(firstRegister);
    if (skip)
        text += QStringLiteral(",skip=%1").arg(skip);
    if (every != 1)
        text += QStringLiteral(",every=%1").arg(every);
    if (times)
        text += QStringLiteral(",times=%1").arg(times);
    if (rate > 0)
        text += QStringLiteral(",rate=%1").arg(rate);
    return text;
}

void SimFaultPlan::add(const SimFaultRule& rule) {
    m_rules.append({rule, 0, 0});
}

void SimFaultPlan::clear() {
    m_rules.clear();
}

QList<SimFaultRule> SimFaultPlan::rules() const {
    QList<SimFaultRule> list;
    for (const Entry& e : m_rules)
        list.append(e.rule);
    return list;
}

void SimFaultPlan::setSeed(quint32 seed) {
    m_seed = seed;
    m_random.seed(seed);
    for (Entry& e : m_rules)
        e.seen = e.fired = 0;
}

QList<SimFaultRule> SimFaultPlan::firing(int address, int function, int startRegister) {
    QList<SimFaultRule> fired;
    for (Entry& e : m_rules) {
        const SimFaultRule& r = e.rule;
        if (r.meter && r.meter != address)
            continue;
        if (r.function && r.function != function)
            continue;
        if (r.firstRegister || r.lastRegister) {
            const int last = r.lastRegister ? r.lastRegister : r.firstRegister;
            if (startRegister < r.firstRegister || startRegister > last)
                continue;
        }
        const int n = ++e.seen;
        if (n <= r.skip || (r.times > 0 && e.fired >= r.times))
            continue;
        const bool fires = r.rate > 0
                               ? std::uniform_real_distribution<double>(0.0, 1.0)(m_random) < r.rate
                               : (n - r.skip) % std::max(1, r.every) == 0;
        if (fires) {
            ++e.fired;
            fired.append(r);
        }
    }
    return fired;
}

QByteArray SimFaultPlan::randomBytes(int count) {
    QByteArray bytes;
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < count; ++i)
        bytes.append(static_cast<char>(byte(m_random)));
    return bytes;
}

QString SimFaultPlan::syntaxHelp() {
    return QStringLiteral(
        "Faults (--fault, repeatable): KIND[:ARG[:ARG]][,CONDITION...]\n"
        "  noreply                  the meter stays silent\n"
        "  delay:MS                 the reply starts MS later; replies keep their order,\n"
        "                           so those after it wait until it has passed (as\n"
        "                           behind a slow converter or radio link)\n"
        "  split[:BYTES[:MS]]       the reply in two parts: BYTES first (default half),\n"
        "                           the rest MS later (default 50)\n"
        "  junk-before[:N]          N random bytes before the reply (default 3)\n"
        "  junk-after[:N]           N random bytes after the reply (default 3)\n"
        "  flip[:BYTE[:BIT]]        one bit flipped after the CRC (default the middle\n"
        "                           byte, bit 0)\n"
        "  exception[:CODE]         an exception reply (default code 4)\n"
        "  wrong-address[:ADDR]     the reply carries another slave address (default\n"
        "                           the meter's address + 1)\n"
        "  short[:N]                a well-formed read reply of N registers fewer (default 1)\n"
        "  truncate[:N]             the last N bytes of the reply never come (default 1)\n"
        "Conditions (all optional; a request is counted by every rule it matches):\n"
        "  meter=ADDR  fn=FUNCTION  reg=START or reg=FROM-TO (the request's start register)\n"
        "  skip=N      let the first N matching requests through\n"
        "  every=N     then fire on every N-th (default 1: every one)\n"
        "  times=N     fire at most N times\n"
        "  rate=P      fire at random with probability P (0..1), repeatable with --seed\n"
        "Examples:\n"
        "  --fault noreply,meter=3              meter 3 never answers\n"
        "  --fault delay:1500,reg=30001,every=10  every 10th values request 1.5 s late\n"
        "  --fault flip,rate=0.01 --seed 7      one reply in a hundred with a bad bit\n");
}
