// Driving dialogs the way a user does, through control ids (each control's objectName is its
// id). For headless tests (QT_QPA_PLATFORM=offscreen).
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "platform/dialog.h"

namespace ui {

QWidget* Control(const CDialog& dlg, int id);  // fails the test when there is none
QWidget* Window(const CDialog& dlg);
QString Text(const CDialog& dlg, int id);              // as the widget shows it
void Type(CDialog& dlg, int id, const QString& text);  // focus, select all, key clicks
void Click(CDialog& dlg, int id);                      // focus and mouse click
void Leave(CDialog& dlg, int id);                      // move the focus to the next control
void Key(CDialog& dlg, int key);                       // a key press on the focused control
// Tables: a click on the row's first cell selects it, a double click activates it.
void SelectRow(CDialog& dlg, int id, int row);
void ActivateRow(CDialog& dlg, int id, int row);
std::vector<std::vector<QString>> Rows(const CDialog& dlg, int id);  // the cells as shown
// Drop-down lists: the item is chosen with the keys (Up or Down to it, each key a change of
// item); the test fails when the list has no such item.
void Choose(CDialog& dlg, int id, const QString& item);
QStringList Items(const CDialog& dlg, int id);
void ProcessEvents();

}  // namespace ui
