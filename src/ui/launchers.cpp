#include "ui/form1.h"

namespace orvane {

void Form1::Command1_Click() {}

void Form1::Command2_Click() {}

}  // namespace orvane
