import QtQuick 2.0
import QtQuick.Controls 2.14
import QtQuick.Layouts 1.14

// The PTZ panel. Every control sends one command to the window through sendMessage(id,
// value): 80 move, 81 stop, 82 reset, 84 preset, 85 lens; value is a compact JSON text or
// empty. The window answers the preset list (83) through setPresetList.
Item {
    id: root
    width: background.width
    height: background.height

    signal sendMessage(int id, var value)
    signal hidePanel()

    readonly property int moveCommand: 80
    readonly property int stopCommand: 81
    readonly property int resetCommand: 82
    readonly property int presetCommand: 84
    readonly property int lensCommand: 85
    // Preset numbers that Add may choose; the camera knows 1-255, 255 stays free.
    readonly property int highestNewPreset: 254

    function send(id, value) {
        console.log(value)
        sendMessage(id, value)
    }

    function move(direction) {
        send(moveCommand, '{"direction":"' + direction + '","speed":' + speed.value + '}')
    }

    function lens(operate) {
        send(lensCommand, '{"operate":"' + operate + '"}')
    }

    function stop(what) {
        console.log("stop " + what)
        send(stopCommand, "")
    }

    function preset(operate, number) {
        send(presetCommand, '{"operate":"' + operate + '","preset":' + number + '}')
    }

    function setPresetList(li) {
        presetModel.clear()
        for (var i = 0; i < li.length; ++i) {
            presetModel.append({"value": li[i]})
        }
    }

    function presetListHas(number) {
        for (var i = 0; i < presetModel.count; ++i) {
            if (presetModel.get(i).value === number) {
                return true
            }
        }
        return false
    }

    function selectedPreset() {
        return presetBox.currentIndex >= 0 ? presetModel.get(presetBox.currentIndex).value : NaN
    }

    ListModel {
        id: presetModel
        objectName: "presetModel"
    }

    Image {
        id: background
        source: "images/ptz_normal.png"
    }

    PtzPictureButton {
        objectName: "closeStrip"
        x: 0
        y: 306
        width: 32
        height: 92
        onClicked: root.hidePanel()
    }

    Item {
        id: controls
        anchors.fill: parent
        anchors.leftMargin: 32

        Text {
            anchors.top: parent.top
            anchors.topMargin: 14
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("PTZ Control")
            color: "#eceeea"
            font.pixelSize: 24
            font.bold: true
            style: Text.Raised
        }

        Item {
            id: pad
            width: 200
            height: 200
            anchors.top: parent.top
            anchors.topMargin: 79
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.horizontalCenterOffset: 3

            PtzPictureButton {
                objectName: "upButton"
                width: 48; height: 45
                anchors.top: parent.top; anchors.topMargin: 12
                anchors.horizontalCenter: parent.horizontalCenter
                xOffset: pad.x + controls.x; yOffset: pad.y + controls.y
                onPressed: root.move("up")
                onReleased: root.stop("move up")
            }
            PtzPictureButton {
                objectName: "downButton"
                width: 48; height: 45
                anchors.bottom: parent.bottom; anchors.bottomMargin: 12
                anchors.horizontalCenter: parent.horizontalCenter
                xOffset: pad.x + controls.x; yOffset: pad.y + controls.y
                onPressed: root.move("down")
                onReleased: root.stop("move down")
            }
            PtzPictureButton {
                objectName: "leftButton"
                width: 48; height: 48
                anchors.left: parent.left; anchors.leftMargin: 12
                anchors.verticalCenter: parent.verticalCenter
                xOffset: pad.x + controls.x; yOffset: pad.y + controls.y
                onPressed: root.move("left")
                onReleased: root.stop("move left")
            }
            PtzPictureButton {
                objectName: "rightButton"
                width: 48; height: 48
                anchors.right: parent.right; anchors.rightMargin: 12
                anchors.verticalCenter: parent.verticalCenter
                xOffset: pad.x + controls.x; yOffset: pad.y + controls.y
                onPressed: root.move("right")
                onReleased: root.stop("move right")
            }
            PtzPictureButton {
                objectName: "centreButton"
                width: 60; height: 60
                anchors.centerIn: parent
                anchors.horizontalCenterOffset: 2
                xOffset: pad.x + controls.x; yOffset: pad.y + controls.y
                onClicked: root.send(root.resetCommand, "")
            }
        }

        Item {
            width: 298
            height: 48
            x: 17
            y: 319
            Text {
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Speed")
                color: "#eceeea"
                font.pixelSize: 18
            }
            Slider {
                id: speed
                objectName: "speedSlider"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                width: 220
                from: 1
                to: 255
                stepSize: 1
                value: 128
                ToolTip.visible: pressed
                ToolTip.text: value
            }
        }

        CameraOperator {
            objectName: "zoomRow"
            anchors.topMargin: 382
            text: qsTr("Zoom")
            xOffset: x + controls.x; yOffset: y + controls.y
            onOperator1Pressed: root.lens("zoom_wide")
            onOperator2Pressed: root.lens("zoom_tele")
            onOperator1Released: root.stop("zoom wide")
            onOperator2Released: root.stop("zoom tele")
        }
        CameraOperator {
            objectName: "focusRow"
            anchors.topMargin: 440
            text: qsTr("Focus")
            xOffset: x + controls.x; yOffset: y + controls.y
            onOperator1Pressed: root.lens("focus_near")
            onOperator2Pressed: root.lens("focus_far")
            onOperator1Released: root.stop("focus near")
            onOperator2Released: root.stop("focus far")
        }
        CameraOperator {
            objectName: "irisRow"
            anchors.topMargin: 499
            text: qsTr("Iris")
            xOffset: x + controls.x; yOffset: y + controls.y
            onOperator1Pressed: root.lens("iris_close")
            onOperator2Pressed: root.lens("iris_open")
            onOperator1Released: root.stop("iris close")
            onOperator2Released: root.stop("iris open")
        }

        Text {
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 152
            anchors.left: parent.left
            anchors.leftMargin: 18
            text: qsTr("Preset")
            color: "#eceeea"
            font.pixelSize: 18
        }

        Item {
            width: 298
            height: 38
            anchors.left: parent.left
            anchors.leftMargin: 17
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 105
            ComboBox {
                id: presetBox
                objectName: "presetBox"
                width: 217
                height: parent.height
                padding: 0
                model: presetModel
                textRole: "value"
            }
            Text {
                anchors.left: presetBox.right
                anchors.leftMargin: 10
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("1-255")
                color: "#eceeea"
                font.pixelSize: 18
            }
        }

        Item {
            id: presetButtons
            width: 303
            height: 51
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 40
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.horizontalCenterOffset: 3

            Repeater {
                model: [
                    {"name": "invokeButton", "label": qsTr("Invoke"), "at": 0},
                    {"name": "addButton", "label": qsTr("Add"), "at": 1},
                    {"name": "removeButton", "label": qsTr("Remove"), "at": 2}
                ]
                PtzPictureButton {
                    objectName: modelData.name
                    width: 96
                    height: parent.height
                    x: modelData.at * (presetButtons.width - width) / 2
                    xOffset: presetButtons.x + controls.x
                    yOffset: presetButtons.y + controls.y
                    onClicked: root.presetAction(modelData.at)
                    Text {
                        anchors.left: parent.left
                        anchors.leftMargin: 35
                        anchors.verticalCenter: parent.verticalCenter
                        text: modelData.label
                        color: "#eceeea"
                        font.pointSize: 9
                    }
                }
            }
        }
    }

    function presetAction(which) {
        if (which === 0) {
            invokePreset()
        } else if (which === 1) {
            addPreset()
        } else {
            removePreset()
        }
    }

    function invokePreset() {
        var number = selectedPreset()
        if (!isNaN(number)) {
            preset("call", number)
        }
    }

    function addPreset() {
        for (var number = 1; number <= highestNewPreset; ++number) {
            if (!presetListHas(number)) {
                presetModel.append({"value": number})
                presetBox.currentIndex = presetModel.count - 1
                preset("set", number)
                return
            }
        }
    }

    function removePreset() {
        var index = presetBox.currentIndex
        if (index < 0) {
            return
        }
        var number = presetModel.get(index).value
        presetModel.remove(index)
        preset("clear", number)
    }
}
