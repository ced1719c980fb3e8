#include "viewer/ChannelTable.h"

#include "comm/ChannelDisplay.h"
#include "logging/RecordBytes.h"
#include "widgets/LanguageFollower.h"

#include <QHeaderView>
#include <QPainter>
#include <QPixmap>

namespace {

QIcon swatch(const QColor& colour) {
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.fillRect(QRect(1, 1, 12, 12), colour);
    p.setPen(QColor(0x50, 0x50, 0x50));
    p.drawRect(QRect(1, 1, 11, 11));
    return QIcon(pixmap);
}

} // namespace

ChannelTable::ChannelTable(QWidget* parent)
    : QTableWidget(parent) {
    setObjectName(QStringLiteral("sprdChannels"));
    setColumnCount(ColumnCount);
    auto* texts = new LanguageFollower(this);
    texts->add([this] {
        setHorizontalHeaderLabels(
            {tr("CH"), tr("Name"), tr("Range"), tr("At cursor"), tr("Alarms")});
    });
    verticalHeader()->hide();
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (m_filling || item->column() != Shown)
            return;
        Q_EMIT shownChanged(channelOfRow(item->row()), item->checkState() == Qt::Checked);
    });
    connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
        if (!m_filling && row >= 0)
            Q_EMIT axisChannelChosen(channelOfRow(row));
    });
}

int ChannelTable::channelOfRow(int row) const {
    return row >= 0 && row < int(m_channels.size()) ? m_channels[size_t(row)].channel : 0;
}

void ChannelTable::setChannels(const PlotSettings& settings) {
    m_filling = true;
    m_channels = settings.channels;
    setRowCount(int(m_channels.size()));
    for (int row = 0; row < rowCount(); ++row) {
        const PlotChannel& c = m_channels[size_t(row)];
        auto* shown = new QTableWidgetItem(swatch(c.colour),
                                           QStringLiteral("%1").arg(c.channel, 2, 10, QChar(u'0')));
        shown->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        shown->setCheckState(c.shown ? Qt::Checked : Qt::Unchecked);
        shown->setToolTip(tr("Show or hide the trace of channel %1").arg(c.channel));
        setItem(row, Shown, shown);
        setItem(row, Name, new QTableWidgetItem(c.name));
        QString rangeText = QStringLiteral("%1 .. %2")
                                .arg(ChannelDisplay::FormatValue(c.low, c.decimals),
                                     ChannelDisplay::FormatValue(c.high, c.decimals));
        if (!c.unit.isEmpty())
            rangeText += u' ' + c.unit;
        auto* range = new QTableWidgetItem(rangeText);
        if (c.rangeFromData)
            range->setToolTip(tr("The file gives no display range; the scale spans the values"));
        setItem(row, Range, range);
        auto* value = new QTableWidgetItem();
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(row, Value, value);
        setItem(row, Alarms, new QTableWidgetItem());
        if (c.channel == settings.axisChannel)
            setCurrentCell(row, Name);
    }
    m_filling = false;
}

void ChannelTable::showValues(const DataTimeLine& timeLine,
                              const std::optional<DataTimeLine::RecordRef>& ref) {
    const char* record = ref ? timeLine.reader(ref->file).recordData(ref->record) : nullptr;
    const int fileChannels = ref ? timeLine.reader(ref->file).header().channelCount : 0;
    for (int row = 0; row < rowCount(); ++row) {
        const PlotChannel& c = m_channels[size_t(row)];
        QString value, alarms;
        if (record && c.channel <= fileChannels) {
            if (RecordBytes::isValid(record, c.channel)) {
                value =
                    ChannelDisplay::FormatValue(RecordBytes::value(record, c.channel), c.decimals);
                if (!c.unit.isEmpty())
                    value += u' ' + c.unit;
            } else {
                value = ChannelDisplay::InvalidValueText(c.decimals);
            }
            const unsigned bits = RecordBytes::alarms(RecordBytes::status(record), c.channel);
            for (int a = 1; a <= 4; ++a)
                if ((bits >> (a - 1)) & 1)
                    alarms +=
                        (alarms.isEmpty() ? QString() : QStringLiteral(" ")) + tr("AL%1").arg(a);
        }
        item(row, Value)->setText(value);
        item(row, Alarms)->setText(alarms);
        item(row, Alarms)->setForeground(alarms.isEmpty() ? palette().text() : QBrush(Qt::red));
    }
}
