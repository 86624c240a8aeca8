#include "LinkGeometry.h"

namespace {

// The static control's style bits, as <windows.h> defines them.
const unsigned long kCenter = 0x0001;       // SS_CENTER
const unsigned long kRight = 0x0002;        // SS_RIGHT
const unsigned long kCenterImage = 0x0200;  // SS_CENTERIMAGE

}  // namespace

LinkRect FitRectToText(const LinkRect& rect, int textWidth, int textHeight, unsigned long style)
{
    LinkRect fitted = rect;
    if (style & kCenterImage) {
        int d = (rect.bottom - rect.top - textHeight) / 2;
        fitted.top += d;
        fitted.bottom -= d;
    } else {
        fitted.bottom = fitted.top + textHeight;
    }
    if (style & kCenter) {
        int d = (rect.right - rect.left - textWidth) / 2;
        fitted.left += d;
        fitted.right -= d;
    } else if (style & kRight) {
        fitted.left = fitted.right - textWidth;
    } else {
        fitted.right = fitted.left + textWidth;
    }
    return fitted;
}
