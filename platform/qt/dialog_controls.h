// The widgets a dialog template's controls become, and text access that knows each kind.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include "platform/bitmap.h"
#include "platform/dialog_template.h"
#include "platform/qt/dialog_units.h"

// Builds the control's widget at its place on parent: objectName is the id, the style's
// alignment, border, read-only, visibility and tab stop are applied.
QWidget* CreateControl(const ControlTemplate& control, const DialogUnits& units, QWidget* parent);

// The text a control holds, with "\r\n" line ends for multi-line edits; image buttons keep
// their (never shown) text aside.
QString ControlText(const QWidget& widget);
void SetControlText(QWidget& widget, const QString& text);

// Puts a picture on a push button; the button then shows only the picture.
void SetButtonImage(QWidget& widget, const Bitmap& image);

// An opaque copy of a decoded bitmap.
QImage ToQImage(const Bitmap& bitmap);
