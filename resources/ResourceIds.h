// Identifiers of the options pages' dialog templates and their controls,
// shared by the resource script and the page classes.
#pragma once

#define IDD_CHECK_TYPE_PAGE 102
#define IDD_SSTP_PAGE 103

// "チェックの種類" page
#define IDC_CHECK_ITEM 1024
#define IDC_CHECK_HIERARCHY 1025
#define IDC_CHECK_ALL_ITEMS 1026
#define IDC_CHECK_ERROR_ITEMS 1027
#define IDC_AUTO_CHECK_ONLY 1028
#define IDC_RIGHTS_NOTICE 1006
#define IDC_PRODUCT_TITLE 1007

// "SSTP設定" page
#define IDC_SERVER 1000
#define IDC_HEADER 1002
#define IDC_FOOTER 1003
#define IDC_NO_UPDATE 1004
#define IDC_PORT 1005
#define IDC_IF_GHOST 1008
#define IDC_TEST_NOTICE 1009

// Texts of the test notice's message box: for each outcome a line that says
// what happened and, at the next identifier, what to do about it. In them %1
// stands for the server, %2 the port, %3 the mascot's answer, %4 an error code.
#define IDS_TEST_NOTICE_CAPTION 200
#define IDS_NO_MASCOT 202
#define IDS_NO_SOCKETS 204
#define IDS_UNRESOLVED 206
#define IDS_REFUSED 208
#define IDS_CONNECT_FAILED 210
#define IDS_CONNECT_TIMEOUT 212
#define IDS_SEND_FAILED 214
#define IDS_NO_ANSWER 216
#define IDS_TAKEN 218
#define IDS_BUSY 220
#define IDS_HIDDEN 222
#define IDS_REFUSED_BY_CHARACTER 224
#define IDS_BAD_REQUEST 226
#define IDS_UNAVAILABLE 228
#define IDS_NOT_RUNNING 230
#define IDS_OTHER_ANSWER 232
