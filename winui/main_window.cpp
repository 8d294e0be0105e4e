// The main window, "MainWindowC": the folder label (303), the owner-drawn
// route list (300), the train list (301), "Select" (302) and the menu; a
// view of MainWindowState.

#include "winui/main_window.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "int2rte/int2tech.h"
#include "ui/main_window_state.h"
#include "ui/route_list.h"
#include "ui/run.h"
#include "ui/startup.h"
#include "ui/version.h"
#include "ui/window_layout.h"
#include "winui/dialogs.h"
#include "winui/resource.h"
#include "winui/wide_text.h"
#include "winui/win_sinks.h"

namespace {

const wchar_t kClassName[] = L"MainWindowC";
// Posted once the window is up, so that a box about a folder that could
// not be listed has the window as its owner.
constexpr UINT kReportUnlisted = WM_APP + 1;
// The exit status when there is no window to show, as for any failure of
// the command line.
constexpr int kWindowFailed = 1;

// The one main window's controls and state.
struct MainWindow {
  MainWindowState state;
  HWND label = nullptr;
  HWND routes = nullptr;
  HWND trains = nullptr;
  HWND select = nullptr;
  std::string unlisted;  // the folder to report once the window is up
  MessageBoxSink* messages = nullptr;
};
MainWindow window;

HWND Control(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style,
             const PixelRect& place, int id) {
  HWND control =
      CreateWindowExW(0, kind, text, WS_CHILD | WS_VISIBLE | style, place.x, place.y, place.width,
                      place.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                      GetModuleHandleW(nullptr), nullptr);
  if (control != nullptr)
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 0);
  return control;
}

HWND ListBox(HWND parent, DWORD drawing, const PixelRect& place, int id) {
  HWND list = Control(parent, L"LISTBOX", nullptr,
                      WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_SORT | LBS_HASSTRINGS |
                          LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL | drawing,
                      place, id);
  if (list == nullptr)
    MessageBoxW(parent, L"Could not create edit box.", L"Error", MB_OK | MB_ICONERROR);
  return list;
}

// Shows `entries` in a list that sorts itself: each item keeps its index
// in `entries` as its data, and the entry `selection` is selected.
void ShowList(HWND list, const std::vector<std::string>& entries, int selection) {
  if (list == nullptr) return;
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (size_t i = 0; i < entries.size(); ++i) {
    const LRESULT at =
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromPath(entries[i]).c_str()));
    if (at >= 0)
      SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(i));
  }
  const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT at = 0; at < count; ++at)
    if (SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(at), 0) == selection)
      SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

// The index in the state's list of the entry selected in `list`; -1 for none.
int ChosenEntry(HWND list) {
  const LRESULT at = SendMessageW(list, LB_GETCURSEL, 0, 0);
  if (at == LB_ERR) return -1;
  return static_cast<int>(SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(at), 0));
}

void UpdateSelect() { EnableWindow(window.select, window.state.SelectEnabled() ? TRUE : FALSE); }

void ShowRoutes() {
  ShowList(window.routes, window.state.routes(), window.state.routeSelection());
  SetWindowTextW(window.label, FromPath(window.state.folderLabel()).c_str());
  UpdateSelect();
}

void ShowTrains() {
  ShowList(window.trains, window.state.trains(), window.state.trainSelection());
  UpdateSelect();
}

void CreateControls(HWND hwnd) {
  window.label = Control(hwnd, L"STATIC", L"", SS_NOPREFIX, kFolderLabelPlace, kIdFolderLabel);
  window.routes = ListBox(hwnd, LBS_OWNERDRAWFIXED, kRouteListPlace, kIdRouteList);
  window.trains = ListBox(hwnd, 0, kTrainListPlace, kIdTrainList);
  window.select = Control(hwnd, L"BUTTON", L"Select", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_DISABLED,
                          kSelectPlace, kIdSelect);
  window.unlisted = window.state.FillLists();
  ShowRoutes();
  ShowTrains();
  if (!window.unlisted.empty()) PostMessageW(hwnd, kReportUnlisted, 0, 0);
}

// An entry of the route list on its kind's background, its text 2 pixels
// from the left and centred by the font's height; the selected entry gets
// a focus rectangle instead of a highlight.
void DrawRouteEntry(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1)) return;
  if ((item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT | ODA_FOCUS)) == 0) return;
  const std::vector<std::string>& routes = window.state.routes();
  const size_t index = static_cast<size_t>(item.itemData);
  if (index >= routes.size()) return;
  const Rgb colour = EntryBackground(routes[index]);
  HDC hdc = item.hDC;
  RECT rect = item.rcItem;
  const COLORREF background = SetBkColor(hdc, RGB(colour.red, colour.green, colour.blue));
  const COLORREF foreground = SetTextColor(hdc, RGB(0, 0, 0));
  ExtTextOutW(hdc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  const std::wstring text = FromPath(routes[index]);
  TEXTMETRICW metrics;
  GetTextMetricsW(hdc, &metrics);
  const int top = rect.top + (rect.bottom - rect.top - metrics.tmHeight) / 2;
  ExtTextOutW(hdc, rect.left + kRouteItemIndent, top, ETO_CLIPPED, &rect, text.c_str(),
              static_cast<UINT>(text.size()), nullptr);
  SetTextColor(hdc, foreground);
  SetBkColor(hdc, background);
  if (item.itemState & ODS_SELECTED) DrawFocusRect(hdc, &rect);
}

