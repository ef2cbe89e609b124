import QtQuick 2.0

// One lens row: a button on each side of a label. The offsets are the row's position in
// the panel, so the buttons show their regions of the panel pictures.
Item {
    id: row
    width: 224
    height: 47
    anchors.top: parent.top
    anchors.horizontalCenter: parent.horizontalCenter
    anchors.horizontalCenterOffset: 1

    property alias text: label.text
    property real xOffset: 0
    property real yOffset: 0

    signal operator1Clicked()
    signal operator1Pressed()
    signal operator1Released()
    signal operator2Clicked()
    signal operator2Pressed()
    signal operator2Released()

    PtzPictureButton {
        objectName: row.objectName + "Operator1"
        width: 57
        height: 37
        radius: 5
        anchors.left: parent.left
        anchors.leftMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        xOffset: row.xOffset
        yOffset: row.yOffset
        onClicked: row.operator1Clicked()
        onPressed: row.operator1Pressed()
        onReleased: row.operator1Released()
    }

    Text {
        id: label
        anchors.centerIn: parent
        color: "#eceeea"
        font.pixelSize: 18
        font.bold: false
    }

    PtzPictureButton {
        objectName: row.objectName + "Operator2"
        width: 57
        height: 37
        radius: 5
        anchors.right: parent.right
        anchors.rightMargin: 8
        anchors.verticalCenter: parent.verticalCenter
        xOffset: row.xOffset
        yOffset: row.yOffset
        onClicked: row.operator2Clicked()
        onPressed: row.operator2Pressed()
        onReleased: row.operator2Released()
    }
}
