#include "ui/MainPositionButton.h"

#include <QPainter>
#include <qdrawutil.h>

namespace zovi {

namespace {

// The face pictures have rounded corners; these margins keep them undistorted when the face is stretched.
constexpr QMargins kFaceCorners(8, 8, 8, 8);

} // namespace

PositionButton::PositionButton(const QPixmap& litFace, const QPixmap& greyFace, QWidget* parent)
    : QAbstractButton(parent)
    , litFace_(litFace)
    , greyFace_(greyFace) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void PositionButton::setPicture(int picture) {
    if (picture != kLitPicture && picture != kGreyPicture)
        return;
    picture_ = picture;
    update();
}

QSize PositionButton::sizeHint() const {
    return {96, 40};
}

void PositionButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap& face = picture_ == kLitPicture ? litFace_ : greyFace_;
    QRect area = rect();
    if (isDown())
        area.translate(1, 1);
    if (!face.isNull()) {
        qDrawBorderPixmap(&painter, area, kFaceCorners, face);
    } else {
        painter.setPen(palette().color(QPalette::Mid));
        painter.setBrush(picture_ == kLitPicture ? QColor(0x9c, 0xe0, 0x8c)
                                                 : palette().color(QPalette::Button));
        painter.drawRoundedRect(area.adjusted(0, 0, -1, -1), 6, 6);
    }
    // The lit face keeps its caption readable also while the buttons are disabled: during a move the
    // target blinks on it, and it shows the position reached in Edit Mode.
    const bool readable = isEnabled() || picture_ == kLitPicture;
    painter.setPen(palette().color(readable ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area.adjusted(4, 2, -4, -2), Qt::AlignCenter | Qt::TextWordWrap, text());
}

} // namespace zovi
