#include "programa/comprobacion_automatica.h"

namespace tombolin {

namespace {

// Why the timer can't be used, from what systemctl said; empty when it can.
QString Motivo(int codigo, const QString& salida) {
    if (codigo < 0)
        return QStringLiteral(
            "No se puede: este sistema no tiene systemctl para programar la "
            "comprobación.");
    // "offline" (is-system-running): systemctl reads the files, but no manager runs timers.
    if (salida.trimmed() == QLatin1String("offline") ||
        salida.contains(QLatin1String("Failed to connect")) ||
        salida.contains(QLatin1String("No medium found")) ||
        salida.contains(QLatin1String("not been booted with systemd")) ||
        salida.contains(QLatin1String("$DBUS_SESSION_BUS_ADDRESS")) ||
        salida.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return QStringLiteral(
            "No se puede: esta sesión no tiene un gestor de servicios de "
            "usuario (systemd --user).");
    if (salida.contains(QLatin1String("not-found")) ||
        salida.contains(QLatin1String("No such file")) ||
        salida.contains(QLatin1String("does not exist")))
        return QStringLiteral(
            "No se puede: el temporizador tombolin-comprobar.timer no está "
            "instalado.");
    return {};
}

}  // namespace

void ComprobacionAutomatica::Consultar(std::function<void(const Situacion&)> hecho) {
    if (!systemctl_) {
        hecho({false, false,
               QStringLiteral("Sólo el programa instalado puede comprobar solo; esta copia no "
                              "lo está.")});
        return;
    }
    // is-enabled reads the unit files even with no manager running: the manager is asked first,
    // so that a session without one says so before the box is ticked.
    systemctl_->Ejecutar({QStringLiteral("--user"), QStringLiteral("is-system-running")},
                         [s = systemctl_, hecho](int codigo, const QString& salida) {
                             const QString motivo = Motivo(codigo, salida);
                             if (!motivo.isEmpty()) {
                                 hecho({false, false, motivo});
                                 return;
                             }
                             ComprobacionAutomatica(s).ConsultarTemporizador(hecho);
                         });
}

void ComprobacionAutomatica::ConsultarTemporizador(std::function<void(const Situacion&)> hecho) {
    systemctl_->Ejecutar(
        {QStringLiteral("--user"), QStringLiteral("is-enabled"), QLatin1String(kTemporizador)},
        [hecho](int codigo, const QString& salida) {
            // "enabled" with status 0; "disabled" with status 1; anything else is a reason.
            const QString estado = salida.trimmed();
            if (codigo == 0 && estado.startsWith(QLatin1String("enabled"))) {
                hecho({true, true,
                       QStringLiteral("Activada: lunes, jueves y sábados a las 23:00 y a la "
                                      "mañana siguiente a las 9:00.")});
                return;
            }
            if (estado == QLatin1String("disabled")) {
                hecho({true, false, QStringLiteral("Desactivada.")});
                return;
            }
            const QString motivo = Motivo(codigo, salida);
            hecho({false, false,
                   motivo.isEmpty() ? QStringLiteral("No se puede: systemctl dice «") + estado +
                                          QStringLiteral("».")
                                    : motivo});
        });
}

void ComprobacionAutomatica::Poner(bool activa, std::function<void(const Situacion&)> hecho) {
    if (!systemctl_) {
        Consultar(std::move(hecho));
        return;
    }
    systemctl_->Ejecutar(
        {QStringLiteral("--user"), activa ? QStringLiteral("enable") : QStringLiteral("disable"),
         QStringLiteral("--now"), QLatin1String(kTemporizador)},
        [s = systemctl_, hecho](int codigo, const QString& salida) {
            const QString motivo = codigo != 0 ? Motivo(codigo, salida) : QString();
            if (!motivo.isEmpty()) {
                hecho({false, false, motivo});
                return;
            }
            // Refused for a reason of its own: said, before how the timer still is.
            const QString fallo = codigo != 0 ? QStringLiteral("No se ha podido cambiar: ") +
                                                    salida.trimmed() + QLatin1Char('\n')
                                              : QString();
            ComprobacionAutomatica(s).Consultar([hecho, fallo](const Situacion& ahora) {
                hecho({ahora.disponible, ahora.activa, fallo + ahora.texto});
            });
        });
}

}  // namespace tombolin
