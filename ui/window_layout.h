#ifndef LINEWRIGHT_UI_WINDOW_LAYOUT_H
#define LINEWRIGHT_UI_WINDOW_LAYOUT_H

// Where the main window's controls and the train information dialog's
// pictures go, in pixels of the client area, and the control and menu ids
// the window answers to. Every view of the window places them so.

struct PixelRect {
  int x, y, width, height;
};

constexpr int kMainWindowWidth = 640;
constexpr int kMainWindowHeight = 460;

enum MainWindowId {
  kIdMenuExit = 101,
  kIdMenuFolderSettings = 102,
  kIdMenuAbout = 105,
  kIdRouteList = 300,
  kIdTrainList = 301,
  kIdSelect = 302,
  kIdFolderLabel = 303,
  kIdProgressBar = 451,
};

constexpr PixelRect kFolderLabelPlace{6, 6, 500, 20};
constexpr PixelRect kRouteListPlace{6, 32, 400, 376};
constexpr PixelRect kTrainListPlace{424, 32, 200, 376};
constexpr PixelRect kSelectPlace{514, 6, 110, 20};
// The bar covers the top row (the label and "Select") while a run goes on.
constexpr PixelRect kProgressBarPlace{5, 5, 620, 22};
// Height of a route list entry; the text is 2 pixels from the left.
constexpr int kRouteItemHeight = 16;
constexpr int kRouteItemIndent = 2;

// The train information dialog's pictures, scaled to these sizes.
constexpr PixelRect kTrainPicturePlace{194, 40, 202, 129};
constexpr PixelRect kPanelPicturePlace{9, 9, 176, 160};

#endif
