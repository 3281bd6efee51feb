// The help commands, the lube-free reference document and the PDF hint.
#include "configurator/hmeny.h"

void HMeny::HowToUse_Click() {}

void HMeny::UsingHelp_Click() {}

void HMeny::mnuPDF_Click() {}

void HMeny::cmdLubeFree_Click() {}

void HMeny::closeHelp() {}
