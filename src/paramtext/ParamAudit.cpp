#include "paramtext/ParamAudit.h"

#include "paramset/ParamFields.h"
#include "paramset/ParamSet.h"

#include <algorithm>

namespace {

bool machineAddress(const ParamDifference& d) {
    return d.area == ParamDifference::Area::Common &&
           std::find(std::begin(MachineAddressRows), std::end(MachineAddressRows), d.row) !=
               std::end(MachineAddressRows);
}

} // namespace

const QSet<QString>& AuditKeys() {
    static const QSet<QString> keys = [] {
        QSet<QString> k{QStringLiteral("CH_FORMULA"), QStringLiteral("MEM_FORMULA")};
        for (const ParamField& f : CommonFields())
            k.insert(f.key);
        for (int version : {0, VersionReferenceJunction})
            for (const ParamField& f : ChannelFields(version))
                k.insert(f.key);
        return k;
    }();
    return keys;
}

QString AuditKeyHint(const QString& word) {
    for (int version : {0, VersionReferenceJunction})
        for (const QVector<ParamField>* fields : {&CommonFields(), &ChannelFields(version)})
            for (const ParamField& f : *fields)
                if (QString(f.caption).replace(u' ', u'_').compare(word, Qt::CaseInsensitive) == 0)
                    return QStringLiteral(": the row %1 has the key %2").arg(f.caption, f.key);
    return QString();
}

QVector<ParamDifference> AuditDifferences(const ParamSet& reference, const ParamSet& meter,
                                          const QSet<QString>& ignore) {
    QVector<ParamDifference> rows;
    for (const ParamDifference& d : CompareParameterSets(reference, meter, false))
        if (d.downloaded && d.area != ParamDifference::Area::Model && !ignore.contains(d.key) &&
            !machineAddress(d))
            rows << d;
    return rows;
}
