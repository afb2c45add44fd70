#include "ui/popover/PopoverFooter.h"

#include "ui/popover/PopoverStyle.h"

#include <QGridLayout>
#include <QPushButton>

namespace ondrix {

using namespace PopoverStyle;

namespace {

QString footerStyle(const QPalette& palette)
{
    return QStringLiteral(
               "QPushButton { text-align: left; padding: 4px 6px; border: none; border-radius: 5px;"
               " color: %1; }"
               "QPushButton:hover, QPushButton:focus { background: palette(midlight); }"
               "QPushButton:pressed { background: palette(mid); }")
        .arg(palette.color(QPalette::WindowText).name(QColor::HexArgb));
}

} // namespace

PopoverFooter::PopoverFooter(const MenuBarActions& actions, QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(kSideMargin - 4, 4, kSideMargin - 4, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    const auto entry = [&](const QString& text, PopoverSymbol symbol, const std::function<void()>& action) {
        auto* b = new QPushButton(text, this);
        setSymbolIcon(b, symbol);
        b->setFlat(true);
        b->setStyleSheet(footerStyle(palette()));
        connect(b, &QPushButton::clicked, this, [action] {
            if (action) {
                action();
            }
        });
        m_buttons.append(b);
        return b;
    };
    QList<QPushButton*> entries;
    entries << entry(tr("History..."), PopoverSymbol::history, actions.onViewHistory);
    entries << entry(tr("Log..."), PopoverSymbol::text, actions.onViewLog);
    entries << entry(tr("Settings..."), PopoverSymbol::settings, actions.onSettings);
    if (actions.onCheckForUpdates) {
        entries << entry(tr("Check for Updates..."), PopoverSymbol::checkForUpdates,
                         actions.onCheckForUpdates);
    }
    entries << entry(tr("About Ondrix"), PopoverSymbol::about, actions.onAbout);
    for (int i = 0; i < entries.size(); ++i) {
        grid->addWidget(entries[i], i / 2, i % 2);
    }
    // Quit stands apart, on the right below the others.
    QPushButton* quit = entry(tr("Quit"), PopoverSymbol::quit, actions.onQuit);
    const int lastRow = int(entries.size() - 1) / 2;
    grid->addWidget(quit, entries.size() % 2 == 1 ? lastRow : lastRow + 1, 1);
}

void PopoverFooter::restyle()
{
    for (QPushButton* entry : std::as_const(m_buttons)) {
        entry->setStyleSheet(footerStyle(palette()));
    }
}

} // namespace ondrix
