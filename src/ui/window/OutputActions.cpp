#include "ui/window/OutputActions.h"

#include "html/OutputCommands.h"
#include "html/PageTraits.h"
#include "html/PageWrapper.h"
#include "settings/ProgramOptions.h"
#include "ui/dialogs/FileDialogFit.h"
#include "ui/pages/HtmlPage.h"
#include "ui/pages/PageHost.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStatusBar>

#include <memory>

OutputActions::OutputActions(PageHost& host, PreviewFile& preview)
    : m_host(host), m_preview(preview) {}

OutputActions::~OutputActions() {
    // A dialog without a parent window is ours to delete.
    if (m_saveDialog && !m_saveDialog->parent())
        delete m_saveDialog.data();
}

QString OutputActions::htmlCopy(HtmlPage& page) {
    auto copied = std::make_shared<QString>();
    withHtml(page, [copied](const QString& text) { *copied = text; });
    return *copied;
}

void OutputActions::withHtml(HtmlPage& page, std::function<void(const QString&)> then) {
    if (m_host.Updating())
        return;
    page.writeThen([this, then = std::move(then)](const PageMarkup& markup) {
        if (QStatusBar* status = m_host.statusLine(); status && !markup.message.isEmpty())
            status->showMessage(markup.message, 5000);
        if (!markup.html.isEmpty())
            QGuiApplication::clipboard()->setText(markup.html);
        then(markup.html);
    });
}

void OutputActions::withPageOutput(HtmlPage& page, const PageTraits& traits,
                                   std::function<void(const PageOutput&)> then) {
    // Only the gradient-text page's own background counts; the wrapper takes
    // viewback for the others.
    const TColor background = page.wrapperBackground().value_or(m_host.options().viewback);
    withHtml(page, [&traits, background, then = std::move(then)](const QString& text) {
        then(PageOutput{traits, text, background});
    });
}

QFileDialog* OutputActions::saveDialog() {
    if (!m_saveDialog) {
        const SaveDialogFilters filters = HtmlSaveDialogFilters();
        m_saveDialog =
            new QFileDialog(m_host.dialogParent(),
                            QCoreApplication::translate("OutputActions", "名前をつけて保存"));
        m_saveDialog->setObjectName(QStringLiteral("SaveDialog1"));
        m_saveDialog->setAcceptMode(QFileDialog::AcceptSave);
        m_saveDialog->setFileMode(QFileDialog::AnyFile);
        m_saveDialog->setDefaultSuffix(filters.defaultSuffix);
        m_saveDialog->setNameFilters(filters.nameFilters);
        FitFileDialogColumns(m_saveDialog);
        // The dialog asks before it replaces a file: a silent replace loses data.
    }
    return m_saveDialog;
}

void OutputActions::saveAs(HtmlPage& page, const PageTraits& traits) {
    if (m_host.Updating() || !traits.outputFile)
        return;
    QFileDialog* dialog = saveDialog();
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return;
    const QString path = dialog->selectedFiles().constFirst();
    withPageOutput(page, traits, [this, path](const PageOutput& output) {
        report(SavePageAs(path, output, m_host.options()));
    });
}

void OutputActions::preview(HtmlPage& page, const PageTraits& traits, int browser) {
    if (m_host.Updating() || !traits.outputFile)
        return;
    withPageOutput(page, traits, [this, browser](const PageOutput& output) {
        report(PreviewInBrowser(m_preview, output, m_host.options(), browser,
                                [](const QUrl& url) { return QDesktopServices::openUrl(url); }));
    });
}

void OutputActions::report(const OutputOutcome& outcome) {
    switch (outcome.kind) {
    case OutputOutcome::FileError:
        QMessageBox::critical(m_host.dialogParent(), QStringLiteral("Vellomar"), outcome.message);
        break;
    case OutputOutcome::BrowserNotFound: {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Vellomar"), outcome.message,
                        QMessageBox::Ok, m_host.dialogParent());
        box.exec();
        break;
    }
    case OutputOutcome::Done:
    case OutputOutcome::Skipped:
        break;
    }
}
