#include "gui/pictures.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include "gui/qt_text.h"
#include "ui/train_info.h"

namespace {

QImage ReadPicture(const QString& path) {
  QFileInfo info(path);
  if (!info.isFile() || info.size() > kMaxPictureBytes) return QImage();
  QImageReader reader(path);
  QSize size = reader.size();
  // The header's size is checked before the pixels are read, so a picture
  // claiming to be huge costs nothing.
  if (!size.isValid() || size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) return QImage();
  return reader.read();
}

}  // namespace

QPixmap LoadPicture(const std::vector<std::string>& paths, QSize size) {
  for (const std::string& path : paths) {
    QImage image = ReadPicture(FromPath(path));
    if (!image.isNull())
      return QPixmap::fromImage(image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }
  return QPixmap();
}
