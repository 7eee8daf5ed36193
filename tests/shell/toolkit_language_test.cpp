// The toolkit's own texts speak Italian once the translations are installed.

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include "shell/toolkit_language.h"

class ToolkitLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void theStandardButtonsAndMenusAreItalian() {
        QVERIFY2(sillabor::shell::InstallItalianToolkitTexts(*QCoreApplication::instance()),
                 "Qt's Italian translations are missing (qt6-translations-l10n)");
        QCOMPARE(QLocale().language(), QLocale::Italian);
        QDialogButtonBox buttons(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QString("Annulla"));
        QCOMPARE(buttons.button(QDialogButtonBox::Save)->text(), QString("Salva"));
        // The text fields' context menu.
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Paste"), QString("&Incolla"));
    }
};

QTEST_MAIN(ToolkitLanguageTest)
#include "toolkit_language_test.moc"
