#include "shell/qttranslations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>

#include <gtest/gtest.h>

// What a message box's Cancel button says under each locale, with the
// translation files the Debian package of Qt's translations ships and the
// program's own Greek.
TEST(QtTranslations, DialogButtonsFollowTheLocale) {
    struct Row {
        const char* locale;
        const char* file; // empty: none
        const char* cancel;
    };
    const Row rows[] = {
        {"de_DE", "qtbase_de.qm", "Abbrechen"},
        {"fr_FR", "qtbase_fr.qm", "Annuler"},
        {"he_IL", "qtbase_he.qm", "ביטול"},
        {"el_GR", "qtbase_el.qm", "Ακύρωση"},
        {"sv_SE", "", "Cancel"},
        {"yo_NG", "", "Cancel"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.locale);
        const shell::QtTranslations texts{QLocale(row.locale)};
        EXPECT_EQ(QFileInfo(texts.file()).fileName().toStdString(), row.file);
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text().toStdString(), row.cancel);
        QApplication::processEvents();
        EXPECT_EQ(QApplication::layoutDirection(), Qt::LeftToRight);
    }
    QDialogButtonBox after(QDialogButtonBox::Cancel);
    EXPECT_EQ(after.button(QDialogButtonBox::Cancel)->text().toStdString(), "Cancel");
}
