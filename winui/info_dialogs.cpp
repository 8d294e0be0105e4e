// Dialogs 600, "Pálya információ", and 620, "Jármű információ".

#include "ui/loadsave.h"
#include "ui/route_info.h"
#include "ui/train_info.h"
#include "ui/window_layout.h"
#include "winui/dialogs.h"
#include "winui/resource.h"
#include "winui/wide_text.h"

namespace {

constexpr int kRouteName = 602;
constexpr int kRouteTrain = 603;
constexpr int kRouteDescription = 601;
constexpr int kTrainName = 623;
constexpr int kTrainDescription = 621;

// The read-only description fields are painted white.
INT_PTR WhiteDescription(HWND dialog, int id, WPARAM hdc, LPARAM control) {
  if (reinterpret_cast<HWND>(control) != GetDlgItem(dialog, id)) return FALSE;
  SetBkColor(reinterpret_cast<HDC>(hdc), RGB(255, 255, 255));
  return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
}

// The focus goes to "&Bezár", so that the description is not shown
// selected; FALSE tells the dialog manager the focus is set.
INT_PTR CloseButtonFocused(HWND dialog) {
  SetFocus(GetDlgItem(dialog, IDOK));
  return FALSE;
}

bool Closes(UINT message, WPARAM wParam) {
  return message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL);
}

INT_PTR CALLBACK RouteInfoDialogHandler(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    RouteInfo info;
    GetRouteInfo(&info);
    SetDlgItemTextW(dialog, kRouteName, FromFileText(info.name).c_str());
    SetDlgItemTextW(dialog, kRouteTrain, FromFileText(info.train).c_str());
    SetDlgItemTextW(dialog, kRouteDescription, FromFileTextForEdit(info.description).c_str());
    return CloseButtonFocused(dialog);
  }
  if (message == WM_CTLCOLORSTATIC)
    return WhiteDescription(dialog, kRouteDescription, wParam, lParam);
  if (Closes(message, wParam)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

// A bitmap file scaled to its place's size; null when it cannot be read.
HBITMAP LoadPicture(const std::string& path, const PixelRect& place) {
  if (!BitmapWithinLimits(path)) return nullptr;
  return static_cast<HBITMAP>(LoadImageW(nullptr, FromPath(path).c_str(), IMAGE_BITMAP, place.width,
                                         place.height, LR_LOADFROMFILE));
}

void DrawPicture(HDC hdc, HBITMAP picture, const PixelRect& place) {
  if (picture == nullptr) return;
  HDC memory = CreateCompatibleDC(hdc);
  HGDIOBJ old = SelectObject(memory, picture);
  BitBlt(hdc, place.x, place.y, place.width, place.height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
}

struct TrainPictures {
  HBITMAP train = nullptr;
  HBITMAP panel = nullptr;
};

INT_PTR CALLBACK TrainInfoDialogHandler(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetDialogData(dialog, lParam);
      auto* pictures = reinterpret_cast<TrainPictures*>(lParam);
      const TrainInfo info = ReadTrainInfo(global.trainfolder, global.trainname);
      SetDlgItemTextW(dialog, kTrainName, FromPath(info.name).c_str());
      SetDlgItemTextW(dialog, kTrainDescription, FromFileTextForEdit(info.description).c_str());
      pictures->train = LoadPicture(info.train_picture, kTrainPicturePlace);
      for (const std::string& panel : info.panel_pictures) {
        pictures->panel = LoadPicture(panel, kPanelPicturePlace);
        if (pictures->panel != nullptr) break;
      }
      return CloseButtonFocused(dialog);
    }
    case WM_PAINT: {
      auto* pictures = DialogData<TrainPictures>(dialog);
      if (pictures == nullptr) return FALSE;
      PAINTSTRUCT paint;
      HDC hdc = BeginPaint(dialog, &paint);
      DrawPicture(hdc, pictures->train, kTrainPicturePlace);
      DrawPicture(hdc, pictures->panel, kPanelPicturePlace);
      EndPaint(dialog, &paint);
      return TRUE;
    }
    case WM_CTLCOLORSTATIC:
      return WhiteDescription(dialog, kTrainDescription, wParam, lParam);
    case WM_DESTROY: {
      auto* pictures = DialogData<TrainPictures>(dialog);
      if (pictures == nullptr) return FALSE;
      if (pictures->train != nullptr) DeleteObject(pictures->train);
      if (pictures->panel != nullptr) DeleteObject(pictures->panel);
      *pictures = TrainPictures();
      return FALSE;
    }
    default:
      if (Closes(message, wParam)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
      }
      return FALSE;
  }
}

}  // namespace

void ShowRouteInfo(HWND owner) {
  RunDialog(owner, IDD_ROUTE_INFO, RouteInfoDialogHandler, nullptr);
}

void ShowTrainInfo(HWND owner) {
  TrainPictures pictures;
  RunDialog(owner, IDD_TRAIN_INFO, TrainInfoDialogHandler, &pictures);
}
