#pragma once

#include <QString>
#include <functional>

#include "core/systemctl.h"

namespace tombolin {

// "Comprobar sola tras cada sorteo": the systemd user timer the package installs
// (tombolin-comprobar.timer, which runs "tombolin --comprobar" after each draw), switched on and
// off for the user. A copy of the program that is not installed has no timer (no `systemctl`
// given), and neither has a session without a user service manager: both say why.
class ComprobacionAutomatica {
  public:
    static constexpr const char* kTemporizador = "tombolin-comprobar.timer";

    struct Situacion {
        bool disponible = false;
        bool activa = false;
        QString texto;  // what the settings say beside the box: its state, or why it can't be
    };

    explicit ComprobacionAutomatica(Systemctl* systemctl) : systemctl_(systemctl) {}

    // Asks how the timer is; `hecho` gets the answer.
    void Consultar(std::function<void(const Situacion&)> hecho);
    // Switches it on or off (now and at every login), then asks again.
    void Poner(bool activa, std::function<void(const Situacion&)> hecho);

  private:
    void ConsultarTemporizador(std::function<void(const Situacion&)> hecho);

    Systemctl* systemctl_;
};

}  // namespace tombolin
