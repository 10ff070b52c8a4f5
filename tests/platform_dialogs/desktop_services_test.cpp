// The real desktop services where they can run headless.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/qt/qt_platform.h"
#include "tests/support/entorno.h"

namespace {

// The message box on screen, if any.
QMessageBox* BoxShown() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box != nullptr && box->isVisible()) {
            return box;
        }
    }
    return nullptr;
}

TEST(DesktopServices, ImageEditorGetsThePathAsOneArgument) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString out = dir.filePath("args.txt");
    const QString editor = dir.filePath("editor.sh");
    QFile script(editor);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(
        QStringLiteral("#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > '%1'\n").arg(out).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("BRIXAMO_EDITOR", editor.toLocal8Bit());

    QtServices services;
    EXPECT_TRUE(services.OpenInImageEditor("/tmp/mis logos/log\xF3tipo 1.bmp"));
    QFile result(out);
    EXPECT_TRUE(QTest::qWaitFor([&] { return result.exists() && result.size() > 0; }, 5000));
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(result.readAll()),
              QString::fromUtf8("1|/tmp/mis logos/logótipo 1.bmp|"));
    qunsetenv("BRIXAMO_EDITOR");
}

// Once the next message box shows: its text, its buttons' captions and its default button's are
// taken, and the button captioned `press` is clicked (an empty one: Escape is pressed).
void PressInTheNextBox(const QString& press, QString& text, QStringList& buttons,
                       QString* defaultButton = nullptr) {
    QTimer::singleShot(0, [&text, &buttons, press, defaultButton] {
        QMessageBox* box = BoxShown();
        ASSERT_NE(box, nullptr);
        text = box->text();
        if (defaultButton != nullptr && box->defaultButton() != nullptr) {
            *defaultButton = box->defaultButton()->text();
        }
        for (QAbstractButton* button : box->buttons()) {
            buttons.append(button->text());
            if (button->text() == press) {
                button->click();
            }
        }
        if (press.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
        }
        if (box->isVisible()) {
            box->reject();
        }
    });
}

// The save question is a real box with the Spanish buttons; each button gives its answer, and
// Escape answers Cancel.
TEST(DesktopServices, SaveQuestionIsAnsweredByItsButtons) {
    const std::pair<QString, SaveChoice> kPresses[] = {
        {QStringLiteral("Guardar"), SaveChoice::Save},
        {QStringLiteral("No guardar"), SaveChoice::Discard},
        {QStringLiteral("Cancelar"), SaveChoice::Cancel},
        {QString(), SaveChoice::Cancel},  // Escape
    };
    QtServices services;
    for (const auto& [press, expected] : kPresses) {
        QString text;
        QStringList buttons;
        PressInTheNextBox(press, text, buttons);
        EXPECT_EQ(services.AskSaveChanges("\xBFGuardar los cambios del recibo?"), expected)
            << press.toStdString();
        EXPECT_EQ(text, QString::fromUtf8("¿Guardar los cambios del recibo?"));
        buttons.sort();
        EXPECT_EQ(buttons, (QStringList{"Cancelar", "Guardar", "No guardar"}));
    }
}

// The warning with an action is a real box with the action's button and "Cancelar", the
// default; only the action's button answers true, and Escape answers Cancelar.
TEST(DesktopServices, WarningIsAnsweredByItsActionOrCancelar) {
    const std::pair<QString, bool> kPresses[] = {
        {QStringLiteral("Imprimir"), true},
        {QStringLiteral("Cancelar"), false},
        {QString(), false},  // Escape
    };
    QtServices services;
    for (const auto& [press, expected] : kPresses) {
        QString text;
        QStringList buttons;
        QString defaultButton;
        PressInTheNextBox(press, text, buttons, &defaultButton);
        EXPECT_EQ(
            services.AskConfirm("Ana debe 2 recibos, por un total de 12,50 \x80.", "Imprimir"),
            expected)
            << press.toStdString();
        EXPECT_EQ(defaultButton, QStringLiteral("Cancelar"));
        EXPECT_EQ(text, QString::fromUtf8("Ana debe 2 recibos, por un total de 12,50 €."));
        buttons.sort();
        EXPECT_EQ(buttons, (QStringList{"Cancelar", "Imprimir"}));
    }
}

// The print dialog's tab "Hoja" offers the receipts per sheet as given, 1 to 3; the number set
// there comes back when the dialog is confirmed, and a cancelled dialog leaves it alone.
TEST(DesktopServices, PrintDialogOffersTheReceiptsPerSheet) {
    struct Case {
        const char* name;
        int offered;
        int set;
        bool confirm;
        int expected;
    };
    QtServices services;
    for (const Case& c : {Case{"confirmed", 1, 3, true, 3}, Case{"cancelled", 2, 3, false, 2},
                          Case{"beyond the range", 1, 9, true, 3}}) {
        int shown = 0;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            QSpinBox* perSheet = nullptr;
            for (QSpinBox* box : dialog->findChildren<QSpinBox*>()) {
                perSheet = box->accessibleName() == "Recibos por hoja" ? box : perSheet;
            }
            ASSERT_NE(perSheet, nullptr);
            shown = perSheet->value();
            perSheet->setValue(c.set);
            c.confirm ? dialog->accept() : dialog->reject();
        });
        int perSheet = c.offered;
        const std::unique_ptr<PrintDevice> printer = services.PrintSetupPerSheet(perSheet);
        EXPECT_EQ(shown, c.offered) << c.name;
        EXPECT_EQ(perSheet, c.expected) << c.name;
        EXPECT_EQ(printer != nullptr, c.confirm) << c.name;
    }
}

TEST(DesktopServices, NothingToOpenIsRefused) {
    QtServices services;
    EXPECT_FALSE(services.OpenInImageEditor(""));
    EXPECT_FALSE(services.ShellOpen(""));
}

// The date text is the user's short date with the year in four digits.
TEST(DesktopServices, ShortDateHasAFourDigitYearInEveryLocale) {
    const std::pair<const char*, const char*> kDates[] = {
        {"es_ES.UTF-8", "16/12/2026"},
        {"en_US.UTF-8", "12/16/2026"},
        {"de_DE.UTF-8", "16.12.2026"},
    };
    QtServices services;
    for (const auto& [locale, expected] : kDates) {
        const VariablesTemporales time{{"LC_ALL", std::nullopt}, {"LC_TIME", std::string(locale)}};
        EXPECT_EQ(services.ShortDateText(Date{2026, 12, 16}), expected) << locale;
    }
}

TEST(DesktopServices, DateAndDirectory) {
    QtServices services;
    EXPECT_FALSE(services.ShortDateText(Date{2026, 12, 9}).empty());
    EXPECT_TRUE(services.ShortDateText(Date{2026, 2, 30}).empty());
    EXPECT_EQ(services.CurrentDirectory(), QDir::currentPath().toStdString());
    const Date today = services.Today();
    EXPECT_EQ(QDate(today.year, today.month, today.day), QDate::currentDate());
}

}  // namespace
