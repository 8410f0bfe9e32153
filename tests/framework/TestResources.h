// Identifiers of the test program's dialog templates and strings.
#pragma once

#define IDD_PLAIN_DIALOG 201
#define IDD_PAGE_ONE 202
#define IDD_PAGE_TWO 203
#define IDC_TEXT 1001
#define IDC_CLOSE_SHEET 1002
#define IDS_PAGE_ONE 301
#define IDS_PAGE_TWO 302
