#ifndef LINEWRIGHT_GUI_PICTURES_H
#define LINEWRIGHT_GUI_PICTURES_H

#include <QPixmap>
#include <QSize>
#include <string>
#include <vector>

// The first of `paths` that can be read as a picture, scaled to `size`; a
// null pixmap when none can. Pictures beyond the limits of train_info.h
// are not read: their place stays blank.
QPixmap LoadPicture(const std::vector<std::string>& paths, QSize size);

#endif
