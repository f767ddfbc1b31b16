#include "programa/mensajes.h"

#include <QDir>
#include <QFileInfo>

#include "core/configuracion.h"

namespace tombolin {

QString TituloVayaHombre() {
    return QStringLiteral("¡Vaya hombre!");
}

void MensajePermiso(Dialogos& dialogos) {
    const QString texto = QStringLiteral(
        "Para modificar el archivo necesita permiso de Administrador.\r\n"
        "Cierre el programa y ejecútelo en modo Administrador y repita la "
        "operación.\r\n"
        "(Encima del icono, botón derecho y elija \"Ejecutar como "
        "administrador\")");
    dialogos.Mensaje(texto, Icono::Exclamacion, Botones::Aceptar,
                     QStringLiteral("Error de permiso"));
}

void InformarErrorFichero(Dialogos& dialogos, const Error& error, const QString& fichero) {
    if (!error) return;
    if (error.EsDePermiso()) {
        MensajePermiso(dialogos);
        return;
    }
    QString texto = QStringLiteral("No se ha podido modificar el archivo ") + fichero +
                    QStringLiteral(". El archivo se conserva como estaba.");
    if (error.Numero == Error::kDiscoLleno) texto += QStringLiteral(" El disco está lleno.");
    texto += QStringLiteral(" Error ") + QString::number(error.Numero);
    dialogos.Mensaje(texto, Icono::Exclamacion, Botones::Aceptar, TituloVayaHombre());
}

QString CausaEscritura(const Error& error, const QString& ruta) {
    const QString fichero = QDir::toNativeSeparators(ruta);
    if (error.EsDePermiso()) {
        // Writing a file may need its folder too (the scratch file, the store's journal).
        return QStringLiteral("No se puede escribir en el archivo ") + fichero +
               QStringLiteral(" o en su carpeta ") +
               QDir::toNativeSeparators(QFileInfo(ruta).absolutePath()) +
               QStringLiteral(". Compruebe que su usuario tiene permiso para escribir en los dos.");
    }
    if (error.Numero == Error::kDiscoLleno)
        return QStringLiteral("No se puede escribir en el archivo ") + fichero +
               QStringLiteral(": el disco está lleno.");
    return QStringLiteral("No se puede escribir en el archivo ") + fichero + QLatin1Char('.');
}

bool HayPenaElegida(const Estado& estado, Dialogos& dialogos) {
    if (estado.PenaActual != 0) return true;
    dialogos.Mensaje(QStringLiteral("Seleccione una peña primero..."), Icono::Informacion,
                     Botones::Aceptar, QStringLiteral("¡Nooooo!"));
    return false;
}

bool EmpezarImpresion(Dialogos& dialogos, Impresora& impresora, const QString& titulo) {
    if (!dialogos.ElegirImpresora(impresora)) return false;
    if (impresora.Empezar(titulo)) return true;
    dialogos.Mensaje(QStringLiteral("No se puede imprimir: la impresora no responde. Compruebe "
                                    "que está encendida y bien instalada."),
                     Icono::Exclamacion, Botones::Aceptar, TituloVayaHombre());
    return false;
}

void GuardarAjustes(Estado& estado, Dialogos& dialogos, bool& avisado) {
    if (const Error error = GuardarConfiguracion(estado); error && !avisado) {
        avisado = true;
        InformarErrorFichero(dialogos, error, QLatin1String(kFicheroConfiguracion));
    }
}

}  // namespace tombolin
