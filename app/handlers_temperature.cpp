#include "app/frmprincipal.h"

// Temperatures and the dew point are not wired yet.
void frmPrincipal::cmdCelsius_Click() {}
void frmPrincipal::cmdFahrenheit_Click() {}
void frmPrincipal::cmdKelvin_Click() {}
void frmPrincipal::sldHumedad_Scroll() {}
