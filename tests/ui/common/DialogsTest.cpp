#include "support/ui/UiTestSupport.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using namespace ondrix;
using namespace ondrix::test;

// The accessible-name check finds what a screen reader cannot name, never the parts Qt builds in a control.
TEST(UiTestSupport, FindsOnlyControlsWithoutAName)
{
    QWidget root;
    auto* layout = new QVBoxLayout(&root);
    auto* iconOnly = new QPushButton;
    iconOnly->setObjectName(u"addButton"_s);
    auto* namedField = new QLineEdit;
    namedField->setAccessibleName(u"Host"_s);
    for (QWidget* control :
         std::initializer_list<QWidget*>{new QPushButton(u"Save"_s), iconOnly, new QLineEdit, namedField,
                                         new QSpinBox, new QCheckBox(u"Monitor"_s)}) {
        layout->addWidget(control);
    }
    const QStringList unnamed = controlsWithoutAccessibleName(&root);
    ASSERT_EQ(unnamed.size(), 3) << unnamed.join('\n'_L1).toStdString();
    // The field inside the spin box is the box's.
    EXPECT_TRUE(unnamed[0].contains("addButton"_L1) && unnamed[1].startsWith("QLineEdit"_L1) &&
                unnamed[2].startsWith("QSpinBox"_L1));
    EXPECT_GT(QFileInfo(saveScreenshot(&root, u"ui-test-support"_s)).size(), 0);
}
