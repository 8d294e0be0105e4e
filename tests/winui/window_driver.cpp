// window_driver LINEWRIGHT_EXE WORK_FOLDER KAVO_FOLDER SHOTS_FOLDER
//
// Starts the Windows program's window in WORK_FOLDER (whose settings name
// the sample installation in KAVO_FOLDER) and drives it from outside, as a
// player would, through the messages its controls send: it chooses routes
// and trains, opens every dialog, runs a create run that asks the script's
// question, and ends with a launch that starts the simulator and closes the
// window. Each window and dialog is photographed from the screen into
// SHOTS_FOLDER as NAME.bmp. Prints one line per check and last
// "window: N passed, N failed"; the exit status is 1 after any failure.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ui/version.h"

#define WIDEN_TEXT(x) L##x
#define WIDEN(x) WIDEN_TEXT(x)

namespace {

int passed = 0;
int failed = 0;
std::wstring shots;

std::string Narrow(const std::wstring& text) {
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(length > 0 ? length - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), length, nullptr, nullptr);
  return out;
}

bool Check(bool ok, const char* what, const std::wstring& detail = L"") {
  if (ok) {
    ++passed;
    std::printf("PASS %s\n", what);
  } else {
    ++failed;
    std::printf("FAIL %s%s%s\n", what, detail.empty() ? "" : ": ", Narrow(detail).c_str());
  }
  std::fflush(stdout);
  return ok;
}

std::wstring Text(HWND window) {
  wchar_t buffer[4096] = L"";
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                      5000, &length);
  return buffer;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

// Waits up to 30 s for `test` to hold, looking every 50 ms.
template <typename Test>
bool WaitFor(Test test) {
  for (int i = 0; i < 600; ++i) {
    if (test()) return true;
    Sleep(50);
  }
  return false;
}

struct Search {
  DWORD process;
  const wchar_t* kind;
  const wchar_t* title;  // null: any
  HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != search->process || !IsWindowVisible(window) || ClassOf(window) != search->kind)
    return TRUE;
  if (search->title != nullptr && Text(window) != search->title) return TRUE;
  search->found = window;
  return FALSE;
}

// A visible top-level window of the process, of that class and title.
HWND FindTop(DWORD process, const wchar_t* kind, const wchar_t* title) {
  Search search{process, kind, title, nullptr};
  EnumWindows(Match, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitTop(DWORD process, const wchar_t* kind, const wchar_t* title) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindTop(process, kind, title)) != nullptr; });
  return found;
}

HWND WaitDialog(DWORD process, const wchar_t* title) {
  HWND dialog = WaitTop(process, L"#32770", title);
  Check(dialog != nullptr, ("dialog " + Narrow(title) + " opens").c_str());
  if (dialog != nullptr) Sleep(300);  // painted
  return dialog;
}

bool WaitGone(HWND window) {
  return WaitFor([&] { return !IsWindow(window); });
}

// Writes what the screen shows of `rect` as a 24-bit BMP.
void Photograph(RECT rect, const wchar_t* name) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
  file.bfSize = file.bfOffBits + stride * static_cast<DWORD>(height);
  const std::wstring path = shots + L"\\" + name + L".bmp";
  FILE* out = _wfopen(path.c_str(), L"wb");
  bool ok = out != nullptr && fwrite(&file, sizeof(file), 1, out) == 1 &&
            fwrite(&info.bmiHeader, sizeof(info.bmiHeader), 1, out) == 1 &&
            fwrite(bits, stride * static_cast<DWORD>(height), 1, out) == 1;
  if (out != nullptr) ok = fclose(out) == 0 && ok;
  Check(ok, ("screenshot " + Narrow(name)).c_str(), path);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

void Photograph(HWND window, const wchar_t* name) {
  RECT rect;
  GetWindowRect(window, &rect);
  Photograph(rect, name);
}

std::vector<std::wstring> Items(HWND list, bool combo = false) {
  std::vector<std::wstring> items;
  const LRESULT count = SendMessageW(list, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t text[512] = L"";
    SendMessageW(list, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  return items;
}

std::wstring Joined(const std::vector<std::wstring>& items) {
  std::wstring all;
  for (const std::wstring& item : items) all += L"[" + item + L"]";
  return all;
}

int IndexOf(const std::vector<std::wstring>& items, const std::wstring& text) {
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i] == text) return static_cast<int>(i);
  return -1;
}

