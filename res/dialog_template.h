// Dialog templates as data: every window of the program is built from one of these.
// Rectangles are in dialog units of the "MS Shell Dlg" 8 font.
#pragma once

#include <string>
#include <vector>

#include "res/ids/identificadores.h"

enum class ControlKind {
    Edit,           // single-line edit (multi-line with kMultiLine)
    Button,         // push button with a caption
    ImageButton,    // push button showing a bitmap
    Radio,          // radio button; kGroup starts a new group
    CheckBox,       // check box with a caption, checked and unchecked by clicks
    Static,         // static text
    Icon,           // the application icon
    MonthCalendar,  // month calendar, single selection
    Table,          // read-only table, one row selected at most; text: column headings, '\t' apart
    MenuButton,     // push button that opens the window's menu of commands
    ComboBox,  // drop-down list, one item chosen; text: the items, '\t' apart, the first chosen
};

enum ControlStyle : unsigned {
    kAlignLeft = 0,
    kAlignCenter = 1u << 0,
    kAlignRight = 1u << 1,
    kReadOnly = 1u << 2,
    kTabStop = 1u << 3,
    kHidden = 1u << 4,  // created without the visible style
    kGroup = 1u << 5,   // first control of a radio group
    kBorder = 1u << 6,
    kMultiLine = 1u << 7,
    kDefault = 1u << 8,  // the default push button
    kImageCentre = 1u << 9,
};

enum DialogStyle : unsigned {
    kDlgModalFrame = 1u << 0,
    kDlgResizable = 1u << 1,
    kDlgScrollBars = 1u << 2,
    kDlgTaskbar = 1u << 3,
};

struct ControlTemplate {
    int id = 0;  // -1 for controls without an id (static texts, icons)
    ControlKind kind = ControlKind::Edit;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string text;  // Windows-1252
    unsigned style = 0;
};

struct DialogTemplate {
    int id = 0;
    int cx = 0, cy = 0;  // client area
    std::string title;   // Windows-1252
    unsigned style = kDlgModalFrame;
    std::vector<ControlTemplate> controls;  // in tab order
};

// The program's templates (res/); nullptr for an unknown id.
const DialogTemplate* BuscarPlantilla(int id);
