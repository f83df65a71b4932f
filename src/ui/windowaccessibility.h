#pragma once

class QWidget;

// Screen readers announce a window by its role: Qt presents a QMainWindow as a
// window (a frame, to assistive tools), but a window built on a plain QWidget
// only as a client area, which they do not announce as a window at all.
namespace accessibility {

// Has every window of this window's class presented as a frame. Called from
// the window's constructor.
void presentAsFrame(QWidget *window);

} // namespace accessibility
