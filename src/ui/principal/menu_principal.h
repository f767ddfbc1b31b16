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

// What the main window's menu entries do.
struct OrdenesMenu {
    std::function<void()> bajar, completarImportes, crearPena, borrarSorteos, salir, configurar,
        instrucciones, leerMensaje, web, acerca;
    // A results list (the multiples' or the others'), and its two options: prizes only and the
    // draws before a syndicate's creation, each 1 or 0, or -1 to leave it as it is.
    std::function<void(bool multiple, int soloPremios, int historico)> resultados;
    std::function<void(int pestana)> pestana;
};
// The main window's menu tree, in one table.
std::vector<EntradaMenu> MenuPrincipal(const OrdenesMenu& o);

}  // namespace tombolin
