// A picture control: shows its picture as large as fits with its proportions kept, centred,
// and opens its pop-up menu on a right click.
#pragma once

#include <QImage>
#include <QWidget>

class QMenu;

namespace platform {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The picture at its full size, whatever size it is shown at.
    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);
    void setPopupMenu(QMenu* menu) { m_popupMenu = menu; }
    QMenu* popupMenu() const { return m_popupMenu; }

    // Where the picture is drawn inside the control.
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QImage m_picture;
    QMenu* m_popupMenu = nullptr;
};

} // namespace platform
