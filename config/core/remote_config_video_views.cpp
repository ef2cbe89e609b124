// The live previews of the video pages: the OSD, fill-light, privacy-mask and human
// detection pages each show the camera's picture in a view hosted by their frame.
#include "remote_config_dialog.h"
#include "ui_remote_config_dialog.h"

// The views join the pages with the live video; until then the pages work without them.
void RemoteConfigDialog::openPreview(QWidget*) {}
void RemoteConfigDialog::showOsdPreview() {}
void RemoteConfigDialog::setOsdDateTimeVisible(bool) {}
void RemoteConfigDialog::setOsdTitleVisible(bool) {}
void RemoteConfigDialog::showRegionsOnPreview() {}
void RemoteConfigDialog::clearRegionsOnPreview() {}
