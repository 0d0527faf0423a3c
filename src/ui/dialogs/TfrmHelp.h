#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

// The help window: the program's own help pages from its resources, in the
// interface language installed when it is made, with a contents tab, a
// keyword index and a page on using help.
class TfrmHelp : public QWidget {
    Q_OBJECT
public:
    explicit TfrmHelp(QWidget* parent = nullptr);

    struct Topic {
        QString file; // in PageFolder()
        QString title;
    };
    // The pages of the interface language installed, and their titles in it.
    static QList<Topic> Topics();
    // The resource folder of the pages, ":/help/" or ":/help/en/".
    static QString PageFolder();
    // Keyword -> files of the pages that name it in their keywords meta tag.
    const QMap<QString, QStringList>& keywordIndex() const { return m_keywords; }

    void showContents();
    // Opens the keyword tab with `keyword` typed; an empty keyword lists all.
    void showSearch(const QString& keyword);
    void showHelpOnHelp();
    void showTopic(const QString& file);
    QString currentTopic() const;

    QTabWidget* tabHelp = nullptr;
    QTreeWidget* treContents = nullptr;
    QLineEdit* edtKeyword = nullptr;
    QListWidget* lstKeywords = nullptr;
    QTextBrowser* txtTopic = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildIndex();
    void filterKeywords(const QString& text);
    void openKeyword();
    void bringForward();

    QString m_folder;
    QList<Topic> m_topics;
    QMap<QString, QStringList> m_keywords;
};
