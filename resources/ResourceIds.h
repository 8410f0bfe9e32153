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
