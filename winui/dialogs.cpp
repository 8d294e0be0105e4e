#include "winui/dialogs.h"

INT_PTR RunDialog(HWND owner, int id, DLGPROC handler, void* data) {
  const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), owner,
                                         handler, reinterpret_cast<LPARAM>(data));
  if (result == -1 || result == 0)
    MessageBoxW(owner, L"Dialog failed!", L"Error", MB_OK | MB_ICONINFORMATION);
  return result;
}

void SetDialogData(HWND dialog, LPARAM data) { SetWindowLongPtrW(dialog, DWLP_USER, data); }
