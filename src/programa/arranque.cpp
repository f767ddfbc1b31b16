#include "programa/arranque.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStringList>

#include "core/arranque.h"
#include "core/configuracion.h"
#include "core/fechas.h"
#include "core/sorteos.h"
#include "programa/mensajes.h"
#include "programa/ordenes_sorteos.h"

namespace tombolin {

namespace {

// What each file the user may have left behind holds, as the question names it.
QString QueGuarda(const QString& fichero) {
    if (fichero == QLatin1String(kFicheroPenas)) return QStringLiteral("las peñas (apuestas.dat)");
    if (fichero == QLatin1String(kFicheroSorteos))
        return QStringLiteral("los sorteos (numeros.dat)");
    return QStringLiteral("la configuración (nums.ini)");
}

// "a, b y c".
QString Enumerar(const QStringList& partes) {
    if (partes.size() < 2) return partes.join(QString());
    return partes.mid(0, partes.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" y ") +
           partes.back();
}

}  // namespace

Arranque::Arranque(Estado& estado, Dialogos& dialogos, const Reloj& reloj)
    : estado_(estado), dialogos_(dialogos), reloj_(reloj) {}

Arranque::~Arranque() = default;

void Arranque::Avisar(const QString& texto, Icono icono) {
    dialogos_.Mensaje(texto, icono, Botones::Aceptar, TituloVayaHombre());
}

bool Arranque::Preparar(const QString& programaSinEscritura) {
    Estado& e = estado_;
    QDir::setCurrent(e.RutaPrograma);
    if (!Bloquear()) return false;
    BorrarTemporales(e);
    if (!programaSinEscritura.isEmpty()) TraerDatosDe(programaSinEscritura);
    if (!ApartarImposibles()) return false;
    const QString aviso = AbrirFicheros(e);
    if (!aviso.isEmpty()) Avisar(aviso);
    const QString faltan = FaltanTablas(e);
    if (!faltan.isEmpty()) {
        Avisar(faltan);
        return false;
    }
    LeerConfiguracion(e);
    // An old-format file is expected to have bytes over; once converted it has none.
    if (!ConvertirSiAntiguo(e, dialogos_)) {
        for (const QString& a : AvisosRegistrosIncompletos(e)) Avisar(a);
    }
    AvisarImposibles();
    AbrirPremios();
    return true;
}

void Arranque::AbrirPremios() {
    const AlmacenPremios::Apertura a = premios_.Abrir(estado_);
    const QString fichero = QLatin1String(AlmacenPremios::kFichero);
    if (!a.apartado.isEmpty()) {
        Avisar(QStringLiteral("El archivo de los importes de los premios, «") + fichero +
               QStringLiteral("», estaba dañado: se ha apartado entero como «") + a.apartado +
               QStringLiteral("» y se empieza otro. Los importes volverán con las descargas."));
    } else if (a.error) {
        // The prizes are still counted; only their amounts wait.
        Avisar(CausaEscritura(a.error, estado_.Fichero(AlmacenPremios::kFichero)) +
               QStringLiteral("\nLos premios se siguen contando, pero sus importes quedarán "
                              "pendientes."));
    }
}

bool Arranque::Bloquear() {
    // One program at a time on the same data: a second one would write over the first's changes.
    // A lock left by a program that died is taken over (its process is gone).
    bloqueo_ = std::make_unique<QLockFile>(estado_.Fichero(kFicheroBloqueo));
    bloqueo_->setStaleLockTime(0);
    QFile comprobando(estado_.Fichero(kFicheroComprobando));
    if (bloqueo_->tryLock(0)) {
        // Whoever had it before is gone; what it said of itself, too.
        if (!comprobacion_) comprobando.remove();
        if (comprobacion_) {
            // Whole or not at all: a window reading it half-written would not wait.
            QSaveFile quien(comprobando.fileName());
            if (quien.open(QIODevice::WriteOnly)) {
                quien.write(QByteArray::number(QCoreApplication::applicationPid()));
                quien.commit();
            }
        }
        return true;
    }
    qint64 pid = 0;
    QString maquina, programa;
    bloqueo_->getLockInfo(&pid, &maquina, &programa);
    // The check without a window ends by itself in a moment: worth waiting for.
    const bool esComprobacion = comprobando.open(QIODevice::ReadOnly) &&
                                comprobando.readAll().trimmed() == QByteArray::number(pid);
    comprobando.close();
    if (!comprobacion_ && esComprobacion) {
        if (dialogos_.Esperar(
                QStringLiteral("Comprobando… Tombolin está bajando los sorteos nuevos y "
                               "comprobando las peñas por su cuenta. El programa se abrirá en "
                               "cuanto termine."),
                QStringLiteral("Comprobando…"), [this] { return bloqueo_->tryLock(0); }))
            return true;
        // Given up: there is no window to go to.
        Avisar(QStringLiteral("Tombolin está comprobando los sorteos nuevos por su cuenta "
                              "(proceso %1). Abra el programa otra vez cuando termine.")
                   .arg(pid),
               Icono::Informacion);
    } else {
        Avisar(QStringLiteral("Tombolin ya está abierto con estos datos (proceso ") +
               QString::number(pid) +
               QStringLiteral("). Use esa ventana, o ciérrela antes de abrir el programa otra "
                              "vez."));
    }
    ocupado_ = true;
    bloqueo_.reset();
    return false;
}

void Arranque::Terminar() {
    estado_.Penas.Cerrar();
    estado_.Sorteos.Cerrar();
    estado_.Ajustes.Cerrar();
    estado_.Descarga.close();
    premios_.Cerrar();
    if (comprobacion_) QFile::remove(estado_.Fichero(kFicheroComprobando));
    if (bloqueo_) bloqueo_->unlock();
}

void Arranque::TraerDatosDe(const QString& programa) {
    const QString datos = QDir(estado_.RutaPrograma).absolutePath();
    // Only the first time: once the per-user folder holds data files, it is the user's home.
    for (const char* f : {kFicheroPenas, kFicheroSorteos, kFicheroConfiguracion}) {
        if (QFileInfo::exists(estado_.Fichero(f))) return;
    }
    const QString donde =
        QStringLiteral(
            "La carpeta del programa (%1) no se puede escribir, así que Tombolin guarda "
            "sus datos en %2.")
            .arg(QDir::toNativeSeparators(programa), QDir::toNativeSeparators(datos));
    const QStringList atras = DatosQueQuedanAtras(programa, datos);
    if (atras.isEmpty()) {
        dialogos_.Mensaje(donde, Icono::Informacion, Botones::Aceptar,
                          QStringLiteral("Carpeta de datos"));
        return;
    }
    QStringList que;
    for (const QString& f : atras) que << QueGuarda(f);
    const QString pregunta =
        donde + QStringLiteral("\nEn la carpeta del programa hay datos suyos: ") + Enumerar(que) +
        QStringLiteral(
            ". ¿Quiere copiarlos a la carpeta nueva para seguir usándolos? Los "
            "originales se quedan donde están.");
    if (dialogos_.Mensaje(pregunta, Icono::Pregunta, Botones::SiNo,
                          QStringLiteral("Carpeta de datos")) != Respuesta::Si)
        return;
    if (const Error error = CopiarDatos(programa, datos, atras)) {
        Avisar(QStringLiteral("No se han podido copiar sus datos a %1 (Error %2). Siguen en %3; "
                              "puede copiarlos a mano con el programa cerrado.")
                   .arg(QDir::toNativeSeparators(datos))
                   .arg(error.Numero)
                   .arg(QDir::toNativeSeparators(programa)));
    }
}

bool Arranque::ApartarImposibles() {
    bool seguir = true;
    for (const FicheroApartado& f : ApartarFicherosImposibles(estado_, reloj_.Hoy())) {
        const QString porque =
            QStringLiteral("El archivo %1 no puede ser de Tombolin: %2.").arg(f.nombre, f.motivo);
        if (f.apartado.isEmpty()) {
            Avisar(porque +
                   QStringLiteral("\nNo se ha podido apartar, y el programa se cierra para no "
                                  "escribir sobre él. Muévalo a otra carpeta (%1) y vuelva a "
                                  "abrir el programa.")
                       .arg(QDir::toNativeSeparators(estado_.RutaPrograma)));
            seguir = false;
            continue;
        }
        Avisar(porque +
               QStringLiteral("\nSe ha apartado entero, sin cambiar nada, como %1, y el programa "
                              "sigue como si no existiera.")
                   .arg(f.apartado));
    }
    return seguir;
}

void Arranque::AvisarImposibles() {
    const std::vector<SorteoImposible> imposibles =
        SepararImposibles(LeerTodosLosSorteos(estado_.Sorteos)).Imposibles;
    if (imposibles.empty()) return;
    // Enough to find them; a file full of them is named by its first ones.
    constexpr size_t kNombrados = 10;
    QStringList lineas;
    for (size_t i = 0; i < imposibles.size() && i < kNombrados; ++i) {
        const SorteoImposible& s = imposibles[i];
        lineas << QStringLiteral("- registro %1, %2: %3")
                      .arg(s.Registro)
                      .arg(s.Fecha.isValid() ? FechaCorta(s.Fecha) : QStringLiteral("sin fecha"),
                           s.Motivo);
    }
    if (imposibles.size() > kNombrados)
        lineas << QStringLiteral("- y %1 más.").arg(imposibles.size() - kNombrados);
    const bool uno = imposibles.size() == 1;
    Avisar(QStringLiteral("El archivo numeros.dat tiene %1 que ningún sorteo real podría ser; "
                          "no se usa%2 en las comprobaciones ni en las estadísticas, y el archivo "
                          "no se ha modificado:\n")
               .arg(uno ? QStringLiteral("un registro")
                        : QStringLiteral("%1 registros").arg(imposibles.size()),
                    uno ? QString() : QStringLiteral("n")) +
           lineas.join(QLatin1Char('\n')));
}

}  // namespace tombolin
