#include "app/AppStyle.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

void ApplyAppStyle(QApplication& app) {
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    QPalette p;
    p.setColor(QPalette::Window, QColor(0xf4, 0xf6, 0xf9));
    p.setColor(QPalette::WindowText, QColor(0x1d, 0x23, 0x2b));
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::AlternateBase, QColor(0xf0, 0xf3, 0xf7));
    p.setColor(QPalette::Text, QColor(0x1d, 0x23, 0x2b));
    p.setColor(QPalette::Button, QColor(0xfb, 0xfc, 0xfd));
    p.setColor(QPalette::ButtonText, QColor(0x1d, 0x23, 0x2b));
    p.setColor(QPalette::Highlight, QColor(0x1f, 0x6f, 0xb2));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0xff, 0xfd, 0xe8));
    p.setColor(QPalette::ToolTipText, QColor(0x1d, 0x23, 0x2b));
    p.setColor(QPalette::PlaceholderText, QColor(0x6b, 0x75, 0x82));
    p.setColor(QPalette::Mid, QColor(0xb8, 0xc0, 0xca));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0xa4, 0xab, 0xb5));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0xa4, 0xab, 0xb5));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(0xa4, 0xab, 0xb5));
    app.setPalette(p);

    app.setStyleSheet(QStringLiteral(R"(
#buttonBar { background: #e9edf2; border-right: 1px solid #d3d9e1; }
#buttonBar QPushButton {
    text-align: left; padding: 5px 12px; border: 1px solid transparent; border-radius: 5px;
    background: transparent; color: #1d232b; min-width: 10em;
}
#buttonBar QPushButton:hover { background: #dde4ec; border-color: #ccd5df; }
#buttonBar QPushButton:pressed { background: #cfd9e4; }
#buttonBar QPushButton:disabled { color: #a4abb5; }
#buttonBar QPushButton:focus:!hover { border-color: #9fbad3; }
#buttonBar QPushButton[portOpen="false"] {
    background: #1f6fb2; color: white; font-weight: bold; border-color: #185c94;
}
#buttonBar QPushButton[portOpen="false"]:hover { background: #2a7cc0; }
#buttonBar QPushButton[portOpen="false"]:disabled {
    background: transparent; color: #a4abb5; font-weight: normal; border-color: transparent;
}
#buttonBar QPushButton[portOpen="true"] {
    background: #fbe9e7; color: #b3261e; font-weight: bold; border-color: #efc2bd;
}
#buttonGroupCaption {
    color: #6b7582; font-size: 8pt; font-weight: bold; padding: 6px 12px 2px 12px;
}
#sectionTitle { font-weight: bold; color: #38424e; }
#phaseChip { border-radius: 9px; padding: 1px 10px; font-weight: bold; }
#phaseChip[phase="0"] { background: #e3e7ec; color: #56606c; }
#phaseChip[phase="1"] { background: #fff1cc; color: #8a5a00; }
#phaseChip[phase="2"] { background: #d9f2de; color: #1e6b32; }
#phaseChip[phase="3"] { background: #fff1cc; color: #8a5a00; }
QGroupBox { font-weight: bold; border: 1px solid #d3d9e1; border-radius: 6px;
            margin-top: 1.2em; padding: 6px; background: #fbfcfd; }
QGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0 4px; color: #38424e; }
QGroupBox QLabel { font-weight: normal; }
QTableView { gridline-color: #e1e6ec; border: 1px solid #d3d9e1; border-radius: 4px; }
QHeaderView::section { background: #eef1f5; border: none; border-right: 1px solid #dde2e8;
                       border-bottom: 1px solid #d3d9e1; padding: 3px 4px; color: #38424e; }
QStatusBar { background: #e9edf2; border-top: 1px solid #d3d9e1; }
QStatusBar QLabel { border-left: 1px solid #d3d9e1; }
)"));
}