void OpenChart(HWND hwnd) {
  char path[MAX_PATH];
  const DWORD length = GetFullPathNameA(kChartFileName, MAX_PATH, path, nullptr);
  const std::string chart =
      length > 0 && length < MAX_PATH ? std::string(path, length) : kChartFileName;
  const INT_PTR opened = reinterpret_cast<INT_PTR>(
      ShellExecuteW(hwnd, L"open", FromPath(chart).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (opened <= 32) ReportChartNotOpened(chart);
}

// The generation run: the start options, then the stages with the progress
// bar over the top row, then what the run's end asks of the window.
void StartRun(HWND hwnd) {
  const int kind = ShowStartOptions(hwnd);
  if (kind == kRunCancel) return;
  HWND bar =
      CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, kProgressBarPlace.x,
                      kProgressBarPlace.y, kProgressBarPlace.width, kProgressBarPlace.height, hwnd,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdProgressBar)),
                      GetModuleHandleW(nullptr), nullptr);
  if (bar != nullptr) {
    SendMessageW(bar, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    UpdateWindow(bar);
  }
  ProgressBarSink progress(bar);
  const bool ok = GenerationRun(kind, &progress);
  if (bar != nullptr) DestroyWindow(bar);
  switch (WindowAfterRun(kind, ok)) {
    case AfterRun::kClose:
      PostMessageW(hwnd, WM_CLOSE, 0, 0);
      break;
    case AfterRun::kOpenChart:
      OpenChart(hwnd);
      break;
    case AfterRun::kStay:
      break;
  }
}

void OpenFolderSettings(HWND hwnd) {
  ShowFolderSettings(hwnd);
  const std::string unlisted = window.state.AfterFolderSettings();
  ShowRoutes();
  ShowTrains();
  if (!unlisted.empty()) ReportUnlistedFolder(unlisted);
}

void Command(HWND hwnd, int id, int code) {
  switch (id) {
    case kIdMenuExit:
      PostMessageW(hwnd, WM_CLOSE, 0, 0);
      break;
    case kIdMenuFolderSettings:
      OpenFolderSettings(hwnd);
      break;
    case kIdMenuAbout:
      ShowAbout(hwnd);
      break;
    case kIdSelect:
      // Enabled only while a route file and a train are chosen.
      if (window.state.SelectEnabled()) StartRun(hwnd);
      break;
    case kIdRouteList:
      if (code == LBN_SELCHANGE) {
        if (window.state.ChooseRoute(ChosenEntry(window.routes))) ShowRoutes();
        UpdateSelect();
      } else if (code == LBN_DBLCLK && window.state.RouteInfoAvailable()) {
        ShowRouteInfo(hwnd);
      }
      break;
    case kIdTrainList:
      if (code == LBN_SELCHANGE) {
        window.state.ChooseTrain(ChosenEntry(window.trains));
        UpdateSelect();
      } else if (code == LBN_DBLCLK && window.state.trainSelection() >= 0) {
        ShowTrainInfo(hwnd);
      }
      break;
  }
}

LRESULT CALLBACK MainWindowHandler(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateControls(hwnd);
      return 0;
    case WM_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (item->CtlID != kIdRouteList) break;
      item->itemHeight = kRouteItemHeight;
      return TRUE;
    }
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID != kIdRouteList) break;
      DrawRouteEntry(*item);
      return TRUE;
    }
    case WM_COMMAND:
      Command(hwnd, LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
      // The folder label lies on the window's own grey.
      if (reinterpret_cast<HWND>(lParam) != window.label) break;
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetStockObject(LTGRAY_BRUSH));
    case kReportUnlisted:
      ReportUnlistedFolder(window.unlisted);
      return 0;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_DESTROY:
      if (window.messages != nullptr) window.messages->SetOwner(nullptr);
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int RunMainWindow(HINSTANCE instance) {
  // Boxes from the start on: what start-up reports must reach a player who
  // has no console.
  MessageBoxSink messages;
  platform::ScopedMessageSink scoped(&messages);
  window.messages = &messages;
  StartUp();

  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = MainWindowHandler;
  windowClass.hInstance = instance;
  windowClass.hIcon = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_LINEWRIGHT), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  windowClass.hIconSm = static_cast<HICON>(
      LoadImageW(instance, MAKEINTRESOURCEW(IDI_LINEWRIGHT), IMAGE_ICON, 16, 16, 0));
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAIN_MENU);
  windowClass.lpszClassName = kClassName;
  if (RegisterClassExW(&windowClass) == 0) {
    MessageBoxW(nullptr, L"Window Registration Failed!", L"Error!", MB_OK | MB_ICONEXCLAMATION);
    return kWindowFailed;
  }

  HWND hwnd = CreateWindowExW(0, kClassName, WideFromUtf8(LINEWRIGHT_PRODUCT).c_str(),
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                              CW_USEDEFAULT, CW_USEDEFAULT, kMainWindowWidth, kMainWindowHeight,
                              nullptr, nullptr, instance, nullptr);
  if (hwnd == nullptr) {
    MessageBoxW(nullptr, L"Window Creation Failed!", L"Error!", MB_OK | MB_ICONEXCLAMATION);
    return kWindowFailed;
  }
  messages.SetOwner(hwnd);
  ShowWindow(hwnd, SW_SHOWDEFAULT);
  UpdateWindow(hwnd);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  window.messages = nullptr;
  return static_cast<int>(message.wParam);
}
