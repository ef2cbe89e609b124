// The readers of the built-in pages. The frame calls each when its page becomes current;
// the forms they fill join the dialog with the pages themselves, and each reader then gets
// its body here.
#include "remote_config_dialog.h"

void RemoteConfigDialog::loadNetworkPage() {}
void RemoteConfigDialog::loadGB28181Page() {}
void RemoteConfigDialog::fillVideoEncoderResolutions(const NETSDK_PARAM_VIDEO_ENCODE&, int) {}
void RemoteConfigDialog::showAudioCapture(const NETSDK_PARAM_AUDIO_CAPTURE&) {}
void RemoteConfigDialog::loadAudioPage() {}
void RemoteConfigDialog::loadTimePage() {}
void RemoteConfigDialog::loadDevicePage() {}
