// Identifiers of the framework tests' resources: dialog templates, an accelerator table, a menu.
#pragma once

#define IDD_PLAIN 201
#define IDD_CHILD 202
#define IDR_KEYS 203
#define IDR_MENU 204
#define IDC_FIRST 1001
#define IDC_SECOND 1002
#define IDM_OPEN 40001
#define IDM_DELETE 40002
#define IDM_ABOUT 40003
