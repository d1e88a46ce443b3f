#include "widgets/VornProcessDialog.h"

#include "widgets/Skin.h"
#include "widgets/UiLog.h"
#include "widgets/UiScale.h"

#include <QBitmap>
#include <QPainter>
#include <QProgressBar>
#include <QTimer>

#include <utility>

VornProcessThread::VornProcessThread() : QThread(nullptr) {}

void VornProcessThread::run()
{
    if (m_stop) {
        qCDebug(lcUi) << "isStop.";
        return;
    }
    emit DoProcessDlg();
}

VornProcessDialog::VornProcessDialog(Work work, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
    , m_work(std::move(work))
    , m_background(Skin::pixmap(QStringLiteral("/skin/process.png")))
    , m_bar(new QProgressBar(this))
{
    setModal(true);
    setFixedSize(UiScale::scaled(200), UiScale::scaled(50));
    if (!m_background.isNull()) {
        m_background = m_background.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        setMask(m_background.mask());
    }
    m_bar->setObjectName(QStringLiteral("processBar"));
    m_bar->setOrientation(Qt::Horizontal);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    m_bar->setTextVisible(true);
    m_bar->setAlignment(Qt::AlignCenter);
    m_bar->setGeometry(0, 0, UiScale::scaled(199), UiScale::scaled(49));
    m_bar->setStyleSheet(
        QStringLiteral("QProgressBar{background-color:white;color:black;border:2px solid grey;"
                       "border-radius:5px;text-align:center;}"
                       "QProgressBar::chunk{background-color:red;width:20px;}"));
}

void VornProcessDialog::show(int value)
{
    m_bar->setValue(value);
    m_shown.append(value);
}

void VornProcessDialog::slotProcessDlg()
{
    show(15);
    QTimer::singleShot(0, this, &VornProcessDialog::updateProgress);
}

void VornProcessDialog::startDelayed()
{
    QTimer::singleShot(100, this, &VornProcessDialog::updateProgress);
}

void VornProcessDialog::updateProgress()
{
    show(30);
    if (m_work)
        m_work([this](int value) { show(value); });
    show(80);
    QThread::msleep(10);
    show(100);
    QThread::msleep(10);
    accept();
}

void VornProcessDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_background.isNull())
        painter.drawPixmap(0, 0, m_background);
}
