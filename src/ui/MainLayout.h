#pragma once

#include "ui/Twips.h"

#include <QObject>
#include <QString>

class QWidget;

namespace zovi::mainlayout {

// The main window's fixed size and the heights of its bars, in twips.
constexpr int kWindowWidth = 11625;
constexpr int kWindowHeight = 7575;
constexpr int kToolBarHeight = 510;
constexpr int kStatusBarHeight = 330;

// Position grid: each row a quarter of the grid's height.
constexpr int kDataGridWidth = 5100;
constexpr int kDataGridHeight = 1800;
constexpr int kNarrowColumn = 700;
constexpr int kWideColumn = 1100;
constexpr int kCommentRestNoPulse = 3250;
constexpr int kCommentRestWithPulse = 4350;

// Program grid: a fixed step-number column and the 750-twip position column.
constexpr int kProgramStepColumn = 540;
constexpr int kProgramPositionColumn = 750;
constexpr int kProgramRowHeight = 360;

// Places `widget` at a rectangle given in twips.
void place(QWidget* widget, int left, int top, int width, int height);

// Names an object as the program refers to it.
template <typename T> T* named(T* object, const char* name) {
    object->setObjectName(QLatin1String(name));
    return object;
}

} // namespace zovi::mainlayout
