#pragma once

#include <QFile>
#include <QString>
#include <array>
#include <cstdint>

#include "core/fichero_registros.h"
#include "core/registros.h"

namespace tombolin {

// Names of the files in the program directory.
inline constexpr const char* kFicheroSorteos = "numeros.dat";
inline constexpr const char* kCopiaSorteos = "numeros.bak";
inline constexpr const char* kTemporalSorteos = "numeros.tmp";
inline constexpr const char* kFicheroPenas = "apuestas.dat";
inline constexpr const char* kTemporalPenas = "apuestas.tmp";
inline constexpr const char* kFicheroConfiguracion = "nums.ini";
inline constexpr const char* kTemporalConfiguracion = "nums.tmp";
inline constexpr const char* kFicheroTablas = "tablas.bin";
inline constexpr const char* kFicheroDescarga = "www.txt";
inline constexpr const char* kFicheroNoticias = "informe.dat";
inline constexpr const char* kFicheroBloqueo = "tombolin.lock";
// The report store and the two report definitions installed beside the program.
inline constexpr const char* kFicheroInformes = "Tombolin.mdb";
inline constexpr const char* kDefinicionEstadisticas = "Tombolin.net";
inline constexpr const char* kDefinicionPena = "Tombolin1.net";

// The program directory with a separator at its end; a root ("/" or "C:/") already has one.
QString RutaConSeparador(const QString& carpeta);

// The program-wide state: the open data files and what the windows share. Owned by the main
// window and handed to the others by reference.
struct Estado {
    Estado() = default;
    Estado(const Estado&) = delete;
    Estado& operator=(const Estado&) = delete;

    QString RutaPrograma;  // the user's files; ends with a separator
    QString Fichero(const char* nombre) const { return RutaPrograma + QLatin1String(nombre); }
    // The files shipped with the program ("tablas.bin", the history, the report definitions):
    // beside the user's files, or in the installed share folder. Ends with a separator.
    QString RutaCompartida;
    QString FicheroCompartido(const char* nombre) const {
        return (RutaCompartida.isEmpty() ? RutaPrograma : RutaCompartida) + QLatin1String(nombre);
    }

    // The files held open for the whole run.
    FicheroRegistros Penas{Pena::kLongitud};             // "apuestas.dat"
    FicheroRegistros Sorteos{Sorteo::kLongitud};         // "numeros.dat"
    FicheroRegistros Ajustes{Configuracion::kLongitud};  // "nums.ini"
    QFile Descarga;                                      // "www.txt"

    // The next free record of each file, from the file itself: never out of step with it.
    int SorteoLibre() const { return Sorteos.Cuenta() + 1; }
    int PenaLibre() const { return Penas.Cuenta() + 1; }
    Sorteo SorteoActual;  // the most recent draw after each refresh; all zero without draws
    int PenaActual = 0;   // syndicate selected in the list; 0 when none
    Pena PenaCargada;     // the current syndicate buffer, loaded from PenaActual
    Configuracion Config;

    // The numbers ranked by the statistics, most frequent first; the editor opened with numbers
    // already chosen marks the first ones.
    std::array<int16_t, 49> NumerosOrdenados = [] {
        std::array<int16_t, 49> n{};
        for (int i = 0; i < 49; ++i) n[i] = static_cast<int16_t>(i + 1);
        return n;
    }();

    // Set by the secondary windows for the next activation of the main window.
    bool ModoEdicion = false;
    bool PenasCambiadas = false;
    // The editor was opened on chosen numbers (a syndicate being edited, or the statistics'
    // choice): it closes after saving rather than clearing itself for another syndicate.
    bool CerrarEditorAlGuardar = false;
};

}  // namespace tombolin
