#include "app/frmprincipal.h"

// The About window is not built yet.
void frmPrincipal::mnuAcercaDe_Click() {}
