#include "ui/window/ToolbarPositions.h"

#include "settings/SettingsStore.h"

#include <QDockWidget>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QToolBar>
#include <algorithm>
#include <optional>

namespace ToolbarPositions {

namespace {

const int kRevision = 1;

// The stored names of the window's four sides, for tool bars and docks alike.
struct Side {
    QLatin1StringView name;
    Qt::ToolBarArea bar;
    Qt::DockWidgetArea dock;
};

constexpr Side kSides[] = {
    {QLatin1StringView("DockTop"), Qt::TopToolBarArea, Qt::TopDockWidgetArea},
    {QLatin1StringView("DockBottom"), Qt::BottomToolBarArea, Qt::BottomDockWidgetArea},
    {QLatin1StringView("DockLeft"), Qt::LeftToolBarArea, Qt::LeftDockWidgetArea},
    {QLatin1StringView("DockRight"), Qt::RightToolBarArea, Qt::RightDockWidgetArea},
};

// The side stored as `name`, or nullptr.
const Side* SideNamed(const QString& name) {
    for (const Side& side : kSides)
        if (side.name == name)
            return &side;
    return nullptr;
}

// The side whose tool bar or dock area is `area`, or nullptr.
template <typename Area> const Side* SideOf(Area Side::*member, Area area) {
    for (const Side& side : kSides)
        if (side.*member == area)
            return &side;
    return nullptr;
}

// A bar's side; empty for none.
QString AreaName(Qt::ToolBarArea area) {
    const Side* side = SideOf(&Side::bar, area);
    return side ? QString(side->name) : QString();
}

// A dock outside the window counts as on the right, where it is put back.
QString DockAreaName(Qt::DockWidgetArea area) {
    const Side* side = SideOf(&Side::dock, area);
    return side ? QString(side->name) : QStringLiteral("DockRight");
}

// An unknown name is a damaged section; empty (floating) is known.
Qt::DockWidgetArea DockAreaFromName(const QString& name, bool* known) {
    const Side* side = SideNamed(name);
    *known = side || name.isEmpty();
    return side ? side->dock : Qt::RightDockWidgetArea;
}

Qt::ToolBarArea AreaFromName(const QString& name) {
    const Side* side = SideNamed(name);
    return side ? side->bar : Qt::TopToolBarArea;
}

// A whole decimal number, or nullopt.
std::optional<int> StoredInteger(const SettingsStore& store, const QString& section,
                                 const QString& name) {
    bool ok = false;
    const int value = store.readString(section, name).trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
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
        int floatLeft;
        int floatTop;
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
                        store.readBool(section, QStringLiteral("Visible"), true),
                        store.readInteger(section, QStringLiteral("FloatLeft"), 0),
                        store.readInteger(section, QStringLiteral("FloatTop"), 0)});
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
        // A floating bar floats where it was, as Qt floats a dragged one: a
        // frameless tool window that keeps its place in the layout for when
        // it is dragged back. Left on a screen no longer there, it docks.
        const QPoint at(e.floatLeft, e.floatTop);
        if (e.floating && QGuiApplication::screenAt(at + QPoint(10, 5))) {
            e.bar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
            e.bar->move(at);
        }
        e.bar->setVisible(e.visible);
        lastArea = e.area;
        lastRow = e.row;
    }
}

void SaveDock(const QMainWindow& window, const QDockWidget& dock, SettingsStore& store) {
    const QString section = dock.objectName();
    store.writeInteger(section, QStringLiteral("Rev"), kRevision);
    store.writeBool(section, QStringLiteral("Visible"), !dock.isHidden());
    store.writeString(section, QStringLiteral("DockedTo"),
                      dock.isFloating()
                          ? QString()
                          : DockAreaName(window.dockWidgetArea(const_cast<QDockWidget*>(&dock))));
    store.writeInteger(section, QStringLiteral("FloatLeft"),
                       dock.isFloating() ? dock.frameGeometry().left() : 0);
    store.writeInteger(section, QStringLiteral("FloatTop"),
                       dock.isFloating() ? dock.frameGeometry().top() : 0);
}

void RestoreDock(QMainWindow& window, QDockWidget& dock, SettingsStore& store) {
    const QString section = dock.objectName();
    dock.hide();
    if (StoredInteger(store, section, QStringLiteral("Rev")) != kRevision)
        return;
    const std::optional<int> visible = StoredInteger(store, section, QStringLiteral("Visible"));
    bool known = false;
    const Qt::DockWidgetArea area =
        DockAreaFromName(store.readString(section, QStringLiteral("DockedTo")), &known);
    const std::optional<int> left = StoredInteger(store, section, QStringLiteral("FloatLeft"));
    const std::optional<int> top = StoredInteger(store, section, QStringLiteral("FloatTop"));
    if (!visible || (*visible != 0 && *visible != 1) || !known || !left || !top)
        return;
    const bool floating = store.readString(section, QStringLiteral("DockedTo")).isEmpty();
    window.removeDockWidget(&dock);
    window.addDockWidget(area, &dock);
    // A floating dock left on a screen no longer there docks instead.
    if (floating && QGuiApplication::screenAt(QPoint(*left, *top) + QPoint(20, 10))) {
        dock.setFloating(true);
        dock.move(*left, *top);
    }
    dock.setVisible(*visible == 1);
}

} // namespace ToolbarPositions
