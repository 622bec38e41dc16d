#pragma once

#include <QString>

namespace zovi {

// What the moves show on the main window besides its lamps (MainView): the faces of the move buttons
// imgButton(0..3) and the number of the position reached.
class MoveView {
public:
    static constexpr int kLitPicture = 2;  // position reached, or the moving button's bright phase
    static constexpr int kGreyPicture = 3; // every other button

    virtual ~MoveView() = default;
    virtual void setButtonPicture(int index, int picture) = 0;
    virtual void setCompletedPosition(const QString& text) = 0; // lblkanryoNo
};

} // namespace zovi
