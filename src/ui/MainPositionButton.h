#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace zovi {

// One of the main window's move buttons imgButton(0..3): a button face picture with the button's
// caption drawn over it. Picture 2 is the lit face (position reached, or blinking while moving),
// picture 3 the grey face.
class PositionButton : public QAbstractButton {
    Q_OBJECT
public:
    static constexpr int kLitPicture = 2;
    static constexpr int kGreyPicture = 3;

    PositionButton(const QPixmap& litFace, const QPixmap& greyFace, QWidget* parent = nullptr);

    // Any other picture number leaves the face as it is.
    void setPicture(int picture);
    int picture() const { return picture_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap litFace_;
    QPixmap greyFace_;
    int picture_ = kGreyPicture;
};

} // namespace zovi
