#ifndef LINEWRIGHT_UI_TRAIN_INFO_H
#define LINEWRIGHT_UI_TRAIN_INFO_H

#include <string>
#include <string_view>
#include <vector>

// What the train information dialog shows about the train `trainname` in
// `trainfolder`. Files are found in any letter case ("Train.BMP").
struct TrainInfo {
  std::string name;                          // trainname
  std::string description;                   // train.txt, at most 4090 characters; empty when missing
  std::string train_picture;                 // path of train.bmp
  std::vector<std::string> panel_pictures;   // panel2.bmp, then panel.bmp: the first that loads is shown
};

TrainInfo ReadTrainInfo(const std::string& trainfolder, const std::string& trainname);

// Pictures larger than kMaxPictureSide pixels on a side, or files larger
// than kMaxPictureBytes, are not read: their place stays blank.
constexpr int kMaxPictureSide = 8192;
constexpr long long kMaxPictureBytes = 64LL * 1024 * 1024;

// True when `header` (a file's first bytes) starts a Windows bitmap whose
// size, and the file's size `fileBytes`, are within the limits above. The
// header is checked before any pixel is read, so a picture that claims to
// be huge costs nothing.
bool BitmapHeaderWithinLimits(std::string_view header, long long fileBytes);
// The same for the file at `path`; false when it cannot be read.
bool BitmapWithinLimits(const std::string& path);

#endif
