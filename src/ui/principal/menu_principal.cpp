#include "ui/principal/menu_principal.h"

#include <QAction>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

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
    // The "»" Qt shows for the menus a narrow window has no room for: only a picture.
    if (auto* mas = barra->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button")))
        mas->setAccessibleName(QStringLiteral("Más menús"));
    return cambian;
}

std::vector<EntradaMenu> MenuPrincipal(const OrdenesMenu& o) {
    const QString general = QStringLiteral("&General");
    const QString ver = QStringLiteral("&Ver");
    const QString opciones = QStringLiteral("&Opciones");
    const QString ayuda = QStringLiteral("A&yuda");
    std::vector<EntradaMenu> e = {
        {general, QStringLiteral("Baja"), QStringLiteral("Bajar &Sorteos nuevos"), o.bajar,
         QKeySequence(Qt::Key_F5)},
        // It waits for a download, with which it shares the transfer.
        {general,
         QStringLiteral("completarImportes"),
         QStringLiteral("Completar &importes"),
         o.completarImportes,
         {},
         true},
        {general, QStringLiteral("Crearp"), QStringLiteral("Crear peña &nueva"), o.crearPena,
         QKeySequence::New, true},
        {general,
         QStringLiteral("borrpe"),
         QStringLiteral("&Borrar sorteos almacenados/Reset aciertos peñas"),
         o.borrarSorteos,
         {},
         true},
    };
    // The results menus: each entry shows the results tab and the list, then sets the two
    // options, prizes only and the draws before a syndicate's creation (-1 leaves one as it is).
    const struct {
        const char* sencilla;
        const char* multiple;
        const char* texto;
        int soloPremios;
        int historico;
    } resultados[] = {
        {"sencillas", "Multiples", "&Todos los resultados", -1, -1},
        {"verpremio", "verpremiom", "&Sólo si hay premio", 1, 0},
        {"verhisto", "verhistom",
         "&Histórico (resultados sorteos anteriores a la fecha de creación de las peñas)", 0, 1},
        {"verprehi", "verpreim", "Sólo si hay premios + &histórico", 1, 1},
    };
    for (bool multiple : {false, true}) {
        const QString menu =
            general + (multiple ? QStringLiteral("/&Múltiples") : QStringLiteral("/S&encillas"));
        for (const auto& r : resultados) {
            QString texto = QString::fromUtf8(r.texto);
            // The multiples' entry has always read so.
            if (multiple) texto.replace(QStringLiteral("creación"), QStringLiteral("creacón"));
            const int soloPremios = r.soloPremios;
            const int historico = r.historico;
            e.push_back({menu, QLatin1String(multiple ? r.multiple : r.sencilla), texto,
                         [mostrar = o.resultados, multiple, soloPremios, historico] {
                             mostrar(multiple, soloPremios, historico);
                         }});
        }
    }
    e.push_back({general, {}, {}, {}});
    e.push_back({general, QStringLiteral("salir"), QStringLiteral("&Salir"), o.salir,
                 QKeySequence(Qt::CTRL | Qt::Key_Q)});
    const char* const pestanas[][2] = {{"gene", "Pestaña &General"},
                                       {"ultimo", "Pestaña &Último sorteo"},
                                       {"Gestor", "Pestaña Gestor de &peñas"},
                                       {"esta", "Pestaña &Estadísticas"},
                                       {"comb", "Pestaña &Crear Combinación"}};
    for (int i = 0; i < 5; ++i) {
        e.push_back({ver, QLatin1String(pestanas[i][0]), QString::fromUtf8(pestanas[i][1]),
                     [p = o.pestana, i] { p(i); },
                     QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + i))});
    }
    e.push_back(
        {opciones, QStringLiteral("confi"), QStringLiteral("&Configuración"), o.configurar});
    e.push_back({ayuda, QStringLiteral("instrucciones"), QStringLiteral("&Instrucciones"),
                 o.instrucciones, QKeySequence::HelpContents});
    // The news window reads the file the news transfer writes.
    e.push_back({ayuda,
                 QStringLiteral("Leer"),
                 QStringLiteral("&Leer mensaje del Jefe"),
                 o.leerMensaje,
                 {},
                 true});
    e.push_back({ayuda, QStringLiteral("web"), QStringLiteral("&Web del programa"), o.web});
    e.push_back({ayuda, QStringLiteral("acerca"), QStringLiteral("&Acerca de..."), o.acerca});
    return e;
}

}  // namespace tombolin
