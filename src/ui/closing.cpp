#include "ui/form1.h"

namespace orvane {

bool Form1::Form_QueryUnload() {
    return false;
}

}  // namespace orvane
