#pragma once

#include <QPixmap>
#include <QSize>

class AppPaths;

// The pictures of the sixteen alarm types. Each comes from the program folder's Image folder
// ("ARM00.BMP" .. "ARM15.BMP", names in any case, as copied from a Windows install) when the
// file is there and reads as a picture, else from a picture of our own that shows what the
// type compares, so that nothing is blank on a fresh install.
class AlarmTypePictures {
public:
    static constexpr QSize DrawnSize{176, 112};

    explicit AlarmTypePictures(const AppPaths* paths);

    // The picture of `type`; a null pixmap for a type outside 0..15 (the picture is cleared).
    QPixmap picture(int type) const;
    bool fromFile(int type) const;

    // Our own picture of a type.
    static QPixmap drawn(int type, QSize size = DrawnSize);

private:
    QPixmap m_pictures[16];
    bool m_fromFile[16] = {};
};
