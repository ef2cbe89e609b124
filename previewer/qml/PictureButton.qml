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
        onPressed: button.pressed()
        onReleased: button.released()
        // A press that loses the mouse to another window or item still ends:
        // whoever started a movement on pressed must be told to stop it.
        onCanceled: button.released()
    }
}
