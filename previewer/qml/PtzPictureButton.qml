import QtQuick 2.0

PictureButton {
    sourceNormal: "images/ptz_normal.png"
    sourceDisabled: "images/ptz_disable.png"
    sourceFocus: "images/ptz_hover.png"
    sourcePressed: "images/ptz_down.png"
}
