#pragma once

#include <QDialog>
#include <QPixmap>
#include <QThread>

#include <atomic>
#include <functional>

class QProgressBar;

// Starts the write-everything sequence: its only job is to signal the
// progress dialog from outside the dialog's own event loop.
class VornProcessThread : public QThread
{
    Q_OBJECT

public:
    VornProcessThread();
    void stop() { m_stop = true; }

signals:
    void DoProcessDlg();

protected:
    void run() override;

private:
    std::atomic<bool> m_stop{false};
};

// The small progress box behind which the store is saved to its files and
// sent to the mouse. The box only shows progress and keeps the pace; the
// caller's work does the saving and sending.
class VornProcessDialog : public QDialog
{
    Q_OBJECT

public:
    // Shows a value on the bar from inside the work.
    using Progress = std::function<void(int value)>;
    // Runs on the GUI thread between the values 30 and 80.
    using Work = std::function<void(const Progress &progress)>;

    explicit VornProcessDialog(Work work, QWidget *parent = nullptr);

    QProgressBar *progressBar() const { return m_bar; }
    // Progress values shown, in order (tests).
    const QList<int> &shownValues() const { return m_shown; }

public slots:
    // Entry from the thread: shows 15 and runs the update at once.
    void slotProcessDlg();
    // Entry without a thread (loading a profile file): runs the update
    // 100 ms later.
    void startDelayed();

private slots:
    void updateProgress();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void show(int value);

    Work m_work;
    QPixmap m_background;
    QProgressBar *m_bar;
    QList<int> m_shown;
};
