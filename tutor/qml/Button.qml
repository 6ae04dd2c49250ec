import QtQuick 2.0

Rectangle {
    id: button

    property string text: "text"
    signal clicked()

    width: 200
    height: 30
    color: "#C58917"
    radius: height * 0.005
    border.width: height * 0.005
    border.color: text !== "" ? "black" : "transparent"
    opacity: enabled && !mouseArea.pressed ? 1 : 0.3

    Text {
        objectName: "buttonText"
        anchors.centerIn: parent
        text: button.text
        font.pixelSize: parent.height / 2
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        onClicked: button.clicked()
    }
}
