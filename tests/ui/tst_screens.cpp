// Every page of the main window, in both languages, shows its controls
// whole: inside their parents, texts within their buttons and labels, and
// all five page tabs without scrolling. The run under QT_SCALE_FACTOR=2
// checks the same at twice the size. VELLOMAR_SCREENSHOTS names a folder to
// keep the pictures in.
#include "ui/window/InterfaceLanguage.h"
#include "ui/window/MainActions.h"
#include "ui/window/MainBars.h"

#include "MainWindowRig.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

QString Shown(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QChar(1), QLatin1Char('&'));
}

// What is wrong with how `w` shows, or nothing.
QString Clipping(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    if (!parent->rect().contains(w->geometry()))
        return QStringLiteral("outside its parent");
    const QFontMetrics metrics(w->font());
    if (auto* button = qobject_cast<const QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const int room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        if (metrics.horizontalAdvance(Shown(button->text())) + icon > room)
            return QStringLiteral("text wider than the button");
    } else if (auto* tool = qobject_cast<const QToolButton*>(w)) {
        if (tool->toolButtonStyle() != Qt::ToolButtonIconOnly || tool->icon().isNull())
            if (metrics.horizontalAdvance(Shown(tool->text())) + 4 > tool->width())
                return QStringLiteral("text wider than the button");
    } else if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
        if (w->sizeHint().width() > w->width())
            return QStringLiteral("text wider than the box");
    } else if (auto* label = qobject_cast<const QLabel*>(w)) {
        if (!label->text().isEmpty() && !label->wordWrap() &&
            (label->sizeHint().width() > label->width() || metrics.height() > label->height()))
            return QStringLiteral("text larger than the label");
        if (label->wordWrap() && label->heightForWidth(label->width()) > label->height())
            return QStringLiteral("wrapped text taller than the label");
    } else if (auto* group = qobject_cast<const QGroupBox*>(w)) {
        if (metrics.horizontalAdvance(Shown(group->title())) + 12 > group->width())
            return QStringLiteral("title wider than the group");
    }
    return {};
}

} // namespace

class TestScreens : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void everyPageShowsItsControlsWhole_data() {
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("preview");
        QTest::newRow("ja") << false << false;
        QTest::newRow("en") << true << false;
        QTest::newRow("ja, preview") << false << true;
        QTest::newRow("en, preview") << true << true;
    }
    void everyPageShowsItsControlsWhole() {
        QFETCH(bool, english);
        QFETCH(bool, preview);
        InstallInterfaceLanguage(english ? InterfaceLanguage::English
                                         : InterfaceLanguage::Japanese);
        QFile::remove(m_dir.filePath(QStringLiteral("s.ini")));
        MainWindowRig rig(m_dir.filePath(QStringLiteral("s.ini")));
        TfrmMain& w = rig.w;
        // The glyph bar docked at the side takes width from the pages.
        w.addToolBar(Qt::LeftToolBarArea, w.bars().Toolbar971);
        if (preview)
            w.actions().ac_livepreview->trigger();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QString keep = qEnvironmentVariable("VELLOMAR_SCREENSHOTS");
        QTabWidget* pages = w.PageControl1();
        for (int index = 0; index < pages->count(); ++index) {
            pages->setCurrentIndex(index);
            QCoreApplication::processEvents();
            const QTabBar* tabs = pages->tabBar();
            for (int tab = 0; tab < tabs->count(); ++tab)
                QVERIFY2(tabs->rect().contains(tabs->tabRect(tab)),
                         qPrintable(tabs->tabText(tab) + QStringLiteral(" hidden")));
            if (!keep.isEmpty())
                w.grab().save(QStringLiteral("%1/%2-%3%4-%5.png")
                                  .arg(keep, english ? "en" : "ja", preview ? "preview-" : "")
                                  .arg(qRound(w.devicePixelRatioF()))
                                  .arg(index));
            QStringList faults;
            const QList<QWidget*> controls = w.centralWidget()->findChildren<QWidget*>();
            for (const QWidget* c : controls) {
                // Parts of composite controls are the control's own affair.
                if (!c->isVisibleTo(&w) || c->objectName().startsWith(QLatin1String("qt_")) ||
                    !c->parentWidget() || c->parentWidget()->objectName().startsWith("qt_") ||
                    qobject_cast<const QTabBar*>(c->parentWidget()) ||
                    c->parentWidget()->inherits("QAbstractSpinBox") ||
                    c->parentWidget()->inherits("QComboBox") ||
                    c->parentWidget()->inherits("QAbstractScrollArea"))
                    continue;
                const QString fault = Clipping(c);
                if (!fault.isEmpty())
                    faults << QStringLiteral("%1 %2 \"%3\": %4")
                                  .arg(c->metaObject()->className(), c->objectName(),
                                       c->property("text").toString(), fault);
            }
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        }
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
