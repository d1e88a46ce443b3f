#pragma once

#include "macro/MacroEventList.h"
#include "macro/ui/MacroEventView.h"
#include "macro/ui/MacroLibraryCommands.h"
#include "macro/ui/MacroPageLayout.h"
#include "macro/ui/MacroRecordingController.h"
#include "widgets/SettingsPanel.h"
#include "widgets/Skin.h"

#include <QHash>

class KeyboardCapture;
class QAbstractButton;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QModelIndex;
class QTreeWidgetItem;
class VornLabel;
class VornListItem;
class VornTreeWidget;

// The MACRO page: the macro library beside the events of the current
// macro, the keyboard recorder, mouse commands, delay and loop options, and
// the library commands. It edits macro files only, never the profiles.
// The macro being edited is a MacroEventList, which the event list shows;
// the library commands and the recording have classes of their own.
class MacroDialog : public SettingsPanel, public MacroPageControls
{
    Q_OBJECT

public:
    // `capture` delivers the keys while recording; without one nothing is
    // recorded.
    explicit MacroDialog(QWidget *parent = nullptr, KeyboardCapture *capture = nullptr);
    ~MacroDialog() override;

    int tab() const override { return TabMacro; }
    QRect designRect() const override;
    void loadRecord(ProfileStore &store) override;
    void retranslate() override;
    void rescale() override;

    QAbstractButton *control(Control c) const { return m_controls[c]; }

    QListWidget *macroList() const { return m_macroList; }
    QListWidget *eventList() const { return m_eventList; }
    VornTreeWidget *commandTree() const { return m_tree; }
    QLineEdit *nameEdit() const { return m_nameEdit; }
    QLineEdit *defaultDelayEdit() const { return m_defaultDelay; }
    QLineEdit *loopTimeEdit() const { return m_loopTime; }
    QString currentMacro() const { return m_library->current(); }
    int delayType() const { return m_events->delayType(); }
    bool isRecording() const { return m_recording->isRecording(); }
    // Ends a recording as STOP does: the macro is saved, the keyboard
    // released and the window's controls come back. Its warnings wait for
    // the caller's work (a reload, a tab switch) to finish.
    void endRecording();
    bool isBatchMode() const { return m_library->isBatch(); }
    QVector<MacroEvent> events() const { return m_events->events(); }
    VornListItem *row(int i) const { return m_view->row(i); }

    // The gun-set dialog's result joins the library under a free name,
    // with record delays on, and becomes the current macro.
    void addGunFile(const QString &wanted, const QVector<MacroEvent> &events)
    {
        m_library->addGunFile(wanted, events);
    }

signals:
    void EnableButtonsSignal(bool bEnable);

public slots:
    void TreeitemClick(QTreeWidgetItem *item, int column);
    void itemClicked(const QModelIndex &index);
    void itemClicked2(const QModelIndex &index);
    void itemDoubleClicked(const QModelIndex &index);
    void rowMacroListChanged(int iRow);
    void itemMacroListChanged(QListWidgetItem *item);
    void DefDelayChanged(const QString &text);
    void LoopTimeChanged(const QString &text);
    void mousemove_test();

private slots:
    void OnButtonClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildControls();
    QString designStyleSheet() const;
    void warn(const QString &text);

    // The macro file and the options.
    void loadMacro(const QString &name);
    bool saveMacro();
    void setOptionsFromFile(int delayType, int loopType);
    void startFreshMacro(int delayType);
    void setOption(Control c, bool on);

    void startRecording(bool after);
    void stopRecording(bool warnLater = false);
    void enableForRecording(bool enable);
    void enableForBatch(bool enable);

    Skin::LazyPixmap m_background;
    QAbstractButton *m_controls[ControlCount] = {};
    QHash<QObject *, Control> m_controlOf;
    VornLabel *m_macroNameLabel;
    VornLabel *m_mouseActionLabel;
    VornLabel *m_msLabel;
    QListWidget *m_macroList;
    QListWidget *m_eventList;
    VornTreeWidget *m_tree;
    QLineEdit *m_nameEdit;
    QLineEdit *m_defaultDelay;
    QLineEdit *m_loopTime;

    MacroEventList *m_events;
    MacroEventView *m_view;
    MacroLibraryCommands *m_library;
    MacroRecordingController *m_recording;
};
