// Dialogs 400, "Linewright beállítása", and 200, "A programról".

#include "ui/about.h"
#include "ui/folder_settings.h"
#include "winui/dialogs.h"
#include "winui/resource.h"
#include "winui/wide_text.h"

namespace {

// The edits 401 to 404 and the form's fields they show.
struct FolderField {
  int id;
  std::string FolderForm::*field;
};
const FolderField kFolderFields[] = {
    {401, &FolderForm::simfolder},
    {402, &FolderForm::routefolder},
    {403, &FolderForm::trainfolder},
    {404, &FolderForm::simexe},
};

// Reads the four fields into `form`. A text that no file function could
// open is reported, and the dialog stays open for it to be changed.
bool ReadFolderForm(HWND dialog, FolderForm* form) {
  for (const FolderField& f : kFolderFields) {
    const std::wstring text = WindowText(GetDlgItem(dialog, f.id));
    if (!ToPath(text, &(form->*f.field))) {
      const std::wstring message =
          L"This folder or file name holds letters that Windows cannot hand to "
          L"Linewright here; choose one without them:\n\n" +
          text;
      MessageBoxW(dialog, message.c_str(), L"Error", MB_OK | MB_ICONERROR);
      SetFocus(GetDlgItem(dialog, f.id));
      return false;
    }
  }
  return true;
}

INT_PTR CALLBACK ConfigDialogHandler(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetDialogData(dialog, lParam);
    const FolderForm form = OpenFolderSettings();
    for (const FolderField& f : kFolderFields)
      SetDlgItemTextW(dialog, f.id, FromPath(form.*f.field).c_str());
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  const int id = LOWORD(wParam);
  if (id == kFolderSettingsSaved) {
    if (ReadFolderForm(dialog, DialogData<FolderForm>(dialog)))
      EndDialog(dialog, kFolderSettingsSaved);
    return TRUE;
  }
  if (id == kFolderSettingsCancelled || id == IDCANCEL) {
    EndDialog(dialog, kFolderSettingsCancelled);
    return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK AboutDialogHandler(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    SetDlgItemTextW(dialog, IDC_ABOUT_TEXT, WideFromUtf8(AboutText()).c_str());
    return TRUE;
  }
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

}  // namespace

void ShowFolderSettings(HWND owner) {
  FolderForm form;
  const INT_PTR result = RunDialog(owner, IDD_FOLDER_SETTINGS, ConfigDialogHandler, &form);
  FinishFolderSettings(static_cast<int>(result), form);
}

void ShowAbout(HWND owner) { RunDialog(owner, IDD_ABOUT, AboutDialogHandler, nullptr); }
