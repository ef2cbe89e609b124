#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QAbstractButton;
class QLabel;

// Holds a page's save buttons shut unless the page's last load read everything that they
// write. After a failed read the form holds blanks, defaults or what an older read left, and
// a save would put those over the camera's settings; so a failed read disables the saves
// and says why beside them, and only a load that reads everything opens them again. Before
// the first load nothing was read, and the saves are shut.
class SaveAfterRead : public QObject {
    Q_OBJECT
public:
    // saves: the buttons that write what the load reads; the notice goes beside the first.
    // The object belongs to the first button.
    explicit SaveAfterRead(const QList<QAbstractButton*>& saves);

    // Runs one load of the page: read fills the form and returns whether it read every
    // record that the saves write.
    void load(const std::function<bool()>& read);

private:
    void enableSaves(bool enabled);

    QList<QPointer<QAbstractButton>> saves_;
    QPointer<QLabel> notice_;
};
