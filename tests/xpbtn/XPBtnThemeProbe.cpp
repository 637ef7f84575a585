// Exits with 1 when the button considers the system themed, else 0, so a
// test can run it under a version Wine reports to this program alone.
#include "XPBtn/NelXPBtn.h"

int main() { return CNelXPBtn::IsThemeOS() ? 1 : 0; }
