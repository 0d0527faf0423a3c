#include "app/DesktopIdentity.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>

#include <optional>

namespace {

// QIcon::addFile decodes every picture at once; this engine reads the files
// only when a window first needs a picture of the icon.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(QStringList files) : m_files(std::move(files)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return m_files.isEmpty(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(m_files); }

private:
    const QIcon& icon() {
        if (!m_icon) {
            m_icon.emplace();
            for (const QString& file : m_files)
                m_icon->addFile(file);
        }
        return *m_icon;
    }

    QStringList m_files;
    std::optional<QIcon> m_icon;
};

} // namespace

void ApplyDesktopIdentity() {
    // Wayland compositors and task bars match windows to the entry by this.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.movra.Vellomar"));
    // The embedded sizes are the pictures the icon theme gets at install, so
    // the program looks the same when run from its build folder.
    QStringList files;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext())
        files << sizes.next();
    QApplication::setWindowIcon(QIcon(new DeferredIconEngine(files)));
}
