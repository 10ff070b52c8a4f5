// Qt's own dialogs speak the user's language: its standard buttons read in that language.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QPushButton>
#include <optional>
#include <string>

#include "platform/qt/qt_platform.h"
#include "tests/support/entorno.h"

namespace {

QString StandardCancel() {
    const QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

// One after the other, so each load also shows that the previous language is replaced; the
// last leaves Qt's English for the tests that follow.
TEST(ToolkitTranslations, StandardButtonsReadInTheUserLanguage) {
    struct Case {
        const char* lang;
        bool translated;
        const char* cancel;
    };
    const Case kCases[] = {
        {"es_ES.UTF-8", true, "Cancelar"},
        {"C", false, "Cancel"},
        {"de_DE.UTF-8", true, "Abbrechen"},
        {"C", false, "Cancel"},
    };
    for (const Case& c : kCases) {
        const VariablesTemporales locale{{"LANGUAGE", std::nullopt},
                                         {"LC_ALL", std::nullopt},
                                         {"LC_MESSAGES", std::nullopt},
                                         {"LANG", std::string(c.lang)}};
        EXPECT_EQ(LoadToolkitTranslations(), c.translated) << c.lang;
        EXPECT_EQ(StandardCancel(), QString::fromLatin1(c.cancel)) << c.lang;
    }
}

}  // namespace
