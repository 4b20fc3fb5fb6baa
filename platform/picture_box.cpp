#include "picture_box.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

namespace platform {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const QImage& picture) {
    m_picture = picture;
    update();
}

QRect PictureBox::pictureRect() const {
    if (m_picture.isNull())
        return {};
    const QSize fitted = m_picture.size().scaled(size(), Qt::KeepAspectRatio);
    const QPoint corner((width() - fitted.width()) / 2, (height() - fitted.height()) / 2);
    return QRect(corner, fitted);
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(pictureRect(), m_picture);
}

void PictureBox::contextMenuEvent(QContextMenuEvent* event) {
    if (m_popupMenu)
        m_popupMenu->popup(event->globalPos());
}

} // namespace platform
