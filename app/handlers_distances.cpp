#include "app/frmprincipal.h"

// The two length converters are not wired yet.
void frmPrincipal::cmdMedidas1_Click() {}
void frmPrincipal::cmdMedidas2_Click() {}
