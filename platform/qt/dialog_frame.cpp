#include "platform/qt/dialog_frame.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <cmath>

namespace {

// Millimetres per pixel on the widget's screen; 96 pixels per inch when the screen does not
// report a physical size.
QSizeF MillimetresPerPixel(const QWidget& widget) {
    const QScreen* screen =
        widget.screen() != nullptr ? widget.screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QSizeF physical = screen->physicalSize();
        const QSize pixels = screen->size();
        if (physical.width() > 0 && physical.height() > 0 && !pixels.isEmpty()) {
            return QSizeF(physical.width() / pixels.width(), physical.height() / pixels.height());
        }
    }
    return QSizeF(25.4 / 96, 25.4 / 96);
}

}  // namespace

DialogFrame::DialogFrame(FrameEvents& events, QWidget* parent) : QDialog(parent), events_(events) {}

void DialogFrame::reject() {
    events_.CancelRequested();
}

void DialogFrame::keyPressEvent(QKeyEvent* event) {
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        // Enter on a focused push button is that button's click; elsewhere the dialog's.
        auto* button = qobject_cast<QPushButton*>(focusWidget());
        if (button != nullptr && button->isEnabled()) {
            button->click();
        } else {
            events_.EnterPressed();
        }
        return;
    }
    if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_Escape) {
        events_.CancelRequested();
        return;
    }
    QDialog::keyPressEvent(event);
}

ClientArea::ClientArea(FrameEvents& events, QWidget* parent) : QWidget(parent), events_(events) {}

void ClientArea::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    events_.Paint(painter, size(), MillimetresOf(*this, size()));
}

void ClientArea::contextMenuEvent(QContextMenuEvent* event) {
    events_.ContextMenu(event->globalPos());
}

QSizeF MillimetresOf(const QWidget& widget, QSize pixels) {
    const QSizeF perPixel = MillimetresPerPixel(widget);
    return QSizeF(pixels.width() * perPixel.width(), pixels.height() * perPixel.height());
}

QSize PixelsFor(const QWidget& widget, QSizeF millimetres) {
    const QSizeF perPixel = MillimetresPerPixel(widget);
    return QSize(static_cast<int>(std::ceil(millimetres.width() / perPixel.width())),
                 static_cast<int>(std::ceil(millimetres.height() / perPixel.height())));
}
