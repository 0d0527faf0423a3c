#include "html/OutputCommands.h"

#include "html/HtmlFileSave.h"
#include "html/PageMarkup.h"
#include "html/PageTraits.h"
#include "html/PageWrapper.h"
#include "html/PreviewFile.h"
#include "settings/ProgramOptions.h"

#include <QCoreApplication>

namespace {

OutputOutcome FromFileError(const QString& error) {
    if (error.isEmpty())
        return {};
    return {OutputOutcome::FileError, error};
}

TColor Background(const PageOutput& output, const ProgramOptions& options) {
    return PageBackground(output.page, output.ownBackground, options);
}

} // namespace

OutputOutcome SavePageAs(const QString& path, const PageOutput& output,
                         const ProgramOptions& options) {
    if (!output.page.outputFile)
        return {OutputOutcome::Skipped, {}};
    return FromFileError(SaveHtmlFile(
        path, SavedFileText(output.fragment, output.page, Background(output, options), options)));
}

OutputOutcome WritePreviewPage(PreviewFile& preview, const PageOutput& output,
                               const ProgramOptions& options) {
    if (!output.page.outputFile)
        return {OutputOutcome::Skipped, {}};
    return FromFileError(preview.write(
        WrapPageMarkup(output.fragment, output.page, Background(output, options), options)));
}

OutputOutcome PreviewInBrowser(PreviewFile& preview, const PageOutput& output,
                               const ProgramOptions& options, int browser,
                               const OpenUrlFunction& openUrl) {
    const OutputOutcome written = WritePreviewPage(preview, output, options);
    if (written.kind != OutputOutcome::Done)
        return written;
    const QString& program = browser == 2 ? options.wwwname2 : options.wwwname;
    // A program that cannot be started is reported like a missing one
    // rather than passed over in silence.
    if (ShowPreview(preview.path(), options.wwwuse, program, openUrl) != BrowserResult::Started)
        return {
            OutputOutcome::BrowserNotFound,
            QCoreApplication::translate("BrowserLaunch", kBrowserNotFound.toUtf8().constData())};
    return {};
}
