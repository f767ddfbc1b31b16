#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QMenuBar;

namespace tombolin {

// One entry of the main window's menu tree.
struct EntradaMenu {
    // The menu it hangs from, with "/" before a submenu: "&General/S&encillas".
    QString menu;
    // Its control name; empty for a separator.
    QString control;
    QString texto;
    std::function<void()> orden;
    QKeySequence atajo = {};
    // It changes the data files: it waits while a download runs.
    bool cambiaFicheros = false;
};

// Builds the menus in the order of the entries. Returns the actions that change files.
std::vector<QAction*> CrearMenus(QMenuBar* barra, const std::vector<EntradaMenu>& entradas);

}  // namespace tombolin
