// The in-house main menu (TVxMainMenu).

#include "gui/controls/Controls.h"

#include <QActionEvent>
#include <QApplication>
#include <QFontInfo>
#include <QMenu>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <cstdlib>

// ---------------------------------------------------------------- main menu

// Gives every item of a menu (but not its separators) the height of
// TVxMainMenu::itemHeight; everything else is left to the application style.
class TVxMenuItemStyle : public QProxyStyle {
public:
    TVxMenuItemStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type != CT_MenuItem)
            return result;
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (item && item->menuItemType != QStyleOptionMenuItem::Separator)
            result.setHeight(TVxMainMenu::itemHeight(widget));
        return result;
    }
};

TVxMainMenu::TVxMainMenu(QWidget* parent) : QMenuBar(parent), itemStyle_(std::make_unique<TVxMenuItemStyle>()) {}

TVxMainMenu::~TVxMainMenu()
{
    // Menus may outlive the bar (or die after the style among its children);
    // hand them back to the application style first.
    for (const QPointer<QMenu>& menu : menus_) {
        if (menu) {
            menu->removeEventFilter(this);
            menu->setStyle(nullptr);
        }
    }
}

int TVxMainMenu::itemHeight(const QWidget* menu)
{
    const QFont font = menu ? menu->font() : QApplication::font("QMenu");
    return std::abs(QFontInfo(font).pixelSize()) + 4;
}

void TVxMainMenu::adoptMenu(QMenu* menu)
{
    if (!menu)
        return;
    menus_.erase(std::remove(menus_.begin(), menus_.end(), nullptr), menus_.end());
    if (std::find(menus_.begin(), menus_.end(), menu) != menus_.end())
        return;
    menus_.emplace_back(menu);
    menu->setStyle(itemStyle_.get());
    menu->installEventFilter(this);
    for (QAction* action : menu->actions())
        adoptMenu(action->menu());
}

// The height rule is in place before the bar (or a menu, below) lays out its
// changed items.
void TVxMainMenu::actionEvent(QActionEvent* event)
{
    if (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionChanged)
        adoptMenu(event->action()->menu());
    QMenuBar::actionEvent(event);
}

bool TVxMainMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ActionAdded || event->type() == QEvent::ActionChanged) {
        if (qobject_cast<QMenu*>(watched))
            adoptMenu(static_cast<QActionEvent*>(event)->action()->menu());
    }
    return QMenuBar::eventFilter(watched, event);
}
