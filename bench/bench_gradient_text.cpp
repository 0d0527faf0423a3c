// The gradient-text page on a long document: the gradient effect (on one
// thread, and with the walk on a worker as the page runs it) and the writer,
// each beside QTextDocument::toHtml() of the same document.
#include "gradient/GradientTableList.h"
#include "html/GradientTextCss.h"
#include "html/GradientTextFont.h"
#include "html/GradientTextWriter.h"
#include "richtext/GradientTextDocument.h"
#include "settings/ProgramOptions.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextDocument>
#include <QtConcurrent/QtConcurrentRun>

#include <memory>

namespace {

constexpr int kCharacters = 100000;

// Mixed Japanese and ASCII in runs of varying font, size, colour and styles,
// with a paragraph end now and then.
std::unique_ptr<QTextDocument> MakeDocument() {
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont(kDefaultTextFont, int(kDefaultTextPoints)));
    QRandomGenerator random(932);
    const QStringList pieces = {QStringLiteral("グラデーション"), QStringLiteral("テキスト"),
                                QStringLiteral("の色を"),         QStringLiteral("ｶﾀｶﾅ"),
                                QStringLiteral("Vellomar "),      QStringLiteral("HTML <FONT> "),
                                QStringLiteral("日本語と英語"),   QStringLiteral("abc 123 ")};
    const QStringList fonts = DefaultFontTable();
    QTextCursor cursor(document.get());
    cursor.beginEditBlock();
    int written = 0;
    while (written < kCharacters) {
        QTextCharFormat format;
        format.setFontFamilies({FontNameOfEntry(fonts.at(random.bounded(int(fonts.size()))))});
        format.setFontPointSize(PointsOfFontSizeItem(random.bounded(kFontSizeItemCount)));
        format.setForeground(QColor::fromRgb(random.generate() & 0xFFFFFF));
        format.setFontWeight(random.bounded(2) ? QFont::Bold : QFont::Normal);
        format.setFontItalic(random.bounded(3) == 0);
        format.setFontUnderline(random.bounded(5) == 0);
        const QString piece = pieces.at(random.bounded(int(pieces.size())));
        cursor.insertText(piece, format);
        written += int(piece.size());
        if (random.bounded(12) == 0) {
            cursor.insertBlock();
            ++written;
        }
    }
    cursor.endEditBlock();
    return document;
}

// The state the page is in after a first gradient over the whole text.
QTextDocument& Document() {
    static std::unique_ptr<QTextDocument> document = [] {
        auto d = MakeDocument();
        ApplyTextGradient(*d, &DefaultGradientTables()[0], 0, 0);
        return d;
    }();
    return *document;
}

void BM_ToHtml(benchmark::State& state) {
    QTextDocument& document = Document();
    for (auto _ : state)
        benchmark::DoNotOptimize(document.toHtml());
    state.SetItemsProcessed(state.iterations() * kCharacters);
}
BENCHMARK(BM_ToHtml)->Unit(benchmark::kMillisecond);

// Read the document, walk the whole text, colour it back in one edit block.
void BM_GradientEffect(benchmark::State& state) {
    const QTextDocument& original = Document();
    const GradientTable& table = DefaultGradientTables()[1];
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<QTextDocument> document(original.clone());
        state.ResumeTiming();
        benchmark::DoNotOptimize(ApplyTextGradient(*document, &table, 0, 0));
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kCharacters);
}
BENCHMARK(BM_GradientEffect)->Unit(benchmark::kMillisecond);

// The effect as the page runs it: the document read into a snapshot and
// coloured back on the calling thread, the walk on a worker.
void BM_GradientEffectInBackground(benchmark::State& state) {
    const QTextDocument& original = Document();
    const GradientTable& table = DefaultGradientTables()[1];
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<QTextDocument> document(original.clone());
        state.ResumeTiming();
        DocumentText text = StyledTextFromDocument(*document);
        const TextGradientResult result = QtConcurrent::run([&text, &table] {
                                              return ApplyTextGradient(text.text, &table, {});
                                          }).result();
        ApplyCharColors(*document, text, result.firstChar, result.endChar);
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kCharacters);
}
BENCHMARK(BM_GradientEffectInBackground)->Unit(benchmark::kMillisecond);

// Read the document and write its markup, as the copy action does.
void BM_WriteGradientText(benchmark::State& state) {
    const QTextDocument& document = Document();
    ProgramOptions options;
    LoadDefaultFontTable(options.fonttable);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            WriteGradientTextHtml(StyledTextFromDocument(document).text, options));
    state.SetItemsProcessed(state.iterations() * kCharacters);
}
BENCHMARK(BM_WriteGradientText)->Unit(benchmark::kMillisecond);

// The same in CSS: spans per run of one colour instead of FONT per character.
void BM_WriteGradientTextCss(benchmark::State& state) {
    const QTextDocument& document = Document();
    ProgramOptions options;
    LoadDefaultFontTable(options.fonttable);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            WriteGradientTextCss(StyledTextFromDocument(document).text, options));
    state.SetItemsProcessed(state.iterations() * kCharacters);
}
BENCHMARK(BM_WriteGradientTextCss)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
