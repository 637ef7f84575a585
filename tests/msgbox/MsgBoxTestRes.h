// String resources of the message-box tests.
#pragma once
#define IDS_MB_LONG_TEXT    101
#define IDS_MB_CAPTION      102
#define IDS_MB_HELP1        103
#define IDS_MB_HELP2        104
#define IDS_MB_HELP3        105
#define IDS_MB_HELP4        106
#define IDS_MB_LONG_LENGTH  300
