#pragma once

#include "core/Color.h"
#include "settings/ColorHistory.h"

#include <QDockWidget>
#include <array>
#include <functional>

class CurrentColorModel;
class QAction;
class QGridLayout;
class QToolButton;
class SettingsStore;

// The colour history as a strip of swatches in a dock: it keeps every colour
// the model reports picked. A click makes a swatch's colour current again, a
// right click (or the menu key) copies it in the notation `notation` writes,
// and the strip's menu clears the history.
class ColorHistoryDock : public QDockWidget {
    Q_OBJECT
public:
    using Notation = std::function<QString(TColor)>;

    explicit ColorHistoryDock(CurrentColorModel& model, QWidget* parent = nullptr);

    void setNotation(Notation notation) { m_notation = std::move(notation); }
    const ColorHistory& history() const { return m_history; }
    void load(const SettingsStore& store);
    QAction* clearAction() const { return m_clear; }

private:
    void showHistory();
    // One row along the top or bottom edge or floating, a few columns at a side.
    void arrange();
    void copy(int index);

    CurrentColorModel& m_model;
    ColorHistory m_history;
    Notation m_notation;
    QGridLayout* m_grid = nullptr;
    std::array<QToolButton*, ColorHistory::kCapacity> m_swatches{};
    QToolButton* m_menuButton = nullptr;
    QAction* m_clear = nullptr;
};
