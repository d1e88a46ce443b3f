#include "app/MouseView.h"

#include "store/ModelTable.h"
#include "widgets/DesignLayout.h"
#include "widgets/MouseLayout.h"
#include "widgets/Skin.h"
#include "widgets/UiScale.h"
#include "widgets/VornPushButton.h"

#include <QCoreApplication>
#include <QLabel>

MouseView::MouseView(QWidget *window) : QObject(window)
{
    m_frontButton = new VornPushButton(Skin::buttonImages("view"), window);
    m_frontButton->setObjectName(QStringLiteral("frontButton"));
    m_sideButton = new VornPushButton(Skin::buttonImages("view"), window);
    m_sideButton->setObjectName(QStringLiteral("sideButton"));

    m_frontPicture = new QLabel(window);
    m_frontPicture->setObjectName(QStringLiteral("frontPicture"));
    m_frontPicture->setAlignment(Qt::AlignCenter);
    m_sidePicture = new QLabel(window);
    m_sidePicture->setObjectName(QStringLiteral("sidePicture"));
    m_sidePicture->setAlignment(Qt::AlignCenter);
    m_sidePicture->hide();
    m_thirdPicture = new QLabel(window);
    m_thirdPicture->setAlignment(Qt::AlignCenter);
    m_thirdPicture->hide();

    const QStringList markerImages = {QStringLiteral("/skin/btn_2.png"),
                                      QStringLiteral("/skin/btn_1.png"),
                                      QStringLiteral("/skin/btn_1.png")};
    for (int i = 0; i < kMarkersPerGroup; ++i) {
        for (int group = 0; group < 2; ++group) {
            auto *m = new VornPushButton(markerImages, window);
            m->setText(QString::number(i + 1));
            m->setIndex(i);
            m->setObjectName(QStringLiteral("marker%1_%2").arg(group).arg(i));
            (group == 0 ? m_frontMarkers : m_sideMarkers)[size_t(i)] = m;
        }
    }
    for (int i = 0; i < kScrollMarkers; ++i) {
        m_scrollMarkers[size_t(i)] = new VornPushButton({}, window);
        m_scrollMarkers[size_t(i)]->setIndex(i);
        m_scrollMarkers[size_t(i)]->setObjectName(QStringLiteral("marker2_%1").arg(i));
    }
    selectButtonMarker(0, 0);
}

void MouseView::place(QWidget *widget, const QRect &design) const
{
    widget->setGeometry(UiScale::scaled(design, m_scale));
}

void MouseView::layout(double scale, const QString &product)
{
    m_scale = scale;
    place(m_frontButton, DesignLayout::kFrontButton);
    place(m_sideButton, DesignLayout::kSideButton);
    place(m_frontPicture, DesignLayout::kPicture);
    place(m_sidePicture, DesignLayout::kPicture);
    place(m_thirdPicture, DesignLayout::kThirdPicture);

    const int side = int(300 * scale);
    // Another model's picture would be wrong, so a missing one leaves the
    // view empty.
    const auto picture = [side](const QString &name) {
        const QPixmap pixmap = Skin::pixmap(QStringLiteral("/skin/mouse/") + name);
        return pixmap.isNull()
                   ? QPixmap()
                   : pixmap.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    };
    m_frontPicture->setPixmap(picture(product + QStringLiteral(".png")));
    m_sidePicture->setPixmap(picture(product + QStringLiteral("_Side.png")));

    const MouseLayout layout = mouseLayout(product);
    for (int i = 0; i < 42; ++i) {
        m_markerPresent[size_t(i)] = layout.markers[size_t(i)].present;
        place(marker(i / kMarkersPerGroup, i % kMarkersPerGroup), layout.markers[size_t(i)].rect);
    }
    applyMarkerSkin(product);
}

void MouseView::applyMarkerSkin(const QString &product)
{
    const bool wheel = usesWheelScrollMarkers(product);
    const QString up = wheel ? QStringLiteral("4") : QStringLiteral("2");
    const QString upLit = wheel ? QStringLiteral("3") : QStringLiteral("1");
    m_scrollMarkers[0]->setImages({QStringLiteral("/skin/btn_up%1.png").arg(up),
                                   QStringLiteral("/skin/btn_up%1.png").arg(upLit),
                                   QStringLiteral("/skin/btn_up%1.png").arg(upLit)});
    m_scrollMarkers[1]->setImages({QStringLiteral("/skin/btn_down%1.png").arg(up),
                                   QStringLiteral("/skin/btn_down%1.png").arg(upLit),
                                   QStringLiteral("/skin/btn_down%1.png").arg(upLit)});
}

VornPushButton *MouseView::marker(int group, int i) const
{
    switch (group) {
    case 0:
        return m_frontMarkers[size_t(i)];
    case 1:
        return m_sideMarkers[size_t(i)];
    default:
        return m_scrollMarkers[size_t(i)];
    }
}

void MouseView::showForTab(int tab)
{
    const bool customize = tab == 1;
    m_frontButton->setVisible(customize);
    m_sideButton->setVisible(customize);
    if (customize) {
        setFrontView(m_frontView);
        return;
    }
    m_frontPicture->setVisible(tab == 0);
    m_sidePicture->hide();
    for (int i = 0; i < 42; ++i)
        marker(i / kMarkersPerGroup, i % kMarkersPerGroup)->hide();
}

void MouseView::setFrontView(bool front)
{
    m_frontPicture->setVisible(front);
    m_sidePicture->setVisible(!front);
    m_frontButton->setSelected(front);
    m_sideButton->setSelected(!front);
    for (int i = 0; i < kMarkersPerGroup; ++i) {
        m_frontMarkers[size_t(i)]->setVisible(front && m_markerPresent[size_t(i)]);
        m_sideMarkers[size_t(i)]->setVisible(!front && m_markerPresent[size_t(20 + i)]);
    }
    for (int i = 0; i < kScrollMarkers; ++i)
        m_scrollMarkers[size_t(i)]->setVisible(front && m_markerPresent[size_t(40 + i)]);
    emit viewChanged(front, m_selectedMarker[size_t(m_currentGroup)], m_currentGroup);
}

void MouseView::selectButtonMarker(int iBtn, int iType)
{
    if (iType < 0 || iType > 2)
        return;
    const int count = iType == 2 ? kScrollMarkers : kMarkersPerGroup;
    if (iBtn < 0 || iBtn >= count)
        return;
    m_currentGroup = iType;
    m_selectedMarker[size_t(iType)] = iBtn;
    for (int i = 0; i < 42; ++i)
        marker(i / kMarkersPerGroup, i % kMarkersPerGroup)->setSelected(false);
    marker(iType, iBtn)->setSelected(true);
}

void MouseView::clearState()
{
    m_selectedMarker = {0, 0, 0};
    m_currentGroup = 0;
    m_savedGroup = 0;
    m_frontView = true;
}

void MouseView::showFront()
{
    m_frontView = true;
    m_currentGroup = m_savedGroup;
    setFrontView(true);
}

void MouseView::showSide()
{
    m_frontView = false;
    m_savedGroup = m_currentGroup;
    m_currentGroup = 1;
    setFrontView(false);
}

void MouseView::retranslate()
{
    m_frontButton->setText(QCoreApplication::translate("MousecfgWidget", "Front"));
    m_sideButton->setText(QCoreApplication::translate("MousecfgWidget", "Side"));
}
