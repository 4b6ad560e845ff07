// The two picture buttons hand work to the desktop: the data folder to the file browser, the
// product page to the web browser. Paths and the address go over as data, never in a command line.

#include "platform/shared/paths.h"
#include "ui/form1.h"
#include "ui/product_page.h"

namespace orvane {

// The DATA folder beside the program, or the program's own folder where there is none. Only a
// folder counts: opening a file of that name could start a program.
void Form1::Command1_Click() {
    if (!services_.programFolder) {
        services_.shell.beep();
        return;
    }
    const std::u16string& programFolder = *services_.programFolder;
    const std::u16string dataFolder = platform::childPath(programFolder, u"DATA");
    const bool hasDataFolder = services_.shell.isDirectory(dataFolder);
    if (!services_.shell.openFolder(hasDataFolder ? dataFolder : programFolder)) {
        services_.shell.beep();
    }
}

void Form1::Command2_Click() {
    if (!services_.shell.openAddress(kProductPageAddress)) {
        services_.shell.beep();
    }
}

}  // namespace orvane
