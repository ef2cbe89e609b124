#pragma once

class QString;
class QStringList;
class QWidget;

// Tells the user, over the page, that the camera did not accept a save: the settings on the
// page were not applied.
void warnSaveRefused(QWidget* page);

// Tells the user, over the page, which record of a save the camera refused and which records
// of the same save it had taken before: those stay changed on the camera.
void warnRecordRefused(QWidget* page, const QString& refused, const QStringList& written);
