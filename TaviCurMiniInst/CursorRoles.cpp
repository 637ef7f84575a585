#include "CursorRoles.h"

const CursorRole kCursorRoles[kCursorRoleCount] = {
    {L"DN|no|_Arrow", L"Arrow"},    {L"DN|no|_Help", L"Help"},
    {L"DN|no|_Wait", L"AppStarting"}, {L"DN|no|_Busy", L"Wait"},
    {L"DN|no|_Cross", L"Crosshair"}, {L"DN|no|_Beam", L"IBeam"},
    {L"DN|no|_Pen", L"NWPen"},      {L"DN|no|_No", L"No"},
    {L"DN|no|_Size4", L"SizeNS"},   {L"DN|no|_Size3", L"SizeWE"},
    {L"DN|no|_Size2", L"SizeNWSE"}, {L"DN|no|_Size1", L"SizeNESW"},
    {L"DN|no|_Move", L"SizeAll"},   {L"DN|no|_Up", L"UpArrow"},
    {L"DN|no|_Hand", L"Hand"},
    {L"DN|no|_Pin", L"Pin"},        {L"DN|no|_Person", L"Person"},
};
