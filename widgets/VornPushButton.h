#pragma once

#include "widgets/QtCompat.h"
#include "widgets/Skin.h"

#include <QPixmap>
#include <QPushButton>
#include <QStringList>
#include <QVector>

// A push button painted from state images: 0 normal, 1 hover, 2 pressed.
// The hover state is taken only when there are at least two images. An
// inert button ignores the mouse; a selected one keeps its pressed look
// (the "checked" look of tabs and views).
class VornPushButton : public QPushButton
{
    Q_OBJECT

public:
    enum State { Normal = 0, Hover = 1, Pressed = 2 };

    explicit VornPushButton(const QStringList &images = {}, QWidget *parent = nullptr,
                            const QIcon &icon = QIcon());

    // Image paths are relative to the application directory, e.g.
    // "/skin/btn_1.png".
    void setImages(const QStringList &images);
    int state() const { return m_state; }

    void setInert(bool inert);
    bool isInert() const { return m_inert; }
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }

    // The owner's number for this button, passed along with EnterSignal.
    void setIndex(int index) { m_index = index; }
    int index() const { return m_index; }

    // Text colours by state, and when disabled.
    static QColor textColor(int state, bool enabled);

signals:
    void EnterSignal(VornPushButton *button, int curIndex);

protected:
    void enterEvent(WidgetEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setState(int state);
    void menuClosed();

    QVector<Skin::LazyPixmap> m_images;
    int m_state = Normal;
    bool m_inert = false;
    bool m_selected = false;
    int m_index = 0;
};
