#pragma once
// The named colours of the display and the side panels.

#include <QRgb>

namespace quorlak {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kOrange = 0xffff8000;  // the display's fore colour until the server sets one
constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kGreen = 0xff00ff00;
constexpr QRgb kYellow = 0xffffff00;
constexpr QRgb kCyan = 0xff00ffff;
constexpr QRgb kMagenta = 0xffff00ff;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kGrey = 0xff7f7f7f;
constexpr QRgb kCoral = 0xffff7f50;

}  // namespace quorlak
