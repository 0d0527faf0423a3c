#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class ColorShape;
class QButtonGroup;
class QComboBox;
class QPushButton;
class QSpinBox;
class QToolButton;
class QWidget;

// The controls the pages build again and again, each named for the tests
// and the settings and placed where the page's design puts it.

QPushButton* PageButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place);
// A button that stays down until clicked again.
QToolButton* PageToggle(QWidget* parent, const char* name, const QString& caption,
                        const QRect& place);
QSpinBox* PageNumberBox(QWidget* parent, const char* name, const QString& accessibleName,
                        int minimum, int maximum, int value, const QRect& place);
QComboBox* PageComboBox(QWidget* parent, const char* name, const QString& accessibleName,
                        const QRect& place);
// A colour sample the user clicks to set.
ColorShape* PageColorShape(QWidget* parent, const char* name, const QString& accessibleName,
                           const QRect& place);
// One radio button a caption inside `box`, numbered from 0 in the group;
// the caller lays them out.
QButtonGroup* PageRadioGroup(QWidget* box, const QStringList& captions);
