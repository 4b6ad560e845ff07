// Made as Qt's platform plugin "planted" and planted beside the editor: loaded, it says so on
// standard error, which the start-up test takes for a failure.
#include <QObject>
#include <cstdio>

class PlantedPlugin : public QObject {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface.5.3" FILE
                          "planted_plugin.json")
};

static const bool announced = std::fputs("the planted plugin was loaded\n", stderr) >= 0;

#include "planted_plugin.moc"
