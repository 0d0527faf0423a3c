#include "ui/dialogs/SharedColorDialog.h"

#include <QColorDialog>

SharedColorDialog::SharedColorDialog(QWidget* parent, QString objectName)
    : m_parent(parent), m_objectName(std::move(objectName)) {}

QColorDialog* SharedColorDialog::dialog() {
    if (!m_dialog) {
        m_dialog = new QColorDialog(m_parent);
        if (!m_objectName.isEmpty())
            m_dialog->setObjectName(m_objectName);
        m_dialog->setOption(QColorDialog::DontUseNativeDialog);
    }
    return m_dialog;
}
