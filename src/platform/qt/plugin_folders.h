#pragma once

namespace orvane::platform::qt {

// Keeps Qt's plugins to Qt's own plugin folder and the folders the user names in QT_PLUGIN_PATH.
// Qt would also search the program's folder, which whoever writes the settings file can fill.
// Called before the application is made: making it loads the platform plugin.
void keepPluginsToQtFolders();

}  // namespace orvane::platform::qt
