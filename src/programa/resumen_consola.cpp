#include "programa/resumen_consola.h"

#include <QDir>
#include <QFile>

#include "checking/comprobacion.h"
#include "core/configuracion.h"
#include "core/estado.h"
#include "core/fichero_registros.h"
#include "core/sorteos.h"
#include "results/almacen_premios.h"

namespace tombolin {

QString EurosConPunto(int64_t centimos) {
    const int64_t a = centimos < 0 ? -centimos : centimos;
    return (centimos < 0 ? QStringLiteral("-") : QString()) + QString::number(a / 100) +
           QLatin1Char('.') + QStringLiteral("%1").arg(a % 100, 2, 10, QLatin1Char('0'));
}

int ImprimirResumen(const QString& carpeta, QTextStream& salida, QTextStream& errores) {
    Estado estado;
    estado.RutaPrograma = QDir(carpeta).absolutePath() + QLatin1Char('/');
    QFile penas(estado.Fichero(kFicheroPenas));
    if (!penas.open(QIODevice::ReadOnly)) {
        errores << "No se pueden leer las peñas: " << QDir::toNativeSeparators(penas.fileName())
                << " (" << penas.errorString() << ").\n";
        return 1;
    }
    const std::vector<Pena> todas =
        FicheroRegistros::DecodificarTodos(penas.readAll(), DecodificarPena);
    const std::vector<Sorteo> sorteos =
        SepararImposibles(LeerSorteosDe(estado.Fichero(kFicheroSorteos))).Sorteos;
    bool reparados = false;
    const Configuracion ajustes = AjustesLeidos(estado.Fichero(kFicheroConfiguracion), reparados);
    AlmacenPremios almacen;
    std::ignore = almacen.Abrir(estado, true);  // what can't be read leaves the amounts pending
    const std::vector<ImportesPena> importes =
        CalcularImportes(sorteos, todas, almacen.Leer(), ajustes.PrecioApuesta);
    salida << "peña\tsorteos\tgastado\tganado\tbalance\tpendientes\n";
    for (size_t i = 0; i < todas.size(); ++i) {
        const ImportesPena& d = importes[i];
        salida << todas[i].NombreVisible().trimmed() << '\t' << d.Sorteos << '\t'
               << EurosConPunto(d.Gastado) << '\t' << EurosConPunto(d.Ganado) << '\t'
               << EurosConPunto(d.Balance()) << '\t' << d.Pendientes << '\n';
    }
    salida.flush();
    return 0;
}

}  // namespace tombolin
