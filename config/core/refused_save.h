#pragma once

class QWidget;

// Tells the user, over the page, that the camera did not accept a save: the settings on the
// page were not applied.
void warnSaveRefused(QWidget* page);
