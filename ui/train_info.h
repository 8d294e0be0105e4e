#ifndef LINEWRIGHT_UI_TRAIN_INFO_H
#define LINEWRIGHT_UI_TRAIN_INFO_H

#include <string>
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

#endif
