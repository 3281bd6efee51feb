// The price maintenance commands of the Options menu.
#include "configurator/hmeny.h"

void HMeny::Newprices_Click() {}

void HMeny::Newprices1_Click() {}

void HMeny::Newprices2_Click() {}
