#pragma once

#include <QObject>
#include <QString>
#include <QVector>

#include <memory>

// A program with a window on the desktop.
struct FrontProgram
{
    QString executable;  // the executable's file name ("firefox-esr"); empty when unknown
    QString windowClass; // the window's class (X11: the class part of WM_CLASS)
    qint64 pid = 0;
    bool ownWindow = false; // a window of this process
};

// The programs behind a list of windows, in the list's order: one entry per
// executable (per class where the executable is unknown), ours left out.
QVector<FrontProgram> distinctPrograms(const QVector<FrontProgram> &windows);

// Tells which window is in front, as the desktop announces it: on X11 the
// root window's _NET_ACTIVE_WINDOW, watched through X events on a
// connection of its own; on Windows the foreground event. No timer: the
// process wakes only when the front window changes.
class FrontWindow final : public QObject
{
    Q_OBJECT

public:
    enum class Reach {
        All,           // every program's windows
        XProgramsOnly, // a Wayland session: only X11 (XWayland) programs are seen
        Unknown,       // the front window cannot be known here
    };

    explicit FrontWindow(QObject *parent = nullptr);
    ~FrontWindow() override;

    // What this session lets us see, from its environment.
    static Reach reach();
    // Whether the watch is running (the display could be opened).
    bool watching() const;
    // The program in front now (empty when none or unknown).
    FrontProgram current() const;
    // The programs with windows open now, one entry per executable, this
    // process left out.
    QVector<FrontProgram> openPrograms() const;

signals:
    // Another window came to the front.
    void frontChanged(const FrontProgram &program);

public:
    struct Watch; // the platform's state; public for the event callbacks

private:
    std::unique_ptr<Watch> m_watch;
};
