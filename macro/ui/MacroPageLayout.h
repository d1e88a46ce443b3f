#pragma once

#include <QRect>
#include <QtGlobal>

// The controls of the macro page, by what they do (tests and the window's
// tab order), and where the design (664 x 466) places them.
struct MacroPageControls
{
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
};

namespace MacroPageLayout {

using C = MacroPageControls;

// A control's place, its text (a tool tip for the tool buttons) and, for a
// tool button, its skin image.
struct Place
{
    C::Control control;
    QRect rect;
    const char *text;
    const char *image;
};

inline constexpr QRect kMacroNameLabel{12, 8, 130, 22};
inline constexpr QRect kMacroList{12, 36, 194, 326};
inline constexpr QRect kNameEdit{232, 8, 220, 22};
inline constexpr QRect kEventList{232, 36, 220, 360};
inline constexpr QRect kDefaultDelay{500, 124, 60, 20};
inline constexpr QRect kMsLabel{564, 124, 30, 20};
inline constexpr QRect kLoopTime{500, 186, 60, 20};

// In the order the controls are made.
inline constexpr Place kPlaces[] = {
    {C::NewMacro, {146, 8, 22, 22}, QT_TRANSLATE_NOOP("MacroDialog", "NEW"), "macro_new"},
    {C::DeleteMacro, {172, 8, 22, 22}, QT_TRANSLATE_NOOP("MacroDialog", "DELETE"), "macro_delete"},
    {C::Batch, {12, 372, 194, 24}, QT_TRANSLATE_NOOP("MacroDialog", "BATCH"), nullptr},
    {C::Import, {12, 402, 194, 24}, QT_TRANSLATE_NOOP("MacroDialog", "IMPORT MACRO"), nullptr},
    {C::Export, {12, 432, 194, 24}, QT_TRANSLATE_NOOP("MacroDialog", "EXPORT MACRO"), nullptr},
    {C::RowDelete, {232, 404, 20, 20}, QT_TRANSLATE_NOOP("MacroDialog", "DELETE"), "mlist_delete"},
    {C::RowTop, {254, 404, 20, 20}, QT_TRANSLATE_NOOP("MacroDialog", "TOP"), "mlist_top"},
    {C::RowBottom, {276, 404, 20, 20}, QT_TRANSLATE_NOOP("MacroDialog", "BOTTOM"), "mlist_bottom"},
    {C::RowUp, {298, 404, 20, 20}, QT_TRANSLATE_NOOP("MacroDialog", "MOVE UP"), "mlist_up"},
    {C::RowDown, {320, 404, 20, 20}, QT_TRANSLATE_NOOP("MacroDialog", "MOVE DOWN"), "mlist_down"},
    {C::RowClear, {342, 404, 20, 20}, QT_TRANSLATE_NOOP("MacroDialog", "CLEAR"), "mlist_clear"},
    {C::RowCopy, {364, 404, 20, 20}, QT_TRANSLATE_NOOP("MacroDialog", "COPY"), "mlist_copy"},
    {C::RowCut, {386, 404, 20, 20}, QT_TRANSLATE_NOOP("MacroDialog", "CUT"), "mlist_cut"},
    {C::RowPaste, {408, 404, 20, 20}, QT_TRANSLATE_NOOP("MacroDialog", "PASTE"), "mlist_paste"},
    {C::RecordAfter,
     {430, 404, 20, 20},
     QT_TRANSLATE_NOOP("MacroDialog", "RECORD AFTER"),
     "mlist_recafter"},
    {C::InsertDelay,
     {232, 432, 108, 24},
     QT_TRANSLATE_NOOP("MacroDialog", "INSERT DELAY"),
     nullptr},
    {C::GunSet, {344, 432, 108, 24}, QT_TRANSLATE_NOOP("MacroDialog", "GUN SET"), nullptr},
    {C::Start, {478, 12, 174, 30}, QT_TRANSLATE_NOOP("MacroDialog", "START"), nullptr},
    {C::Stop, {478, 12, 174, 30}, QT_TRANSLATE_NOOP("MacroDialog", "STOP"), nullptr},
    {C::RecordDelays,
     {478, 58, 180, 30},
     QT_TRANSLATE_NOOP("MacroDialog", "RECORD DELAYS BETWEEN ACTION"),
     nullptr},
    {C::DefaultDelays,
     {478, 90, 180, 30},
     QT_TRANSLATE_NOOP("MacroDialog", "INSERT DEFAULT DELAY"),
     nullptr},
    {C::LoopTimes,
     {478, 156, 180, 26},
     QT_TRANSLATE_NOOP("MacroDialog", "LOOPS TIME(1-255)"),
     nullptr},
    {C::RepeatWhileDown,
     {478, 212, 180, 30},
     QT_TRANSLATE_NOOP("MacroDialog", "REPEAT RUN WHEN KEY DOWN"),
     nullptr},
    {C::RepeatUntilPressed,
     {478, 246, 180, 30},
     QT_TRANSLATE_NOOP("MacroDialog", "REPEAT RUN UNTIL THE KEY DOWN"),
     nullptr},
    {C::MouseAction,
     {478, 284, 180, 26},
     QT_TRANSLATE_NOOP("MacroDialog", "MOUSE ACTION"),
     nullptr},
    {C::ChangeName, {478, 340, 174, 26}, QT_TRANSLATE_NOOP("MacroDialog", "CHANGE NAME"), nullptr},
    {C::Save, {478, 372, 174, 26}, QT_TRANSLATE_NOOP("MacroDialog", "SAVE"), nullptr},
    {C::CancelEdit, {478, 404, 174, 26}, QT_TRANSLATE_NOOP("MacroDialog", "CANCEL"), nullptr},
};

inline constexpr C::Control kOptions[] = {C::RecordDelays, C::DefaultDelays, C::LoopTimes,
                                          C::RepeatWhileDown, C::RepeatUntilPressed};
inline constexpr C::Control kLoopOptions[] = {C::LoopTimes, C::RepeatWhileDown,
                                              C::RepeatUntilPressed};

// START, STOP and GUN SET (and the mouse commands) stay usable while
// recording; batch mode also leaves IMPORT, EXPORT, BATCH and INSERT DELAY.
constexpr bool staysWhileRecording(C::Control c)
{
    return c == C::Start || c == C::Stop || c == C::GunSet;
}
constexpr bool staysInBatch(C::Control c)
{
    return c == C::GunSet || c == C::Import || c == C::Export || c == C::Batch ||
           c == C::InsertDelay;
}

} // namespace MacroPageLayout
