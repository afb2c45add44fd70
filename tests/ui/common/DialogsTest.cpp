// The interface tests' own tools: the accessible-name check must find what a screen reader cannot name,
// and must not demand names for the parts Qt builds inside a control.
#include "support/ui/UiTestSupport.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

using namespace ondrix;
using namespace ondrix::test;

TEST(UiTestSupport, FindsOnlyControlsWithoutAName)
{
    QWidget root;
    auto* layout = new QVBoxLayout(&root);
    auto* labelled = new QPushButton(QStringLiteral("Save"));
    auto* iconOnly = new QPushButton;
    iconOnly->setObjectName(QStringLiteral("addButton"));
    auto* field = new QLineEdit;
    auto* namedField = new QLineEdit;
    namedField->setAccessibleName(QStringLiteral("Host"));
    auto* stepper = new QSpinBox;
    stepper->setAccessibleName(QStringLiteral("Simultaneous uploads"));
    layout->addWidget(labelled);
    layout->addWidget(iconOnly);
    layout->addWidget(field);
    layout->addWidget(namedField);
    layout->addWidget(stepper);
    layout->addWidget(new QCheckBox(QStringLiteral("Monitor subfolders")));

    const QStringList unnamed = controlsWithoutAccessibleName(&root);
    ASSERT_EQ(unnamed.size(), 2) << unnamed.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(unnamed[0].contains(QLatin1String("addButton")));
    EXPECT_TRUE(unnamed[1].startsWith(QLatin1String("QLineEdit")));

    const QString png = saveScreenshot(&root, QStringLiteral("ui-test-support"));
    EXPECT_GT(QFileInfo(png).size(), 0);
}
