// Resource ids of the module.
#pragma once

// The property browser dialog and its controls.
#define IDD_PROPERTY_BROWSER 102
#define IDI_PROPERTY_BROWSER 128
#define IDC_UNUSED_STATIC 1000
#define IDC_OBJECT_TREE 1001
#define IDC_GRID_FRAME 1002
#define IDC_PROPERTY_GRID 1003
#define IDC_APPLY 4
#ifndef IDHELP
#define IDHELP 9
#endif
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Commands of the object tree's context menu.
#define ID_COPY_STYLES 5
#define ID_APPLY_STYLES 7

// The text prompt dialog and its controls.
#define IDD_GET_TEXT_FROM_USER 103
#define IDC_GET_TEXT_PROMPT 104
#define IDC_GET_TEXT_PICTURE 105
#define IDC_GET_TEXT_EDIT 106

// The strip of worksheet images beside the column entries of colour lists.
#define IDB_COLUMN_STRIP 9000
