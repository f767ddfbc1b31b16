#pragma once

#include <vector>

#include "core/error.h"
#include "core/estado.h"
#include "core/registros.h"
#include "core/reloj.h"

// The syndicate file "apuestas.dat": its records, the removal of one syndicate and the reset of
// every syndicate's prize counters.
namespace tombolin {

bool LeerPena(const FicheroRegistros& canal, int n, Pena& pena);
// Every whole syndicate of the file, in file order.
std::vector<Pena> LeerTodasLasPenas(const FicheroRegistros& canal);

// Adds a syndicate after the last one.
[[nodiscard]] Error AnadirPena(Estado& estado, const Pena& pena);

// Writes the bets of syndicate n as the editor left them: its lines, their kind, its reduced
// system, its play days and the day it plays from. Its name and prize counters are kept as the
// file has them, so a check that counted prizes while the editor was open is never undone; only
// another day to play from starts the counters (and the day checked) again.
[[nodiscard]] Error GuardarCambiosPena(Estado& estado, int n, const Pena& editada);

// Removes syndicate n; the syndicates after it move down one place.
[[nodiscard]] Error BorrarPena(Estado& estado, int n);

// Clears the prize counters of every syndicate and restarts its creation date today, so that
// only draws from today on count for it.
[[nodiscard]] Error ResetearPenas(Estado& estado, const Reloj& reloj);

}  // namespace tombolin
