#include "ui/popover/PopoverStyle.h"

#include "ui/popover/PopoverIcons.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QVariant>

namespace ondrix::PopoverStyle {

namespace {

const char* const kSymbolProperty = "popoverSymbol";
const char* const kToneProperty = "popoverTone";
const char* const kSymbolToneProperty = "popoverSymbolTone";
const char* const kSymbolSizeProperty = "popoverSymbolSize";

// A widget's own palette may be one set before the desktop's changed: its parent's is the current one.
const QWidget* owner(const QWidget* widget)
{
    return widget->parentWidget() ? widget->parentWidget() : widget;
}

} // namespace

void setTone(QWidget* label, PopoverTone tone)
{
    label->setProperty(kToneProperty, int(tone));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, PopoverIcons::textColour(tone, owner(label)->palette()));
    label->setPalette(palette);
}

QLabel* symbolLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFixedSize(16, 16);
    return label;
}

void showSymbol(QLabel* label, PopoverSymbol symbol, PopoverTone tone, int size)
{
    label->setProperty(kSymbolProperty, int(symbol));
    label->setProperty(kSymbolToneProperty, int(tone));
    label->setProperty(kSymbolSizeProperty, size);
    label->setPixmap(PopoverIcons::pixmap(symbol, PopoverIcons::colour(tone, owner(label)->palette()), size,
                                          label->devicePixelRatioF()));
}

void setSymbolIcon(QAbstractButton* button, PopoverSymbol symbol)
{
    button->setProperty(kSymbolProperty, int(symbol));
    // The parent's palette: a button with a style sheet keeps the one it had when the sheet was applied.
    button->setIcon(PopoverIcons::icon(symbol, owner(button)->palette(), 16));
}

QWidget* divider(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setFixedHeight(1);
    QPalette palette = line->palette();
    QColor colour = palette.color(QPalette::WindowText);
    colour.setAlphaF(0.15f);
    palette.setColor(QPalette::WindowText, colour);
    line->setPalette(palette);
    return line;
}

QLabel* sectionTitle(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.82);
    font.setWeight(QFont::DemiBold);
    font.setLetterSpacing(QFont::PercentageSpacing, 106);
    label->setFont(font);
    // Capitals with accents ("AKTIVITÄT", "ÉTAT") reach above the font's ascent at this size: room above them
    // keeps the marks from being cut off.
    label->setContentsMargins(0, 2, 0, 0);
    setTone(label, PopoverTone::secondary);
    return label;
}

QLabel* secondaryLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    setTone(label, PopoverTone::secondary);
    return label;
}

void restyle(QWidget* root)
{
    const QList<QWidget*> widgets = root->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        const QVariant tone = widget->property(kToneProperty);
        if (tone.isValid()) {
            setTone(widget, PopoverTone(tone.toInt()));
        }
        auto* label = qobject_cast<QLabel*>(widget);
        const QVariant symbolTone = widget->property(kSymbolToneProperty);
        if (label && symbolTone.isValid()) {
            showSymbol(label, PopoverSymbol(widget->property(kSymbolProperty).toInt()),
                       PopoverTone(symbolTone.toInt()), widget->property(kSymbolSizeProperty).toInt());
        }
        auto* button = qobject_cast<QAbstractButton*>(widget);
        const QVariant symbol = widget->property(kSymbolProperty);
        if (button && symbol.isValid()) {
            setSymbolIcon(button, PopoverSymbol(symbol.toInt()));
        }
    }
}

} // namespace ondrix::PopoverStyle
