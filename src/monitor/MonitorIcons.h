#pragma once

#include <QPixmap>

class AppPaths;

// The status icons of the single-meter monitors: the alarm sound icon and the memory-card
// icon. Each comes from its file in the program folder ("SoundON.ico", "SoundOFF.ico",
// "MEM00.ico", "MEM01.ico", "MEM02.ico") when that file exists and reads as a picture, else
// from a picture of our own, so that nothing is blank on a fresh install.
class MonitorIcons {
public:
    enum Icon { SoundOn, SoundOff, CardNone, CardPresent, CardInUse, IconCount };

    explicit MonitorIcons(const AppPaths* paths, int size = 32);

    const QPixmap& pixmap(Icon icon) const { return m_pixmaps[icon]; }
    // True when the picture came from the program folder.
    bool fromFile(Icon icon) const { return m_fromFile[icon]; }

    static QString fileName(Icon icon);
    // Our own picture of an icon, `size` pixels square.
    static QPixmap drawn(Icon icon, int size);

private:
    QPixmap m_pixmaps[IconCount];
    bool m_fromFile[IconCount] = {};
};
