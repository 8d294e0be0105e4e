#ifndef LINEWRIGHT_GUI_PICTURES_H
#define LINEWRIGHT_GUI_PICTURES_H

#include <QPixmap>
#include <QSize>
#include <string>
#include <vector>

// The first of `paths` that can be read as a picture, scaled to `size`; a
// null pixmap when none can. Pictures larger than kMaxPictureSide pixels
// on a side or kMaxPictureBytes bytes are not read: their place stays blank.
QPixmap LoadPicture(const std::vector<std::string>& paths, QSize size);

constexpr int kMaxPictureSide = 8192;
constexpr qint64 kMaxPictureBytes = 64 * 1024 * 1024;

#endif
