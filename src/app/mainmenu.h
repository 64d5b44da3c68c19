#pragma once

#include <QKeySequence>
#include <QList>
#include <array>
#include <vector>

class QObject;

namespace quorvel {

class TMainForm;

struct MenuTitle {
    const char* name;
    const char* caption;
};

// The menu bar's menus, left to right.
enum MenuIndex : std::size_t { kFileMenu, kViewMenu, kHelpMenu };
inline constexpr std::array<MenuTitle, 3> kMenuTitles{{
    {"File1", "ﾌｧｲﾙ(&F)"},
    {"View1", "表示(&V)"},
    {"Help1", "ﾍﾙﾌﾟ(&H)"},
}};

// One entry of a menu, named by its component name; a separator has no
// caption and no handler.
struct MenuCommand {
    MenuIndex menu;
    const char* name;
    const char* caption;
    QList<QKeySequence> shortcuts;
    void (TMainForm::*handler)(QObject*);
};

// Every menu entry in the order shown. Built when asked, because standard
// shortcuts are looked up in the running application's key bindings.
std::vector<MenuCommand> MenuCommands();

} // namespace quorvel
