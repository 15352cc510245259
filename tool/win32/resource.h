/* The numbers of the tool's Windows resources and commands. The resource
 * compiler reads this file as well, so it holds only macros. The commands
 * that every single-document program has keep their customary numbers, and
 * a command's status-bar prompt is the string of the same number. */
#pragma once

#include "tool/core/string_ids.h"

/* Menu, accelerators, icon and toolbar bitmap of the main window. */
#define IDR_MAINFRAME 128
#define IDD_ABOUTBOX 100

#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_SAVE 0xE103
#define ID_FILE_PRINT 0xE107
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_UNDO 0xE12B
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151
#define ID_VIEW_TOOLBAR 0xE800
#define ID_VIEW_STATUS_BAR 0xE801

#define ID_GO_PRODUCT_INFO 32771
#define ID_GO_SUPPORT 32772
#define ID_GO_WEBBOARD 32773
#define ID_GO_HOME_PAGE 32774
#define ID_GO_BACK 32775
#define ID_GO_FORWARD 32776

/* The status bar: the idle message and the lock indicators. */
#define IDS_READY 0xE001
#define IDS_INDICATOR_CAPS 0xE701
#define IDS_INDICATOR_NUM 0xE702
#define IDS_INDICATOR_SCRL 0xE703

#define IDS_OLE_FAILED 202

/* The child windows of the frame. */
#define IDC_VIEW 0xE900
#define IDC_TOOLBAR 0xE901
#define IDC_STATUS_BAR 0xE902
