#pragma once

#include "macro/MacroRecorder.h"
#include "widgets/SettingsPanel.h"
#include "widgets/Skin.h"

#include <QElapsedTimer>
#include <QHash>
#include <QPixmap>
#include <QPointer>

#include <functional>

class KeyboardCapture;
class QAbstractButton;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QModelIndex;
class QTreeWidgetItem;
class VornCheckButton;
class VornLabel;
class VornListItem;
class VornPushButton;
class VornTreeWidget;

// The MACRO page: the macro library beside the events of the current
// macro, the keyboard recorder, mouse commands, delay and loop options, and
// the library commands. It edits macro files only, never the profiles.
class MacroDialog : public SettingsPanel
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

    // The controls, by what they do (tests and the window's tab order).
    enum Control {
        Start,
        Stop,
        NewMacro,
        DeleteMacro,
        ChangeName,
        Save,
        CancelEdit,
        Import,
        Export,
        Batch,
        InsertDelay,
        GunSet,
        RowDelete,
        RowTop,
        RowBottom,
        RowUp,
        RowDown,
        RowClear,
        RowCopy,
        RowCut,
        RowPaste,
        RecordAfter,
        RecordDelays,
        DefaultDelays,
        LoopTimes,
        RepeatWhileDown,
        RepeatUntilPressed,
        MouseAction,
        ControlCount
    };
    QAbstractButton *control(Control c) const;

    QListWidget *macroList() const { return m_macroList; }
    QListWidget *eventList() const { return m_eventList; }
    VornTreeWidget *commandTree() const { return m_tree; }
    QLineEdit *nameEdit() const { return m_nameEdit; }
    QLineEdit *defaultDelayEdit() const { return m_defaultDelay; }
    QLineEdit *loopTimeEdit() const { return m_loopTime; }
    QString currentMacro() const { return m_curMacroName; }
    int delayType() const { return m_delayType; }
    bool isRecording() const { return m_recording; }
    // Ends a recording as STOP does: the macro is saved, the keyboard
    // released and the window's controls come back. Its warnings wait for
    // the caller's work (a reload, a tab switch) to finish.
    void endRecording();
    bool isBatchMode() const { return m_batch; }
    QVector<MacroEvent> events() const;
    VornListItem *row(int i) const;

    // The gun-set dialog's result joins the library under a free name,
    // with record delays on, and becomes the current macro.
    void addGunFile(const QString &wanted, const QVector<MacroEvent> &events);

    // File dialogs, answered by tests through this hook: it receives the
    // kind and returns the chosen paths (empty: cancelled).
    enum FileDialog { OpenOne, OpenMany, SaveOne, ChooseFolder };
    using FileDialogHook = std::function<QStringList(FileDialog)>;
    static void setFileDialogHook(FileDialogHook hook);

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
    void onKeyEvent(KeyRecord &record);

protected:
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void buildControls();
    QString designStyleSheet() const;
    QStringList askFiles(FileDialog kind);
    QStringList runFileDialog(FileDialog kind);
    void warn(const QString &text, int kind = 2, const QString &heading = QString());

    // Rows.
    QVector<MacroRow> rows() const;
    void setRows(const QVector<MacroRow> &rows, int current);
    void appendRow(const MacroRow &row);
    // Inserts after the current row (at the end when there is none) and
    // makes the last inserted row current; refused whole, with a message,
    // when the macro would pass 63 events.
    bool insertRows(const QVector<MacroRow> &rows);
    QVector<MacroRow> withDelays(const QVector<MacroEvent> &commands) const;
    void endDelayEdit();

    // Library.
    void fillMacroList(const QString &select = QString());
    QString selectedMacro() const;
    void loadMacro(const QString &name);
    bool saveMacro();
    void setOptionsFromFile(int delayType, int loopType);

    // Commands.
    void startRecording(bool after);
    void stopRecording(bool warnLater = false);
    void newMacro();
    void deleteMacro();
    void changeName();
    void importMacros();
    void exportMacros();
    void toggleBatch();
    void runGunSet();
    void moveCurrentRow(int to);
    QList<int> selectedRows() const;
    void removeRows(const QList<int> &selected);
    void copyRows(bool cut);
    void setOption(Control c, bool on);
    void enableForRecording(bool enable);
    void enableForBatch(bool enable);

    QPointer<KeyboardCapture> m_capture; // may go before the page does
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

    qint8 m_delayType = kNoDelays;
    bool m_recording = false;
    int m_insertAt = -1; // RECORD AFTER: where the next recorded row goes
    MacroRecorder m_recorder;
    QElapsedTimer m_clock;
    bool m_batch = false;
    int m_editRow = -1;
    QString m_curMacroName;
    QVector<MacroRow> m_clipboard;
};
