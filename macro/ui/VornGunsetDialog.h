#pragma once

#include "macro/GunSet.h"

#include <QDialog>
#include <QPixmap>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QToolButton;
class VornMenu;

// Builds a gun file from up to five shots: per shot a delay and the pull
// against the recoil (Y, X). The caller makes the name unique and writes
// the file with writeGunFile().
class VornGunsetDialog : public QDialog
{
    Q_OBJECT

public:
    VornGunsetDialog(QWidget *parent = nullptr, double scale = 1.0,
                     Qt::WindowFlags flags = Qt::FramelessWindowHint);

    QString fileName() const { return m_fileName; }
    QVector<MacroEvent> events() const;
    // Writes the generated events under `name` with the gun-file settings.
    bool writeGunFile(const QString &name) const;

    int bullets() const { return m_bullets; }
    void setBullets(int count);
    QLineEdit *nameEdit() const { return m_name; }
    QSpinBox *delayBox(int row) const { return m_rows[row].delay; }
    QSpinBox *yBox(int row) const { return m_rows[row].y; }
    QSpinBox *xBox(int row) const { return m_rows[row].x; }
    VornMenu *bulletMenu() const { return m_bulletMenu; }

public slots:
    void OnYesClick();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Row
    {
        QLabel *bullet = nullptr;
        QSpinBox *delay = nullptr;
        QSpinBox *y = nullptr;
        QSpinBox *x = nullptr;
    };

    int px(int design) const { return int(design * m_scale); }
    void buildNameAndBullets();
    void buildShotRows();

    double m_scale;
    QPixmap m_background;
    QLineEdit *m_name;
    QPushButton *m_bulletButton;
    VornMenu *m_bulletMenu;
    Row m_rows[kMaxGunShots];
    QListWidget *m_events; // hidden: the generated rows
    int m_bullets = kMaxGunShots;
    QString m_fileName;
};
