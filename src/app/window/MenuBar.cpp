#include "app/window/MenuBar.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "editing/CommandMenus.h"

QMenu* MenuBar::Build(QMenuBar& bar, const std::map<CommandId, QAction*>& actions) {
    QMenu* recent = nullptr;
    for (const MenuDefinition& definition : MenuBarDefinition()) {
        QMenu* menu = bar.addMenu(QString::fromLatin1(definition.title));
        menu->setObjectName(QString::fromLatin1(definition.title).remove(QLatin1Char('&')));
        for (CommandId id : definition.items) {
            if (id == CommandId::None) {
                menu->addSeparator();
            } else if (id == kRecentProjects) {
                recent = menu->addMenu(QStringLiteral("Open &Recent"));
                recent->setObjectName(QStringLiteral("Open Recent"));
            } else {
                menu->addAction(actions.at(id));
            }
        }
    }
    return recent;
}
