// The widgets a dialog template's controls become, and text access that knows each kind.
#pragma once

#include <QComboBox>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <QWidget>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/qt/dialog_units.h"
#include "res/dialog_template.h"

// Builds the control's widget at its place on parent: objectName is the id, the style's
// alignment, border, read-only, visibility and tab stop are applied.
QWidget* CreateControl(const ControlTemplate& control, const DialogUnits& units, QWidget* parent);

// Read-only on or off for a single- or multi-line edit (other widgets are left alone). A
// read-only edit is drawn on the palette's window colour, an editable one on its base colour.
void SetEditReadOnly(QWidget& widget, bool readOnly);

// The text a control holds, with "\r\n" line ends for multi-line edits; image buttons keep
// their (never shown) text aside.
QString ControlText(const QWidget& widget);
void SetControlText(QWidget& widget, const QString& text);

// Puts a picture on a push button; the button then shows only the picture.
void SetButtonImage(QWidget& widget, const Bitmap& image);

// An opaque copy of a decoded bitmap.
QImage ToQImage(const Bitmap& bitmap);

// Tables: the rows replace the old ones (cells beyond the columns are dropped, missing ones
// are empty) and leave no row selected; the selected row is -1 when there is none.
void SetTableRows(QTableWidget& table, const std::vector<QStringList>& rows);
int SelectedRow(const QTableWidget& table);
void SelectRow(QTableWidget& table, int row);

// Drop-down lists: the first cell of each row (Windows-1252) becomes an item, and the first
// item is chosen (none when there are no rows).
void SetComboItems(QComboBox& combo, const std::vector<std::vector<std::string>>& rows);
