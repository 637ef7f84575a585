// Exits with 1 when the platform test sees the 9x family, else 0, so that
// a test can run it under a version Wine reports to this program alone.
#include "WndUtil/NelWndUtilInternal.h"

int main()
{
    return NelIsWin9xPlatform() ? 1 : 0;
}
