#include "settings/WindowPlacement.h"

#include "settings/SettingsStore.h"

#include <algorithm>

QString PlacementSection(const QString& formName) {
    return formName + QLatin1String("Rect");
}

QRect LoadPlacement(const SettingsStore& store, const QString& formName, bool sizeable,
                    const QSize& screenSize, const QSize& currentSize) {
    const QSize defaultSize =
        sizeable ? QSize(screenSize.width() * 70 / 100, screenSize.height() * 70 / 100)
                 : currentSize;
    const QString section = PlacementSection(formName);
    const int left = store.readInteger(section, QStringLiteral("left"),
                                       (screenSize.width() - defaultSize.width()) / 2);
    const int top = store.readInteger(section, QStringLiteral("top"),
                                      (screenSize.height() - defaultSize.height()) / 2);
    QSize size = defaultSize;
    if (sizeable) {
        size.setWidth(store.readInteger(section, QStringLiteral("width"), defaultSize.width()));
        size.setHeight(store.readInteger(section, QStringLiteral("height"), defaultSize.height()));
    }
    // Damaged values are kept within the largest window there can be, so
    // that no edge computed from them overflows.
    const int limit = 16777215;
    const auto bounded = [limit](int v) { return std::clamp(v, -limit, limit); };
    size = size.boundedTo(QSize(limit, limit)).expandedTo(QSize(0, 0));
    return QRect(QPoint(bounded(left), bounded(top)), size);
}

void SavePlacement(SettingsStore& store, const QString& formName, const QRect& geometry,
                   bool normalState) {
    if (!normalState)
        return;
    const QString section = PlacementSection(formName);
    store.writeInteger(section, QStringLiteral("left"), geometry.left());
    store.writeInteger(section, QStringLiteral("top"), geometry.top());
    store.writeInteger(section, QStringLiteral("width"), geometry.width());
    store.writeInteger(section, QStringLiteral("height"), geometry.height());
}

QPoint CenteredOver(const QRect& mainWindow, const QSize& dialogSize, const QSize& screenSize) {
    const int left = dialogSize.width() < mainWindow.width()
                         ? mainWindow.left() + (mainWindow.width() - dialogSize.width()) / 2
                         : (screenSize.width() - dialogSize.width()) / 2;
    const int top = dialogSize.height() < mainWindow.height()
                        ? mainWindow.top() + (mainWindow.height() - dialogSize.height()) / 2
                        : (screenSize.height() - dialogSize.height()) / 2;
    return QPoint(left, top);
}
