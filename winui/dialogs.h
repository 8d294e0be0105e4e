#ifndef LINEWRIGHT_WINUI_DIALOGS_H
#define LINEWRIGHT_WINUI_DIALOGS_H

#include <windows.h>

// The modal dialogs of the Win32 window, each from its resource template,
// shown over `owner`. A dialog that cannot be shown is reported with the
// box "Dialog failed!".

// Dialog 630, "Indítási beállítások": on one of its three action buttons
// the options are stored and saved; returns the run kind (2 for cancel).
int ShowStartOptions(HWND owner);
// Dialog 600, "Pálya információ", for the route chosen in `global`.
void ShowRouteInfo(HWND owner);
// Dialog 620, "Jármű információ", for the train chosen in `global`.
void ShowTrainInfo(HWND owner);
// Dialog 400, "Linewright beállítása": saves the folders on "&Mentés".
void ShowFolderSettings(HWND owner);
// Dialog 200, "A programról".
void ShowAbout(HWND owner);

// Shows dialog template `id` with `handler`; reports a failure to show it.
INT_PTR RunDialog(HWND owner, int id, DLGPROC handler, void* data);

// The data a dialog procedure was given when its dialog opened.
template <typename T>
T* DialogData(HWND dialog) {
  return reinterpret_cast<T*>(GetWindowLongPtrW(dialog, DWLP_USER));
}
void SetDialogData(HWND dialog, LPARAM data);

#endif
