#include "ui/dialogs/TfrmHelp.h"

#include "html/PageTraits.h"
#include "ui/pages/PageRegistry.h"
#include "ui/window/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

// Resources of a static library are registered by hand.
static void InitHelpResources() {
    Q_INIT_RESOURCE(help);
}

QString TfrmHelp::PageFolder() {
    // The Japanese pages are the originals; each other language has a folder.
    return InstalledInterfaceLanguage() == InterfaceLanguage::Japanese
               ? QStringLiteral(":/help/")
               : QStringLiteral(":/help/%1/")
                     .arg(InterfaceLanguageCode(InstalledInterfaceLanguage()));
}

QList<TfrmHelp::Topic> TfrmHelp::Topics() {
    // Made at each call: the titles follow the language installed.
    QList<Topic> topics = {
        {QStringLiteral("index.html"), tr("目次")},
        {QStringLiteral("overview.html"), tr("Vellomar について")},
        {QStringLiteral("color.html"), tr("色を選ぶ")},
        {QStringLiteral("chart.html"), tr("カラーチャート")},
        {QStringLiteral("gradient.html"), tr("グラデーションテーブル")},
    };
    // A topic for each page of the window, in the order of their tabs.
    for (const PageRegistration& page : RegisteredPages())
        topics.append({QString::fromLatin1(page.traits.helpPage),
                       QCoreApplication::translate("PageTraits", page.traits.helpTitle)});
    topics += {
        {QStringLiteral("output.html"), tr("コピー・保存・ブラウザで確認")},
        {QStringLiteral("options.html"), tr("オプション")},
        {QStringLiteral("helponhelp.html"), tr("ヘルプの使い方")},
    };
    return topics;
}

TfrmHelp::TfrmHelp(QWidget* parent) : QWidget(parent, Qt::Window) {
    InitHelpResources();
    m_folder = PageFolder();
    m_topics = Topics();
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Vellomar ヘルプ"));

    auto* splitter = new QSplitter(this);
    tabHelp = new QTabWidget(splitter);
    tabHelp->setObjectName(QStringLiteral("tabHelp"));

    treContents = new QTreeWidget(tabHelp);
    treContents->setObjectName(QStringLiteral("treContents"));
    treContents->setHeaderHidden(true);
    for (const Topic& topic : m_topics) {
        auto* item = new QTreeWidgetItem(treContents, {topic.title});
        item->setData(0, Qt::UserRole, topic.file);
    }
    connect(treContents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { showTopic(item->data(0, Qt::UserRole).toString()); });
    connect(treContents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { showTopic(item->data(0, Qt::UserRole).toString()); });
    tabHelp->addTab(treContents, tr("目次"));

    auto* search = new QWidget(tabHelp);
    auto* searchLayout = new QVBoxLayout(search);
    auto* prompt = new QLabel(tr("キーワードを入力してください:"), search);
    searchLayout->addWidget(prompt);
    edtKeyword = new QLineEdit(search);
    edtKeyword->setObjectName(QStringLiteral("edtKeyword"));
    prompt->setBuddy(edtKeyword);
    searchLayout->addWidget(edtKeyword);
    lstKeywords = new QListWidget(search);
    lstKeywords->setObjectName(QStringLiteral("lstKeywords"));
    lstKeywords->setAccessibleName(tr("キーワード"));
    searchLayout->addWidget(lstKeywords, 1);
    connect(edtKeyword, &QLineEdit::textChanged, this, &TfrmHelp::filterKeywords);
    connect(edtKeyword, &QLineEdit::returnPressed, this, &TfrmHelp::openKeyword);
    connect(lstKeywords, &QListWidget::itemActivated, this, &TfrmHelp::openKeyword);
    connect(lstKeywords, &QListWidget::itemClicked, this, &TfrmHelp::openKeyword);
    tabHelp->addTab(search, tr("キーワード"));

    txtTopic = new QTextBrowser(splitter);
    txtTopic->setObjectName(QStringLiteral("txtTopic"));
    txtTopic->setSearchPaths({m_folder});
    txtTopic->setOpenExternalLinks(true);

    splitter->addWidget(tabHelp);
    splitter->addWidget(txtTopic);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    resize(760, 520);

    buildIndex();
    filterKeywords(QString());
}

void TfrmHelp::keyPressEvent(QKeyEvent* event) {
    // A window of its own, closed by Escape as a dialog would be.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void TfrmHelp::buildIndex() {
    static const QRegularExpression meta(
        QStringLiteral("<meta\\s+name=\"keywords\"\\s+content=\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    for (const Topic& topic : m_topics) {
        QFile file(m_folder + topic.file);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString html = QString::fromUtf8(file.readAll());
        const QRegularExpressionMatch match = meta.match(html);
        if (!match.hasMatch())
            continue;
        for (const QString& word : match.captured(1).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            QStringList& files = m_keywords[word.trimmed()];
            if (!files.contains(topic.file))
                files << topic.file;
        }
    }
}

void TfrmHelp::filterKeywords(const QString& text) {
    lstKeywords->clear();
    for (auto it = m_keywords.cbegin(); it != m_keywords.cend(); ++it) {
        if (!it.key().startsWith(text.trimmed(), Qt::CaseInsensitive))
            continue;
        for (const QString& file : it.value()) {
            QString title = file;
            for (const Topic& topic : m_topics)
                if (topic.file == file)
                    title = topic.title;
            auto* item = new QListWidgetItem(
                it.value().size() > 1 ? it.key() + QStringLiteral(" — ") + title : it.key(),
                lstKeywords);
            item->setData(Qt::UserRole, file);
        }
    }
    if (lstKeywords->count() > 0)
        lstKeywords->setCurrentRow(0);
}

void TfrmHelp::openKeyword() {
    if (QListWidgetItem* item = lstKeywords->currentItem())
        showTopic(item->data(Qt::UserRole).toString());
}

void TfrmHelp::showTopic(const QString& file) {
    txtTopic->setSource(QUrl(QStringLiteral("qrc") + m_folder + file));
}

QString TfrmHelp::currentTopic() const {
    return txtTopic->source().fileName();
}

void TfrmHelp::bringForward() {
    show();
    raise();
    activateWindow();
}

void TfrmHelp::showContents() {
    tabHelp->setCurrentIndex(0);
    showTopic(QStringLiteral("index.html"));
    bringForward();
    treContents->setFocus();
}

void TfrmHelp::showSearch(const QString& keyword) {
    tabHelp->setCurrentIndex(1);
    edtKeyword->setText(keyword);
    filterKeywords(keyword);
    bringForward();
    edtKeyword->setFocus();
}

void TfrmHelp::showHelpOnHelp() {
    tabHelp->setCurrentIndex(0);
    showTopic(QStringLiteral("helponhelp.html"));
    bringForward();
}
