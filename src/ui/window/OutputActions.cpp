#include "ui/window/OutputActions.h"

#include "html/OutputCommands.h"
#include "html/PageTraits.h"
#include "html/PageWrapper.h"
#include "settings/ProgramOptions.h"
#include "ui/dialogs/FileDialogFit.h"
#include "ui/pages/HtmlPage.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/PageProgress.h"
#include "ui/pages/text/TextRunProgress.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStatusBar>

#include <optional>

OutputActions::OutputActions(PageHost& host, PreviewFile& preview)
    : m_host(host), m_preview(preview) {}

OutputActions::~OutputActions() {
    // A dialog without a parent window is ours to delete.
    if (m_saveDialog && !m_saveDialog->parent())
        delete m_saveDialog.data();
}

QString OutputActions::htmlCopy(HtmlPage& page) {
    if (m_host.Updating())
        return {};
    const QString text = write(page).html;
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
    return text;
}

PageMarkup OutputActions::write(HtmlPage& page) {
    // A short writer shows the dialog for as long as it runs; the text writer
    // reports its steps and shows it only for a long run.
    const int steps = page.writeSteps();
    std::optional<PageProgress> shown;
    if (steps >= 0)
        shown.emplace(m_host, steps);
    TextRunProgress run(m_host.progressDialog(), &page);
    const PageMarkup markup = page.write(run.callback());
    if (shown && steps > 0)
        shown->advance(steps);
    if (QStatusBar* status = m_host.statusLine(); status && !markup.message.isEmpty())
        status->showMessage(markup.message, 5000);
    return markup;
}

QString OutputActions::writeUnseen(HtmlPage& page) {
    // Without a dialog a long text write still lets events through.
    TextRunProgress run(nullptr, &page);
    return page.write(run.callback()).html;
}

PageOutput OutputActions::pageOutput(HtmlPage& page, const PageTraits& traits) {
    // Only the gradient-text page's own background counts; the wrapper takes
    // viewback for the others.
    return {traits, htmlCopy(page), page.wrapperBackground().value_or(m_host.options().viewback)};
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
    report(SavePageAs(path, pageOutput(page, traits), m_host.options()));
}

void OutputActions::preview(HtmlPage& page, const PageTraits& traits, int browser) {
    if (m_host.Updating() || !traits.outputFile)
        return;
    report(PreviewInBrowser(m_preview, pageOutput(page, traits), m_host.options(), browser,
                            [](const QUrl& url) { return QDesktopServices::openUrl(url); }));
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
