#include "ui/principal/menu_principal.h"

#include <QAction>
#include <QMap>
#include <QMenu>
#include <QMenuBar>

namespace tombolin {

std::vector<QAction*> CrearMenus(QMenuBar* barra, const std::vector<EntradaMenu>& entradas) {
    std::vector<QAction*> cambian;
    QMap<QString, QMenu*> menus;
    const auto menu = [&](const QString& ruta, const auto& yo) -> QMenu* {
        if (QMenu* m = menus.value(ruta)) return m;
        const qsizetype barraRuta = ruta.lastIndexOf(QLatin1Char('/'));
        QMenu* m = barraRuta < 0 ? barra->addMenu(ruta)
                                 : yo(ruta.left(barraRuta), yo)->addMenu(ruta.mid(barraRuta + 1));
        menus.insert(ruta, m);
        return m;
    };
    for (const EntradaMenu& e : entradas) {
        QMenu* m = menu(e.menu, menu);
        if (e.control.isEmpty()) {
            m->addSeparator();
            continue;
        }
        QAction* a = m->addAction(e.texto);
        a->setObjectName(e.control);
        if (!e.atajo.isEmpty()) a->setShortcut(e.atajo);
        QObject::connect(a, &QAction::triggered, a, e.orden);
        if (e.cambiaFicheros) cambian.push_back(a);
    }
    return cambian;
}

}  // namespace tombolin
