// Dialog 630, "Indítási beállítások": a view of StartOptionsForm.

#include <ctime>
#include <vector>

#include "ui/run.h"
#include "ui/start_options.h"
#include "winui/dialogs.h"
#include "winui/resource.h"
#include "winui/wide_text.h"

namespace {

// The dialog's check boxes and radio buttons: every automatic button of
// the template, so the template alone says which there are.
std::vector<HWND> Toggles(HWND dialog) {
  std::vector<HWND> toggles;
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t kind[16];
    if (GetClassNameW(child, kind, 16) == 0 || lstrcmpiW(kind, L"Button") != 0) continue;
    const LONG type = GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
    if (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON) toggles.push_back(child);
  }
  return toggles;
}

void ShowForm(HWND dialog, const StartOptionsForm& form) {
  for (HWND toggle : Toggles(dialog)) {
    const bool checked = form.checked.count(GetDlgCtrlID(toggle)) > 0;
    SendMessageW(toggle, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  SetDlgItemTextW(dialog, kIdChance, WideFromUtf8(form.chance).c_str());
  SetDlgItemTextW(dialog, kIdStartTime, WideFromUtf8(form.start_time).c_str());
  // The list sorts itself; each entry keeps its place in the form.
  HWND list = GetDlgItem(dialog, kIdSignalSystem);
  for (size_t i = 0; i < form.signal_systems.size(); ++i) {
    const LRESULT at =
        SendMessageW(list, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(FromFileText(form.signal_systems[i]).c_str()));
    if (at < 0) continue;
    SendMessageW(list, CB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(i));
    if (static_cast<int>(i) == form.signal_system)
      SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(at), 0);
  }
}

// The form as the user left it; the list of signal systems is the one it
// was opened with.
StartOptionsForm ReadForm(HWND dialog, const StartOptionsForm& opened) {
  StartOptionsForm form;
  for (HWND toggle : Toggles(dialog))
    if (SendMessageW(toggle, BM_GETCHECK, 0, 0) == BST_CHECKED)
      form.checked.insert(GetDlgCtrlID(toggle));
  form.chance = Utf8FromWide(WindowText(GetDlgItem(dialog, kIdChance)));
  form.start_time = Utf8FromWide(WindowText(GetDlgItem(dialog, kIdStartTime)));
  form.signal_systems = opened.signal_systems;
  HWND list = GetDlgItem(dialog, kIdSignalSystem);
  const LRESULT selected = SendMessageW(list, CB_GETCURSEL, 0, 0);
  if (selected != CB_ERR)
    form.signal_system =
        static_cast<int>(SendMessageW(list, CB_GETITEMDATA, static_cast<WPARAM>(selected), 0));
  return form;
}

struct OptionsDialog {
  StartOptionsForm opened;
  StartOptionsForm accepted;
};

INT_PTR CALLBACK OptionsDialogHandler(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetDialogData(dialog, lParam);
      auto* data = reinterpret_cast<OptionsDialog*>(lParam);
      data->opened = OpenStartOptions();
      ShowForm(dialog, data->opened);
      return TRUE;
    }
    case WM_COMMAND: {
      auto* data = DialogData<OptionsDialog>(dialog);
      const int id = LOWORD(wParam);
      if (id == kRunLaunch || id == kRunCreate || id == kRunChart) {
        data->accepted = ReadForm(dialog, data->opened);
        EndDialog(dialog, id);
        return TRUE;
      }
      if (id == kRunCancel) {
        EndDialog(dialog, kRunCancel);
        return TRUE;
      }
      if (id == kIdSignalSystemInfo) {
        std::string caption, text;
        if (SignalSystemInfoBox(ReadForm(dialog, data->opened), &caption, &text))
          MessageBoxW(dialog, FromFileText(text).c_str(), FromFileText(caption).c_str(),
                      MB_OK | MB_ICONINFORMATION);
        return TRUE;
      }
      return FALSE;
    }
    default:
      return FALSE;
  }
}

}  // namespace

int ShowStartOptions(HWND owner) {
  OptionsDialog data;
  const INT_PTR result = RunDialog(owner, IDD_START_OPTIONS, OptionsDialogHandler, &data);
  return FinishStartOptions(static_cast<int>(result), data.accepted, std::time(nullptr));
}
