#pragma once

#include <QObject>
#include <QRect>

#include <array>

class QLabel;
class QWidget;
class VornPushButton;

// The picture of the mouse with its button markers, and the "Front" and
// "Side" views. The widgets are children of the window, placed in its
// design coordinates.
//
// Markers come in three groups: 0 the 20 front markers, 1 the 20 side
// markers, 2 the two scroll markers (shown with the front view).
class MouseView final : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMarkersPerGroup = 20;
    static constexpr int kScrollMarkers = 2;

    explicit MouseView(QWidget *window);

    // Places everything at the scale and shows the product's pictures and
    // markers (the marker table is the one the pictures are drawn from).
    void layout(double scale, const QString &product);
    // The scroll markers are drawn as a wheel on some models.
    void applyMarkerSkin(const QString &product);
    // What the tab shows: pictures and markers on LIGHTING (front picture
    // only) and CUSTOMIZE (by view), nothing on the others.
    void showForTab(int tab);

    void setFrontView(bool front);
    void selectButtonMarker(int iBtn, int iType);
    // After a reload: front view, first marker of each group, group 0.
    void clearState();
    // The "Front" and "Side" buttons.
    void showFront();
    void showSide();
    void retranslate();

    bool frontView() const { return m_frontView; }
    int currentGroup() const { return m_currentGroup; }
    int savedGroup() const { return m_savedGroup; }
    int selectedMarker(int group) const { return m_selectedMarker[size_t(group)]; }
    VornPushButton *marker(int group, int i) const;
    QLabel *frontPicture() const { return m_frontPicture; }
    QLabel *sidePicture() const { return m_sidePicture; }
    VornPushButton *frontButton() const { return m_frontButton; }
    VornPushButton *sideButton() const { return m_sideButton; }

signals:
    // The view changed: the selected marker of the current group follows.
    void viewChanged(bool front, int index, int group);

private:
    void place(QWidget *widget, const QRect &design) const;

    double m_scale = 1.0;
    QLabel *m_frontPicture = nullptr;
    QLabel *m_sidePicture = nullptr;
    QLabel *m_thirdPicture = nullptr;
    VornPushButton *m_frontButton = nullptr;
    VornPushButton *m_sideButton = nullptr;
    bool m_frontView = true;
    std::array<VornPushButton *, kMarkersPerGroup> m_frontMarkers{};
    std::array<VornPushButton *, kMarkersPerGroup> m_sideMarkers{};
    std::array<VornPushButton *, kScrollMarkers> m_scrollMarkers{};
    std::array<bool, 42> m_markerPresent{};
    std::array<int, 3> m_selectedMarker{};
    int m_currentGroup = 0;
    int m_savedGroup = 0;
};
