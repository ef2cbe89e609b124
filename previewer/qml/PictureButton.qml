import QtQuick 2.0

// A button that shows its own region of a full-panel picture: the picture of its state is
// placed so that the button's position in the panel (its offsets plus its own position)
// lines up with the same region of the picture.
Rectangle {
    id: button
    color: "transparent"
    clip: true

    property real xOffset: 0
    property real yOffset: 0
    property url sourceNormal
    property url sourceDisabled
    property url sourceFocus
    property url sourcePressed

    signal clicked()
    signal pressed()
    signal released()

    // From a press until it ends, whichever way it ends: released() is told exactly once.
    property bool held: false

    function letGo() {
        if (held) {
            held = false
            button.released()
        }
    }

    Image {
        x: -(button.xOffset + button.x)
        y: -(button.yOffset + button.y)
        source: !button.enabled ? button.sourceDisabled
                                : mouseArea.pressed ? button.sourcePressed
                                                    : mouseArea.containsMouse ? button.sourceFocus
                                                                              : button.sourceNormal
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
        onPressed: {
            button.held = true
            button.pressed()
        }
        onReleased: button.letGo()
        // A press that loses the mouse to another window or item still ends:
        // whoever started a movement on pressed must be told to stop it.
        onCanceled: button.letGo()
        // So does a press dragged off the button, at once: the camera must not go on moving
        // while the pointer is elsewhere.
        onExited: button.letGo()
    }
}