// Chooses `text` in list `id` of the main window as a click does: the list
// selects it and tells its parent.
bool Choose(HWND main, int id, const std::wstring& text) {
  HWND list = GetDlgItem(main, id);
  const int index = IndexOf(Items(list), text);
  if (!Check(index >= 0, ("list " + std::to_string(id) + " holds " + Narrow(text)).c_str(),
             Joined(Items(list))))
    return false;
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  DWORD_PTR result;
  SendMessageTimeoutW(main, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                      reinterpret_cast<LPARAM>(list), SMTO_ABORTIFHUNG, 10000, &result);
  return true;
}

// Commands that open a modal dialog are posted, so the driver goes on.
void Post(HWND window, int id, int code = BN_CLICKED) {
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, code),
               reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

void Close(HWND dialog, int button, const char* what) {
  Post(dialog, button);
  Check(WaitGone(dialog), what);
}

// The background the route list shows at the middle of entry `index`,
// right of its text.
COLORREF EntryColour(HWND list, int index) {
  const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
  const LRESULT height = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
  RECT client;
  GetClientRect(list, &client);
  POINT at{client.right - 30, static_cast<LONG>((index - top) * height + height / 2)};
  ClientToScreen(list, &at);
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

std::wstring Hex(COLORREF colour) {
  wchar_t text[32];
  swprintf(text, 32, L"%d,%d,%d", GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

void CheckColours(HWND main) {
  struct Expected {
    const wchar_t* entry;
    COLORREF colour;
  } expected[] = {
      {L"  (..)", RGB(255, 240, 193)},
      {L"starter.csv", RGB(225, 255, 193)},
      {L"starter.rw", RGB(255, 207, 207)},
      {L"starter.scr", RGB(221, 222, 255)},
  };
  HWND list = GetDlgItem(main, 300);
  Sleep(300);
  const std::vector<std::wstring> items = Items(list);
  for (const Expected& e : expected) {
    const int index = IndexOf(items, e.entry);
    const COLORREF shown = index < 0 ? CLR_INVALID : EntryColour(list, index);
    Check(shown == e.colour, ("entry " + Narrow(e.entry) + " has its colour").c_str(),
          L"shown " + Hex(shown));
  }
}

// The text of a message box: its static controls.
std::wstring BoxText(HWND box) {
  std::wstring text;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT))
    if (lstrcmpiW(ClassOf(child).c_str(), L"Static") == 0) text += Text(child);
  return text;
}

bool Contains(const std::wstring& text, const std::wstring& part) {
  return text.find(part) != std::wstring::npos;
}

void SetField(HWND dialog, int id, const wchar_t* text) {
  SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void SaveRouteFolder(DWORD process, HWND main, const wchar_t* folder) {
  Post(main, 102);
  HWND dialog = WaitDialog(process, L"Linewright beállítása");
  if (dialog == nullptr) return;
  SetField(dialog, 402, folder);
  Close(dialog, 405, "the folder settings close on Mentés");
}

// The program's icon, menu and dialogs are resources of its own, under
// their numbers, with the menu's texts.
void CheckResources(const std::wstring& program) {
  HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!Check(module != nullptr, "the program's resources can be read")) return;
  Check(FindResourceW(module, MAKEINTRESOURCEW(500), MAKEINTRESOURCEW(14)) != nullptr,
        "icon 500 is there");
  HICON icon = static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(500), IMAGE_ICON, 16, 16, 0));
  Check(icon != nullptr, "icon 500 has a 16 x 16 picture");
  if (icon != nullptr) DestroyIcon(icon);
  for (int dialog : {200, 400, 600, 620, 630})
    Check(FindResourceW(module, MAKEINTRESOURCEW(dialog), MAKEINTRESOURCEW(5)) != nullptr,
          ("dialog template " + std::to_string(dialog) + " is there").c_str());
  HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(100));
  if (Check(menu != nullptr, "menu 100 is there")) {
    wchar_t text[64] = L"";
    GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
    std::wstring items = text;
    HMENU popup = GetSubMenu(menu, 0);
    for (int id : {102, 105, 101}) {
      GetMenuStringW(popup, static_cast<UINT>(id), text, 64, MF_BYCOMMAND);
      items += std::wstring(L"|") + text;
    }
    Check(items == L"&Menü|&Beállítás|&A programról|&Kilépés", "the menu's texts", items);
    DestroyMenu(menu);
  }
  FreeLibrary(module);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 5) {
    std::fprintf(stderr,
                 "usage: window_driver LINEWRIGHT_EXE WORK_FOLDER KAVO_FOLDER SHOTS_FOLDER\n");
    return 2;
  }
  const std::wstring program = argv[1];
  const std::wstring work = argv[2];
  const std::wstring kavo = argv[3];
  shots = argv[4];
  const std::wstring written = kavo + L"\\railway\\route\\linewrighttemp.csv";
  DeleteFileW(written.c_str());
  CheckResources(program);

  std::wstring command = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  if (!Check(CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            work.c_str(), &startup, &started) != 0,
             "the program starts", program))
    return 1;
  const DWORD process = started.dwProcessId;

  HWND main = WaitTop(process, L"MainWindowC", nullptr);
  if (!Check(main != nullptr, "the main window MainWindowC opens")) return 1;
  Sleep(500);
  Check(Text(main) == WIDEN(LINEWRIGHT_PRODUCT), "the title is the product and its version",
        Text(main));
  Check(Text(GetDlgItem(main, 303)) == kavo + L"\\railway\\route",
        "the label shows the route folder", Text(GetDlgItem(main, 303)));
  const std::vector<std::wstring> root = Items(GetDlgItem(main, 300));
  Check(Joined(root) == L"[  (..)][  (Hill Line)][  (Scripted)][  (Starter)][  (Valley Line)]",
        "the route list holds the route folders, sorted", Joined(root));
  Check(Joined(Items(GetDlgItem(main, 301))) == L"[Blue Arrow][Red Hauler]",
        "the train list holds the trains with train.dat", Joined(Items(GetDlgItem(main, 301))));

  // Into a folder: its routes in their colours; Select waits for a train.
  Choose(main, 300, L"  (Starter)");
  Check(Joined(Items(GetDlgItem(main, 300))) == L"[  (..)][starter.csv][starter.rw][starter.scr]",
        "a folder entry opens the folder", Joined(Items(GetDlgItem(main, 300))));
  CheckColours(main);
  Choose(main, 300, L"starter.csv");
  Check(!IsWindowEnabled(GetDlgItem(main, 302)), "Select stays disabled without a train");
  Choose(main, 301, L"Blue Arrow");
  Check(IsWindowEnabled(GetDlgItem(main, 302)) != 0, "Select is enabled with a route and a train");
  Sleep(300);
  Photograph(main, L"main_window");

  // The information dialogs, opened by a double click.
  Post(main, 300, LBN_DBLCLK);
  if (HWND dialog = WaitDialog(process, L"Pálya információ")) {
    Check(Text(GetDlgItem(dialog, 602)) == L"Starter line 1", "the route's name is its timetable's",
          Text(GetDlgItem(dialog, 602)));
    Check(Contains(Text(GetDlgItem(dialog, 601)), L"A short country branch"),
          "the route's description is shown", Text(GetDlgItem(dialog, 601)));
    Photograph(dialog, L"route_info");
    Close(dialog, IDOK, "the route information closes on Bezár");
  }
  Choose(main, 301, L"Red Hauler");
  Post(main, 301, LBN_DBLCLK);
  if (HWND dialog = WaitDialog(process, L"Jármű információ")) {
    Check(Text(GetDlgItem(dialog, 623)) == L"Red Hauler", "the train's name is shown",
          Text(GetDlgItem(dialog, 623)));
    Check(!Text(GetDlgItem(dialog, 621)).empty(), "the train's train.txt is shown");
    Photograph(dialog, L"train_info");
    Close(dialog, IDOK, "the train information closes on Bezár");
  }

  // The menu's dialogs.
  Post(main, 105);
  if (HWND dialog = WaitDialog(process, L"A programról")) {
    Check(Contains(Text(GetDlgItem(dialog, 201)), WIDEN(LINEWRIGHT_PRODUCT)),
          "the About box names the version", Text(GetDlgItem(dialog, 201)));
    Photograph(dialog, L"about");
    Close(dialog, IDOK, "the About box closes on OK");
  }
  Post(main, 102);
  if (HWND dialog = WaitDialog(process, L"Linewright beállítása")) {
    Check(Text(GetDlgItem(dialog, 401)) == kavo, "the folder settings show the simulator's folder",
          Text(GetDlgItem(dialog, 401)));
    Photograph(dialog, L"folder_settings");
    Close(dialog, 406, "the folder settings close on Mégse");
    Check(!IsWindowEnabled(GetDlgItem(main, 302)), "Select is disabled after the folder settings");
  }
  // A route folder that is not there: saved, and reported in an error box.
  SaveRouteFolder(process, main, L"c:\\nowhere");
  if (HWND box = WaitDialog(process, L"Error")) {
    Check(Contains(BoxText(box), L"c:\\nowhere"), "the error names the folder", BoxText(box));
    Photograph(box, L"error");
    Close(box, IDOK, "the error box closes");
  }
  SaveRouteFolder(process, main, (kavo + L"\\railway\\route").c_str());
  Sleep(300);
  Check(Items(GetDlgItem(main, 300)).size() == root.size(),
        "the route list is filled again after saving");

  // A create run of the script route: the start options, the signal
  // system's Info box, and the script's question during the run.
  Choose(main, 300, L"  (Scripted)");
  Choose(main, 300, L"scripted.scr");
  Choose(main, 301, L"Red Hauler");
  Post(main, 302);
  if (HWND dialog = WaitDialog(process, L"Indítási beállítások")) {
    HWND systems = GetDlgItem(dialog, 642);
    const std::vector<std::wstring> names = Items(systems, true);
    Check(Joined(names) == L"[Kavo Default][Semaphore Arms]", "the signal systems are listed",
          Joined(names));
    Photograph(dialog, L"start_options");
    SendMessageW(systems, CB_SETCURSEL, static_cast<WPARAM>(IndexOf(names, L"Semaphore Arms")), 0);
    Post(dialog, 643);
    if (HWND box = WaitDialog(process, L"Semaphore Arms")) {
      Photograph(box, L"signal_system_info");
      Close(box, IDOK, "the signal system's description closes");
    }
    Post(dialog, 6);
    Check(WaitGone(dialog), "Csak létrehozás closes the start options");
  }
  if (HWND box = WaitTop(process, L"#32770", nullptr)) {
    Sleep(300);
    Check(Text(box) == L"Choice", "the script's question comes in a Choice box", Text(box));
    Check(FindWindowExW(main, nullptr, L"msctls_progress32", nullptr) != nullptr,
          "the progress bar shows while the run goes on");
    RECT both, boxRect;
    GetWindowRect(main, &both);
    GetWindowRect(box, &boxRect);
    UnionRect(&both, &both, &boxRect);
    Photograph(both, L"run_choice");
    Close(box, IDYES, "the question is answered");
  } else {
    Check(false, "the script's question comes in a Choice box");
  }
  Check(WaitFor([&] { return GetFileAttributesW(written.c_str()) != INVALID_FILE_ATTRIBUTES; }),
        "the create run writes the route", written);
  Check(WaitFor(
            [&] { return FindWindowExW(main, nullptr, L"msctls_progress32", nullptr) == nullptr; }),
        "the progress bar goes once the run ends");
  Check(IsWindow(main) && FindTop(process, L"#32770", nullptr) == nullptr,
        "the window stays open after a create run");

  // A launch starts the simulator and closes the window.
  Choose(main, 300, L"  (..)");
  Choose(main, 300, L"  (Starter)");
  Choose(main, 300, L"starter.csv");
  Choose(main, 301, L"Blue Arrow");
  Post(main, 302);
  if (HWND dialog = WaitDialog(process, L"Indítási beállítások")) Post(dialog, 1);
  const bool ended = WaitForSingleObject(started.hProcess, 60000) == WAIT_OBJECT_0;
  DWORD status = 1;
  GetExitCodeProcess(started.hProcess, &status);
  Check(ended && status == 0, "the launch closes the window and the program ends with 0",
        L"status " + std::to_wstring(status));
  if (!ended) TerminateProcess(started.hProcess, 1);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);

  std::printf("window: %d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
