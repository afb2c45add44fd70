#include "support/ui/UiTestSupport.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTextEdit>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace ondrix::test {

static bool isInteractive(QWidget* widget)
{
    return qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
           qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractSpinBox*>(widget) ||
           qobject_cast<QAbstractSlider*>(widget) || qobject_cast<QAbstractItemView*>(widget) ||
           qobject_cast<QTextEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget);
}

static bool isPartOfAnotherControl(QWidget* widget)
{
    // Line edits inside spin boxes and combo boxes, scroll bars of views, the buttons Qt adds to tab bars:
    // the assistive tools reach these through their owner.
    for (QWidget* parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        if (qobject_cast<QAbstractSpinBox*>(parent) || qobject_cast<QComboBox*>(parent) ||
            qobject_cast<QAbstractItemView*>(parent)) {
            return true;
        }
    }
    return widget->objectName().startsWith("qt_"_L1);
}

QStringList visibleTexts(QWidget* root)
{
    QStringList texts{root->windowTitle()};
    for (QWidget* w : root->findChildren<QWidget*>()) {
        texts << w->accessibleName() << w->toolTip();
        if (auto* label = qobject_cast<QLabel*>(w)) {
            texts << label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            texts << button->text();
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            texts << box->title();
        } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
            texts << field->placeholderText();
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                texts << tabs->tabText(i);
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i) {
                texts << combo->itemText(i);
            }
        }
    }
    texts.removeAll(QString());
    return texts;
}

QString saveScreenshot(QWidget* widget, const QString& name)
{
    const QString folder =
        qEnvironmentVariable("ONDRIX_SCREENSHOT_DIR", QDir::currentPath() + u"/screenshots"_s);
    QDir().mkpath(folder);
    const QString path = folder + '/'_L1 + name + u".png"_s;
    widget->grab().save(path);
    return path;
}

QStringList controlsWithoutAccessibleName(QWidget* root)
{
    QStringList unnamed;
    for (QWidget* widget : QList<QWidget*>{root} + root->findChildren<QWidget*>()) {
        if (!isInteractive(widget) || isPartOfAnotherControl(widget)) {
            continue;
        }
        const QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        const QString name = widget->accessibleName().isEmpty() && iface ? iface->text(QAccessible::Name)
                                                                         : widget->accessibleName();
        if (name.trimmed().isEmpty()) {
            const auto* button = qobject_cast<QAbstractButton*>(widget);
            unnamed << u"%1 %2 '%3'"_s.arg(QString::fromLatin1(widget->metaObject()->className()),
                                           widget->objectName(), button ? button->text() : QString());
        }
    }
    return unnamed;
}

} // namespace ondrix::test
