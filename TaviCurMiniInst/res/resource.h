// Resource and control IDs of the installer program, shared by the C++
// sources and TaviCurMiniInst.rc. Plain #defines only, so that both the
// compiler and the resource compiler can read this file.
#ifndef TAVICURMINIINST_RESOURCE_H
#define TAVICURMINIINST_RESOURCE_H

// ---------------------------------------------------------------------------
// Icons, bitmaps
// ---------------------------------------------------------------------------
#define IDI_APP                     130  // program icon: 16, 20, 24, 32 px, 256 colours
#define IDB_DEFAULT_PRODUCT         131  // default product image, teal RGB(0,128,128) = transparent

// ---------------------------------------------------------------------------
// Main dialog (template 129)
// ---------------------------------------------------------------------------
#define IDD_MAIN                    129
// Buttons 1 and 2 are the system's IDOK and IDCANCEL.
#define IDC_PRODUCT_IMAGE           1000 // owner-drawn static: product image
#define IDC_INSTALL_FOLDER          1001 // edit: install folder
#define IDC_BROWSE                  1002 // push button: folder browser
#define IDC_DEFAULT_FOLDER          1003 // push button: back to the default folder
#define IDC_DESIGN_NAME1            1004 // edit: registration name of design 1
#define IDC_DESIGN_NAME2            1005 // edit: registration name of design 2
#define IDC_INSTALL_FOLDER_LABEL    1006 // static: label of the folder edit
#define IDC_MESSAGE                 1007 // static: message at the top
#define IDC_DESIGN_GROUP            1008 // group box around the design names
#define IDC_DESIGN_NAME1_LABEL      1009 // static: label of design 1's name
#define IDC_DESIGN_NAME2_LABEL      1010 // static: label of design 2's name
#define IDC_DESIGN_IMAGE            1011 // owner-drawn static: design image
#define IDC_ALL_USERS               1017 // check box: register for all users
#define IDC_FOLDER_ICON             1018 // owner-drawn static: folder icon
#define IDC_SEPARATOR               1019 // etched line under the message

// System-menu command of the main dialog that opens the about dialog.
// System commands below 0xF000 are free for the program; the low four bits
// must stay zero because the system uses them internally.
#define ID_SYS_ABOUT                16

// ---------------------------------------------------------------------------
// About dialog (template 103)
// ---------------------------------------------------------------------------
#define IDD_ABOUT                   103
// Button 1 is the system's IDOK.
#define IDC_ABOUT_PROGRAM           1012 // static: program name and version
#define IDC_ABOUT_SET_IMAGE         1013 // owner-drawn static: cursor-set image
#define IDC_ABOUT_PRODUCT           1014 // static: product name and version
#define IDC_ABOUT_PRODUCT_COPYRIGHT 1015 // static: product copyright
#define IDC_ABOUT_HOMEPAGE          1016 // read-only edit: home page
#define IDC_ABOUT_APP_ICON          3001 // owner-drawn static: program icon
#define IDC_ABOUT_COPYRIGHT         3002 // static: program copyright
#define IDC_ABOUT_SEPARATOR         3003 // etched line
#define IDC_ABOUT_HEADING           3004 // static: heading of the cursor-set half

// ---------------------------------------------------------------------------
// String table (language 0x411)
// ---------------------------------------------------------------------------
// Main and about dialogs
#define IDS_ABOUT_MENU              104   // system-menu item of the about dialog
#define IDS_ABOUT_VERSION           105   // program line with "%ver%"
#define IDS_DLG_CLASS               109   // window class of the main dialog
#define IDS_PRODUCT_VERSION         115   // product line of the about dialog
#define IDS_BROWSE_TITLE            1050  // title of the folder browser
#define IDS_DEF_INSTALL_FOLDER      2001  // default install folder (macros)

// Captions
#define IDS_ERR_CAPTION             1003
#define IDS_FATAL_CAPTION           1004
#define IDS_END_CAPTION             1005  // completion prompt

// Start-up failures
#define IDS_NO_INFO_FILE            1097
#define IDS_INFO_FILE_VANISHED      1098
#define IDS_ALREADY_RUNNING         1099
#define IDS_CANNOT_START            1100
#define IDS_NO_MODULE_PATH          1101

// Install-info file checks
#define IDS_INFO_VERSION_TOO_NEW    1018  // with "%ver%"
#define IDS_NO_PRODUCT_NAME         1019
#define IDS_NO_DESIGN1_NAME         1020
#define IDS_NO_CUR_NAME             1021

// Installation
#define IDS_NO_FOLDER               1022
#define IDS_CANNOT_CREATE_FOLDER    1023
#define IDS_NO_DESIGN_NAME          1024
#define IDS_SAME_DESIGN_NAMES       1025
#define IDS_COPY_FAILED             1026
#define IDS_REGISTRY_FAILED         1027
#define IDS_FILE_NOT_FOUND          1028  // with "|no|", "|fn|", "|fp|"
#define IDS_INVALID_FILE_NAME       1029  // with "|no|", "|fn|"
#define IDS_NO_INSTALL_FILES        1030
// Where the folder needs administrator permission ([Elevation] texts).
#define IDS_ELEVATE_CAPTION         1031
#define IDS_ELEVATE_QUESTION        1032  // with "|fp|"
#define IDS_ELEVATE_DECLINED        1033
#define IDS_ELEVATE_FAILED          1034
#define IDS_ACCESS_DENIED           1035  // no way to ask for permission
#define IDS_END_MESSAGE             1049  // completion prompt question
// Removal of an installed set ([Uninstall] texts).
#define IDS_UNINSTALL_CAPTION       1040  // caption of the uninstaller's boxes
#define IDS_UNINSTALL_QUESTION      1041  // confirmation
#define IDS_UNINSTALL_DONE          1042
#define IDS_UNINSTALL_LEFT          1043  // done, the user's things kept; with "|list|"
#define IDS_UNINSTALL_INCOMPLETE    1044  // with "|list|"; the record stays
#define IDS_UNINSTALL_ELEVATE       1045  // with "|fp|"
#define IDS_UNINSTALL_NO_RECORD     1046
#define IDS_UNINSTALL_RECORD_FAILED 1047  // at installation

// Help popup texts of the main dialog's controls
#define IDS_HELP_OK                 20101
#define IDS_HELP_CANCEL             20102
#define IDS_HELP_INST_PATH          20103
#define IDS_HELP_INST_PATH_BROWSE   20104
#define IDS_HELP_INST_PATH_DEF      20105
#define IDS_HELP_DN1                20106
#define IDS_HELP_DN2                20107
#define IDS_HELP_LOCATION           20108

#endif // TAVICURMINIINST_RESOURCE_H
