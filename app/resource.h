// Identifiers of Kalmora's resources and of the controls of its two dialogs.
#pragma once

#define IDD_MAIN 101
#define IDI_MAIN 102
#define IDR_MAIN_MENU 103
#define IDD_TEXT_COLOR 105

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Main dialog.
#define IDC_APPLY 1002
#define IDC_FOLDER 1003
#define IDC_BROWSE_FOLDER 1004
#define IDC_BROWSE_IMAGE 1005
#define IDC_IMAGE 1006
#define IDC_IMAGE_LABEL 1007
#define IDC_PREVIEW 1008
#define IDC_NO_IMAGE 1009
#define IDC_BACK_SWATCH 1012
#define IDC_TEXT_SWATCH 1013
#define IDC_CHANGE_COLORS 1014
#define IDC_BACK_COLOR_LABEL 1018
#define IDC_TEXT_COLOR_LABEL 1019
#define IDC_DEFAULT_COLORS 1020
#define IDC_BACK_DEFAULT 1023
#define IDC_TEXT_DEFAULT 1024
#define IDC_CANCEL_BUTTON 40007
#define IDM_ABOUT 40014
#define IDM_REFRESH 40017
#define IDM_REVERT 40019

// Text colour dialog: the same numbers as some main-dialog controls, with other meanings.
#define IDC_TEXT_PICK 1009
#define IDC_BACK_PICK 1010
#define IDC_TEXT_RED 1016
#define IDC_TEXT_RED_VALUE 1017
#define IDC_TEXT_GREEN 1018
#define IDC_TEXT_GREEN_VALUE 1019
#define IDC_TEXT_BLUE 1020
#define IDC_TEXT_BLUE_VALUE 1021
#define IDC_BACK_RED 1022
#define IDC_BACK_RED_VALUE 1023
#define IDC_BACK_GREEN 1024
#define IDC_BACK_GREEN_VALUE 1025
#define IDC_BACK_BLUE 1026
#define IDC_BACK_BLUE_VALUE 1027

// Folder menu: the look window.
#define IDM_LOOK 40020
// Folder menu: the Files file manager's keys written too.
#define IDM_FILES_APP 40021

// Look window.
#define IDC_LOOK_VIEW 1101
#define IDC_LOOK_STATUS 1102
#define IDC_LOOK_REPORT 1103
#define IDC_LOOK_TABS 1104
