// Qt's own dialogs, buttons and context menus speak the interface's
// language once the program has started.
#include "settings/SettingsStore.h"
#include "ui/InterfaceLanguage.h"
#include "ui/VellomarApp.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QStringList MenuTexts(QLineEdit& edit) {
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (const QAction* a : menu->actions())
        if (!a->isSeparator())
            texts << a->text().section(QLatin1Char('\t'), 0, 0); // without the shortcut
    return texts;
}

QString CancelText() {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void startInstallsQtsJapaneseTexts() {
        QLineEdit edit;
        const QStringList english = MenuTexts(edit);
        QVERIFY(english.contains(QStringLiteral("Select All")));
        QCOMPARE(CancelText(), QStringLiteral("Cancel"));

        QTemporaryDir dir;
        qputenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit());
        {
            SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
            VellomarApp program(store);
            QVERIFY(!program.isDuplicate());
            const QStringList japanese = MenuTexts(edit);
            QCOMPARE(japanese.size(), english.size());
            QVERIFY(japanese.contains(QStringLiteral("すべてを選択")));
            QVERIFY(japanese.contains(QStringLiteral("貼り付け(&P)")));
            QCOMPARE(CancelText(), QStringLiteral("キャンセル"));
        }
        qunsetenv("XDG_RUNTIME_DIR");

        // Chosen again, the catalogue replaces itself instead of piling up.
        QVERIFY(InstallInterfaceLanguage(InterfaceLanguage::Japanese));
        QVERIFY(InstallInterfaceLanguage(InterfaceLanguage::Japanese));
        QCOMPARE(CancelText(), QStringLiteral("キャンセル"));
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
