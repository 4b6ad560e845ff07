#include "app/start_up.h"
#include "platform/toolkit.h"

int main(int argc, char** argv) {
    const auto desktop = orvane::platform::startDesktop(argc, argv);
    const orvane::platform::Services services = desktop->services();
    const auto form = orvane::Main(services);
    return services.toolkit.run();
}
