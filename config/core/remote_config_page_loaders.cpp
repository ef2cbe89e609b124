// The readers of the built-in pages. The frame calls each when its page becomes current;
// the forms they fill join the dialog with the pages themselves, and each reader then gets
// its body here.
#include "remote_config_dialog.h"

void RemoteConfigDialog::loadOSDPage() {}
void RemoteConfigDialog::loadLightPage() {}
void RemoteConfigDialog::loadRegions() {}
void RemoteConfigDialog::loadDetectionPage() {}
