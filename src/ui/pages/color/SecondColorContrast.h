#pragma once

#include "core/Color.h"

#include <QGroupBox>

class PageHost;
class QLabel;
class QLineEdit;
class QMenu;

// The contrast of the current colour against a second colour, typed as any
// CSS colour text or chosen from the colour history; the ratio and the
// levels it meets follow both colours.
class SecondColorContrast : public QGroupBox {
    Q_OBJECT
public:
    explicit SecondColorContrast(PageHost& host, QWidget* parent = nullptr);

private:
    // Reads the typed text; an unreadable one keeps no colour and says so.
    void readText();
    void showContrast();
    void fillHistoryMenu();

    PageHost& m_host;
    QLineEdit* m_edit = nullptr;
    QString m_hint;
    QMenu* m_historyMenu = nullptr;
    QLabel* m_result = nullptr;
    std::optional<TColor> m_second;
};
