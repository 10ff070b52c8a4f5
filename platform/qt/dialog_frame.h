// The dialog's top-level window and its client area: they turn the toolkit's key, close,
// paint and context-menu events into the dialog's own events.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QSizeF>
#include <QWidget>

class QPainter;

// What the window reports to the dialog it belongs to.
class FrameEvents {
  public:
    virtual ~FrameEvents() = default;
    virtual void EnterPressed() = 0;
    virtual void CancelRequested() = 0;  // Escape or the close box
    virtual void Paint(QPainter& painter, QSize pixels, QSizeF millimetres) = 0;
    virtual void ContextMenu(QPoint globalPos) = 0;
};

class DialogFrame : public QDialog {
  public:
    DialogFrame(FrameEvents& events, QWidget* parent);

    void reject() override;  // the close box and Escape: the dialog decides whether to end

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    FrameEvents& events_;
};

// The surface the controls sit on and the dialog draws on.
class ClientArea : public QWidget {
  public:
    ClientArea(FrameEvents& events, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    FrameEvents& events_;
};

// The millimetres a widget's pixels cover on its screen, from the size the screen reports.
QSizeF MillimetresOf(const QWidget& widget, QSize pixels);
// The pixels that cover the given millimetres on the widget's screen.
QSize PixelsFor(const QWidget& widget, QSizeF millimetres);
