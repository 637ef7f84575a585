// The whole body of one message-box class, for NelMsgBoxW.cpp and
// NelMsgBoxA.cpp. No include guard: read once per class.
#include "NelMsgBoxData.inl"
#include "NelMsgBoxLayout.inl"
#include "NelMsgBoxRun.inl"
#include "NelMsgBoxDraw.inl"
