#pragma once

#include <QDialog>
#include <QPixmap>

#include <functional>

class QLabel;
class QTimer;
class QHBoxLayout;
class QToolButton;

// The skinned message box. Kind 1 asks "Yes" (accept) or "No" (reject),
// kind 2 has one "Ok" (accept). In wait-for-device mode it also accepts
// itself as soon as a newly arrived mouse has been opened.
class VornMessageBox : public QDialog
{
    Q_OBJECT

public:
    enum Kind { YesNo = 1, Ok = 2 };

    VornMessageBox(int kind, const QString &title, const QString &heading, const QString &text,
                   QWidget *parent = nullptr, bool waitForDevice = false,
                   Qt::WindowFlags flags = Qt::FramelessWindowHint);

    int kind() const { return m_kind; }
    bool closedByDevice() const { return m_closedByDevice; }

    // Tests answer modal boxes through this hook: when set, exec() calls it
    // with the box instead of running the dialog and returns its answer.
    using ExecHook = std::function<int(VornMessageBox *)>;
    static void setExecHook(ExecHook hook);

    int exec() override;

public slots:
    void GetPlugInSignal();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QToolButton *makeButton(const QString &text, const QString &icon, const QString &name);
    // Yes and No, or Ok, centred.
    QHBoxLayout *makeButtons(int kind);

    int m_kind;
    bool m_closedByDevice = false;
    QPixmap m_background;
    QTimer *m_waitTimer = nullptr;
};
