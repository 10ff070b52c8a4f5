#include "tests/support/captions.h"

#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

#include "tests/support/ui.h"

namespace ui {

namespace {

// QLineEdit keeps this many pixels between its frame and its text on either side.
constexpr int kLineEditMargin = 2;

int FrameWidth(const QWidget& widget) {
    QStyleOption option;
    option.initFrom(&widget);
    return widget.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &widget);
}

// A push button's caption as drawn: "&" marks a mnemonic and takes no room, "&&" is one "&".
QString Drawn(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The text, the style's margin and the frame, as the style sizes a button before widening
// it to its usual minimum.
int PushButtonNeeds(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    return button.fontMetrics().horizontalAdvance(Drawn(button.text())) +
           button.style()->pixelMetric(QStyle::PM_ButtonMargin, &option, &button) +
           2 * FrameWidth(button);
}

int LineEditNeeds(const QLineEdit& edit) {
    const int frame = edit.hasFrame() ? FrameWidth(edit) : 0;
    return edit.fontMetrics().horizontalAdvance(edit.text()) + 2 * (frame + kLineEditMargin);
}

// The pixels the control's caption needs; 0 for a control that shows no caption.
int CaptionNeeds(const ControlTemplate& c, const QWidget& widget) {
    switch (c.kind) {
        case ControlKind::Button:
            return PushButtonNeeds(static_cast<const QPushButton&>(widget));
        case ControlKind::Radio:  // indicator, spacing and text
        case ControlKind::CheckBox:
        case ControlKind::Static:
        case ControlKind::ComboBox:  // the longest item, and the arrow
            return widget.sizeHint().width();
        case ControlKind::Edit:
            if ((c.style & (kReadOnly | kMultiLine)) == kReadOnly) {
                return LineEditNeeds(static_cast<const QLineEdit&>(widget));
            }
            return 0;
        default:
            return 0;
    }
}

// The controls in the order of the template, those without an id included: they are built
// in that order on the client area, which holds nothing else.
QList<QWidget*> ControlsInOrder(const CDialog& dlg, const std::vector<ControlTemplate>& controls) {
    const auto withId = std::ranges::find_if(controls, [](const auto& c) { return c.id != -1; });
    if (withId == controls.end()) {
        return {};
    }
    return Control(dlg, withId->id)
        ->parentWidget()
        ->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

}  // namespace

std::vector<std::string> CutCaptions(const CDialog& dlg) {
    const std::vector<ControlTemplate>& controls = BuscarPlantilla(dlg.TemplateId())->controls;
    const QList<QWidget*> widgets = ControlsInOrder(dlg, controls);
    if (static_cast<std::size_t>(widgets.size()) != controls.size()) {
        return {"the client area does not hold the template's controls"};
    }
    std::vector<std::string> cut;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QWidget& widget = *widgets[static_cast<qsizetype>(i)];
        const int needs = CaptionNeeds(controls[i], widget);
        if (needs > widget.width()) {
            cut.push_back("control " + std::to_string(controls[i].id) + " \"" +
                          widget.property("text").toString().toStdString() + "\": needs " +
                          std::to_string(needs) + " of " + std::to_string(widget.width()) +
                          " pixels");
        }
    }
    return cut;
}

}  // namespace ui
