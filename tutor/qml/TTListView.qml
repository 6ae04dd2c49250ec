import QtQuick 2.12

ListView {
    id: list

    signal clicked()

    z: 1
    focus: true
    visible: false
    clip: true
    spacing: 6
    anchors.margins: 6
    leftMargin: width / 3
    rightMargin: width / 3
    interactive: true
    keyNavigationEnabled: true

    highlight: Rectangle {
        color: "lightsteelblue"
        radius: 5
    }

    populate: Transition {
        NumberAnimation { properties: "x,y"; duration: 200 }
    }
    add: Transition {
        NumberAnimation { properties: "x,y"; duration: 1000; easing.type: Easing.InOutBack; easing.overshoot: 10 }
    }

    delegate: Rectangle {
        id: itemDelegate
        width: list.width / 3
        height: 36
        radius: 6
        border.color: "white"
        color: ListView.isCurrentItem ? "#C88141" : "white"
        opacity: langItemMA.pressed ? 0.8 : 1

        Text {
            objectName: "entryText"
            anchors.centerIn: parent
            padding: 6
            text: modelData
        }

        MouseArea {
            id: langItemMA
            anchors.fill: parent
            onClicked: {
                console.log("Clickked " + index)
                list.currentIndex = index
                list.visible = false
                list.clicked()
            }
        }
    }
}
