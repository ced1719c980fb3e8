#include "paramset/ParamTables.h"

#include "paramset/ParamFields.h"
#include "paramset/ParamImage.h"

namespace {

QString channelCaption(int channel) {
    return QStringLiteral("CH.%1").arg(channel, 2, 10, QLatin1Char('0'));
}

QString description() {
    return QString::fromUtf8(QT_TRANSLATE_NOOP("ParamTables", "DESCRIPTION"));
}

} // namespace

ParamTables::ParamTables()
    : sprdP(3, CommonRows)
    , sprdP_CH(2 + ParamLayout::MaxChannels, ChannelRows)
    , sprdFormual_Mem(1, ParamLayout::MaxChannels)
    , sprdFormual_CH(1, ParamLayout::MaxChannels) {
    // The header captions: the parameter window shows them translated (context ParamTables).
    sprdP.setText(DescriptionColumn, 0, description());
    sprdP.setText(KeyColumn, 0, QStringLiteral("KEY"));
    sprdP.setText(ValueColumn, 0, QString::fromUtf8(QT_TRANSLATE_NOOP("ParamTables", "VALUE")));
    sprdP.setColumnHidden(KeyColumn, true);
    for (const ParamField& f : CommonFields()) {
        sprdP.setText(0, f.row, QString::number(f.row));
        sprdP.setText(DescriptionColumn, f.row, f.caption);
        sprdP.setText(KeyColumn, f.row, f.key);
    }
    sprdP_CH.setText(DescriptionColumn, 0, description());
    sprdP_CH.setText(KeyColumn, 0, QStringLiteral("KEY"));
    sprdP_CH.setColumnHidden(KeyColumn, true);
    for (int row = 1; row <= ChannelRows; ++row)
        sprdP_CH.setText(0, row, QString::number(row));
    sprdFormual_Mem.setText(1, 0, QStringLiteral("MATH. FUNCTION (M AREA)"));
    sprdFormual_CH.setText(1, 0, QStringLiteral("MATH. FUNCTION (CH MATH. TYPE)"));
    layOut(ParamLayout::MaxChannels, VersionFormulas);
}

void ParamTables::layOut(int channels, int version) {
    const bool formulas = version >= VersionFormulas;
    const bool groups = channels > 6;

    sprdP.setText(DescriptionColumn, 14,
                  groups ? QStringLiteral("DISPLAY GROUP") : QStringLiteral("REC. WITH BUFFER"));
    sprdP.setRowHidden(14, formulas && !groups);
    sprdP.setRowHidden(17, !formulas);
    for (int row = 53; row <= 68; ++row) // digital inputs 3 to 6
        sprdP.setRowHidden(row, channels == 2);

    sprdP_CH.setColumnCount(channelColumn(channels));
    for (int n = 1; n <= channels; ++n)
        sprdP_CH.setText(channelColumn(n), 0, channelCaption(n));
    for (const ParamField& f : ChannelFields(version)) {
        sprdP_CH.setText(DescriptionColumn, f.row, f.caption);
        sprdP_CH.setText(KeyColumn, f.row, f.key);
    }
    sprdP_CH.setText(DescriptionColumn, 3,
                     groups ? QStringLiteral("DISPLAY GROUP") : QStringLiteral("DISPLAY ON/OFF"));
    const bool referenceJunction = version >= VersionReferenceJunction;
    for (int row = 12; row <= 13; ++row)
        sprdP_CH.setRowHidden(row, formulas && !referenceJunction);
    for (int row = 14; row <= 16; ++row)
        sprdP_CH.setRowHidden(row, formulas);

    for (TextTable* t : {&sprdFormual_Mem, &sprdFormual_CH}) {
        t->setRowCount(channels);
        for (int n = 1; n <= channels; ++n)
            t->setText(0, n, channelCaption(n));
    }
}
