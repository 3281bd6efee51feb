// Which text of the catalogue labels which control when the main window loads, in order.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "data/text_catalogue.h"

struct CaptionAssignment {
  Text text;
  QStringList targets;  // object names of the controls; "Form2." names a control of Form2
  QString suffix;       // appended to the text
};

// The caption assignments in the order the load applies them. The window title (the program title
// with the version) is applied in its place in this order under the target "HMeny".
const std::vector<CaptionAssignment>& mainWindowCaptions();
