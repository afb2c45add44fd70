#pragma once

#include "ui/popover/PopoverSymbol.h"

#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

namespace ondrix {

// How the popover's parts look: toned texts, symbols drawn in a tone, section titles and dividers. Every
// widget made or toned here remembers its tone, so restyle() draws it again when the palette changes (dark
// and light desktops).
namespace PopoverStyle {

constexpr int kSideMargin = 12;

// A text in `tone`; status tones are made to read on the owner's window colour.
void setTone(QWidget* label, PopoverTone tone);
QLabel* symbolLabel(QWidget* parent);
void showSymbol(QLabel* label, PopoverSymbol symbol, PopoverTone tone, int size = 16);
void setSymbolIcon(QAbstractButton* button, PopoverSymbol symbol);
QWidget* divider(QWidget* parent);
QLabel* sectionTitle(const QString& text, QWidget* parent);
QLabel* secondaryLabel(const QString& text, QWidget* parent);
// Draws every toned text, symbol and symbol icon below `root` again in the current palette's colours.
void restyle(QWidget* root);

} // namespace PopoverStyle
} // namespace ondrix
