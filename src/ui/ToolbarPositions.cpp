#include "ui/ToolbarPositions.h"

#include "settings/SettingsStore.h"

#include <QMainWindow>
#include <QToolBar>
#include <algorithm>

namespace ToolbarPositions {

namespace {

const int kRevision = 1;

QString AreaName(Qt::ToolBarArea area) {
    switch (area) {
    case Qt::TopToolBarArea:
        return QStringLiteral("DockTop");
    case Qt::BottomToolBarArea:
        return QStringLiteral("DockBottom");
    case Qt::LeftToolBarArea:
        return QStringLiteral("DockLeft");
    case Qt::RightToolBarArea:
        return QStringLiteral("DockRight");
    default:
        return QString();
    }
}

Qt::ToolBarArea AreaFromName(const QString& name) {
    if (name == QLatin1String("DockBottom"))
        return Qt::BottomToolBarArea;
    if (name == QLatin1String("DockLeft"))
        return Qt::LeftToolBarArea;
    if (name == QLatin1String("DockRight"))
        return Qt::RightToolBarArea;
    return Qt::TopToolBarArea;
}

bool Horizontal(Qt::ToolBarArea area) {
    return area == Qt::TopToolBarArea || area == Qt::BottomToolBarArea;
}

// Across the line: y for bars docked at top or bottom, x for the sides.
int Across(const QToolBar& bar, Qt::ToolBarArea area) {
    return Horizontal(area) ? bar.geometry().top() : bar.geometry().left();
}

} // namespace

Position Read(const QMainWindow& window, const QToolBar& bar) {
    Position p;
    p.visible = !bar.isHidden();
    const Qt::ToolBarArea area = window.toolBarArea(&bar);
    if (bar.isFloating()) {
        p.floatLeft = bar.frameGeometry().left();
        p.floatTop = bar.frameGeometry().top();
        return p;
    }
    p.dockedTo = AreaName(area);
    // The row is the number of distinct lines nearer the window's edge.
    QList<int> lines;
    for (const QToolBar* other : window.findChildren<QToolBar*>()) {
        if (other->parentWidget() != &window || other->isFloating() ||
            window.toolBarArea(other) != area)
            continue;
        const int line = Across(*other, area);
        if (!lines.contains(line))
            lines << line;
    }
    std::sort(lines.begin(), lines.end());
    if (area == Qt::BottomToolBarArea || area == Qt::RightToolBarArea)
        std::reverse(lines.begin(), lines.end());
    p.dockRow = int(lines.indexOf(Across(bar, area)));
    p.dockPos = Horizontal(area) ? bar.geometry().left() : bar.geometry().top();
    return p;
}

void Save(const QMainWindow& window, const QList<QToolBar*>& bars, SettingsStore& store) {
    for (const QToolBar* bar : bars) {
        const QString section = bar->objectName();
        const Position p = Read(window, *bar);
        store.writeInteger(section, QStringLiteral("Rev"), kRevision);
        store.writeBool(section, QStringLiteral("Visible"), p.visible);
        store.writeString(section, QStringLiteral("DockedTo"), p.dockedTo);
        store.writeInteger(section, QStringLiteral("DockRow"), p.dockRow);
        store.writeInteger(section, QStringLiteral("DockPos"), p.dockPos);
        store.writeInteger(section, QStringLiteral("FloatLeft"), p.floatLeft);
        store.writeInteger(section, QStringLiteral("FloatTop"), p.floatTop);
    }
}

void Restore(QMainWindow& window, const QList<QToolBar*>& bars, SettingsStore& store) {
    struct Entry {
        QToolBar* bar;
        Qt::ToolBarArea area;
        bool floating;
        int row;
        int pos;
        bool visible;
    };
    QList<Entry> entries;
    for (QToolBar* bar : bars) {
        const QString section = bar->objectName();
        if (store.readInteger(section, QStringLiteral("Rev"), 0) != kRevision)
            continue; // nothing stored, or another layout of the values
        const QString dockedTo = store.readString(section, QStringLiteral("DockedTo"));
        entries.append({bar, AreaFromName(dockedTo), dockedTo.isEmpty(),
                        store.readInteger(section, QStringLiteral("DockRow"), 0),
                        store.readInteger(section, QStringLiteral("DockPos"), 0),
                        store.readBool(section, QStringLiteral("Visible"), true)});
    }
    if (entries.isEmpty())
        return;
    // With every bar hidden there is no bar left to right-click for the menu
    // that shows them again, so such a layout comes back with all shown.
    if (entries.size() == bars.size() &&
        std::none_of(entries.begin(), entries.end(), [](const Entry& e) { return e.visible; })) {
        for (Entry& e : entries)
            e.visible = true;
    }
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.floating != b.floating)
            return !a.floating;
        if (a.area != b.area)
            return a.area < b.area;
        if (a.row != b.row)
            return a.row < b.row;
        return a.pos < b.pos;
    });
    for (const Entry& e : entries)
        window.removeToolBar(e.bar);
    // Bottom and right rows count from the window's edge, so they are added
    // outermost last.
    Qt::ToolBarArea lastArea = Qt::NoToolBarArea;
    int lastRow = 0;
    for (const Entry& e : entries) {
        if (e.area == lastArea && e.row != lastRow)
            window.addToolBarBreak(e.area);
        window.addToolBar(e.area, e.bar);
        e.bar->setVisible(e.visible);
        lastArea = e.area;
        lastRow = e.row;
    }
}

} // namespace ToolbarPositions
