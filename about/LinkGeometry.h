#pragma once
// Where a link label's window goes once it is fitted to its text. Plain C++,
// so the arithmetic is tested without a window.

struct LinkRect {
    int left, top, right, bottom;
};

// The rectangle that holds a text of the given extent, aligned the way the
// static control's style bits ask (SS_CENTERIMAGE vertically; SS_CENTER,
// SS_RIGHT or left horizontally). Halves truncate toward zero.
LinkRect FitRectToText(const LinkRect& rect, int textWidth, int textHeight, unsigned long style);
