#include "ui/pages/PageControls.h"

#include "ui/widgets/ColorShape.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

QPushButton* PageButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    return button;
}

QToolButton* PageToggle(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setCheckable(true);
    button->setGeometry(place);
    return button;
}

QSpinBox* PageNumberBox(QWidget* parent, const char* name, const QString& accessibleName,
                        int minimum, int maximum, int value, const QRect& place) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessibleName);
    box->setRange(minimum, maximum);
    box->setValue(value);
    box->setGeometry(place);
    return box;
}

QComboBox* PageComboBox(QWidget* parent, const char* name, const QString& accessibleName,
                        const QRect& place) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(accessibleName);
    box->setGeometry(place);
    return box;
}

ColorShape* PageColorShape(QWidget* parent, const char* name, const QString& accessibleName,
                           const QRect& place) {
    auto* shape = new ColorShape(parent);
    shape->setObjectName(QString::fromLatin1(name));
    shape->setAccessibleName(accessibleName);
    shape->setGeometry(place);
    shape->setCursor(Qt::PointingHandCursor);
    return shape;
}

QButtonGroup* PageRadioGroup(QWidget* box, const QStringList& captions) {
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < captions.size(); ++i)
        group->addButton(new QRadioButton(captions.at(i), box), i);
    return group;
}
