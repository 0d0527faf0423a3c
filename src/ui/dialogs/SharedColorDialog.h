#pragma once

#include <QPointer>
#include <QString>

class QColorDialog;
class QWidget;

// The one colour dialog of a window and the forms that share it. A
// QColorDialog costs about as much to build as the rest of the main window
// (its button box looks up the icon theme), so it is made the first time it
// is asked for; the custom colours live in Qt, not in the dialog.
class SharedColorDialog {
public:
    // `parent` owns the dialog once it is made and must outlive this holder.
    explicit SharedColorDialog(QWidget* parent, QString objectName = QString());
    SharedColorDialog(const SharedColorDialog&) = delete;
    SharedColorDialog& operator=(const SharedColorDialog&) = delete;

    QColorDialog* dialog();
    bool isCreated() const { return !m_dialog.isNull(); }

private:
    QWidget* m_parent;
    QString m_objectName;
    QPointer<QColorDialog> m_dialog;
};
