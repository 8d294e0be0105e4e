#ifndef LINEWRIGHT_WINUI_RESOURCE_H
#define LINEWRIGHT_WINUI_RESOURCE_H

// Resource ids of the Win32 window, for the resource script and the code.
// The controls inside the dialogs keep the numbers the dialogs are known
// by (the start options' ids are in ui/start_options.h, the main window's
// in ui/window_layout.h).
#define IDR_MAIN_MENU 100
#define IDI_LINEWRIGHT 500
#define IDD_ABOUT 200
#define IDD_FOLDER_SETTINGS 400
#define IDD_ROUTE_INFO 600
#define IDD_TRAIN_INFO 620
#define IDD_START_OPTIONS 630

#define IDC_ABOUT_TEXT 201

#endif
